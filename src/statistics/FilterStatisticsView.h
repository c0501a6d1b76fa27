#pragma once

#include "qvas_export.h"

#include <filtervalues/SourceAndFilter.h>
#include <systems/SystemConnectionsControl.h>

#include <QSharedPointer>
#include <QStringList>
#include <QTabWidget>
#include <QVariantMap>
#include <QWidget>

class AlarmsModel;
class FilterStatistics;
class FilterStatisticsWidget;
class Spoiler;
class WildcardConfig;

// Sets of filter counters, one tab per filter configuration datapoint,
// optionally inside a collapsible spoiler (in horizontal orientation). It
// forwards the signals of all counters and compares the current tab's
// counters with the filter applied to the alarm table.
class QVAS_EXPORT FilterStatisticsView : public QWidget, public SystemConnectionsControl
{
    Q_OBJECT
    Q_PROPERTY(Qt::Orientation orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(bool useSpoiler READ useSpoiler WRITE setUseSpoiler)
    Q_PROPERTY(bool inGedi READ inGedi WRITE setInGedi)
public:
    FilterStatisticsView(const WildcardConfig& config, QWidget* parent = nullptr,
                         Qt::WindowFlags flags = Qt::WindowFlags());
    ~FilterStatisticsView() override;

    QString instanceTypeName() const override;

    // One tab per datapoint name; false with errMsg at the first name that
    // cannot be connected (the tabs made so far stay).
    bool addConnections(const QStringList& dpNames, const QSharedPointer<AlarmsModel>& model, QString& errMsg);
    void setModel(const QSharedPointer<AlarmsModel>& model);
    void setSingleRowPerPair(bool singleRowPerPair);
    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    bool useSpoiler() const { return m_useSpoiler; }
    void setUseSpoiler(bool useSpoiler);
    bool inGedi() const { return m_inGedi; }
    void setInGedi(bool inGedi) { m_inGedi = inGedi; }
    void setTabBarPosition(QTabWidget::TabPosition position);

    void compareWithCurrentFilter(const SourceAndFilter& filter);
    QStringList getAllIds() const;
    QVariantMap getFilterStatistics(const QString& filterId) const;

    QTabWidget* tabWidget() const { return m_tabs; }
    Spoiler* spoiler() const { return m_spoiler; }

    void clearTabs();
    void buildView();
    void clearView();

signals:
    void statsChanged(const FilterStatistics* stats);
    void statsContentChanged(const QString& filterId, const QVariantMap& content);
    void filterMousePressed(FilterStatisticsWidget* source, int buttonNumber, int x, int y);
    void filterMouseClicked(FilterStatisticsWidget* source, int buttonNumber);

private slots:
    void processTabChange(int tabIdx);
    void updateTabText(int tabIdx, QString setName);

private:
    void switchModel(const QSharedPointer<AlarmsModel>& model);

    Qt::Orientation m_orientation = Qt::Vertical;
    QSharedPointer<AlarmsModel> m_model;
    SourceAndFilter m_currentFilter;
    QTabWidget* m_tabs;
    Spoiler* m_spoiler = nullptr;
    bool m_singleRowPerPair = false;
    bool m_useSpoiler = false;
    bool m_inGedi = false;
};
