#pragma once

#include "qvas_export.h"

#include <configuration/FilterViewConfiguration.h>
#include <datapoints/DpIdentList.h>
#include <filtervalues/SourceAndFilter.h>
#include <systems/SystemConnectionsControl.h>

#include <QFrame>
#include <QSet>
#include <QSharedPointer>
#include <QVariantMap>

class AlarmsModel;
class FilterConfigHotLink;
class FilterStatistics;
class FilterStatisticsWidget;
class QGridLayout;
class WildcardConfig;

// One filter set of a filter statistics view: connected to a filter
// configuration datapoint, it builds a grid of counters from the set's
// layout JSON whenever the datapoint's values arrive, and keeps them
// compared with the filter applied to the alarm table.
class QVAS_EXPORT FilterStatisticsTab : public QFrame, public SystemConnectionsControl
{
    Q_OBJECT
    Q_PROPERTY(Qt::Orientation orientation READ orientation WRITE setOrientation)
public:
    FilterStatisticsTab(const WildcardConfig& config, QWidget* parent, int tabIndex);
    ~FilterStatisticsTab() override;

    QString instanceTypeName() const override;

    bool connectToDp(const QString& dpName, const QSharedPointer<AlarmsModel>& model, QString& errMsg);
    void disconnectFromDp();
    // Switches to another filter configuration datapoint; an empty name
    // leaves the tab empty. errMsg is cleared, and filled when connecting fails.
    void setConfigDp(const QString& dpName, QString& errMsg);
    // The three values of the datapoint; the error text, empty on success.
    QString newDpData(const QString& setName, const QString& configDp, const QString& setJson);

    void setModel(const QSharedPointer<AlarmsModel>& model, bool singleRowPerPair);
    void setSingleRowPerPair(bool singleRowPerPair);
    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    void compareWithCurrentFilter(const SourceAndFilter& filter);
    QSet<QString> getAllIds() const;

    const QString& getSetName() const { return m_setName; }
    const QString& getConfigDp() const { return m_configDp; }
    const FilterViewConfiguration& getConfiguration() const { return m_config; }
    bool isConnected() const { return m_connected; }

    void buildView();
    void buildViewGrid();
    void buildViewTree();
    QGridLayout* getLayoutAfterStyling();
    FilterStatisticsWidget* createWidgetForGrid(const FilterGridViewConfiguration& grid,
                                                const FilterViewItemConfiguration& item);
    void clearView();
    // A counter that clearView() removed and that waits for its deletion.
    static bool isCleared(const QWidget* counter);

signals:
    void statsChanged(const FilterStatistics* stats);
    void statsContentChanged(const QString& filterId, const QVariantMap& content);
    void filterMousePressed(FilterStatisticsWidget* source, int buttonNumber, int x, int y);
    void filterMouseClicked(FilterStatisticsWidget* source, int buttonNumber);
    void setNameChanged(int tabIdx, QString setName);

private:
    static constexpr const char* ClearedProperty = "qvasCleared";
    QList<FilterStatisticsWidget*> counters() const;
    void applyContainerBackground(const QString& colorName);

    FilterViewConfiguration m_config;
    QString m_setName;
    int m_tabIndex;
    QSharedPointer<AlarmsModel> m_model;
    QString m_configDp;
    DpIdentList m_dpIds;
    SourceAndFilter m_currentFilter;
    FilterConfigHotLink* m_hotLink = nullptr;
    bool m_singleRowPerPair = false;
    Qt::Orientation m_orientation = Qt::Vertical;
    bool m_connected = false;
};
