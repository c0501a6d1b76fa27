#pragma once

#include "qvas_export.h"

#include <statistics/FilterStatisticsValueConsumer.h>

#include <QColor>
#include <QLabel>
#include <QSet>
#include <QVariantMap>

class MsgLoggingProducer;

// One counter of a filter statistics view: a label whose text and tool tip
// are templates with the placeholders replaced by the statistics of the
// alarms that match its filter, coloured by the colour names the
// statistics select (blinking with the colour engine), framed while its
// filter is the one applied to the table, and reporting mouse presses and
// clicks.
class QVAS_EXPORT FilterStatisticsWidget : public QLabel, public FilterStatisticsValueConsumer
{
    Q_OBJECT
    Q_PROPERTY(QString filterDpName READ getFilterDpName WRITE setFilterDpName)
    Q_PROPERTY(QString filterName READ getFilterName)
public:
    FilterStatisticsWidget(MsgLoggingProducer* producer, QWidget* parent = nullptr,
                           Qt::WindowFlags flags = Qt::WindowFlags());

    void setSelectedLineColor(QString colorName);
    QColor getSelectedLineColor() const { return m_selectedLineColor; }
    void setSelectedLineWidth(int width) { m_selectedLineWidth = width; }
    QVariantMap getStatisticsAsMap() const;
    QString getReplacementString(const FilterStatisticsValue* value, const FilterStatistics* stats,
                                 const QString& placeHolder) const;
    void applyNewColor(bool fromStatistics);
    QString getFilterName() const;

    void setFilterDpName(const QString& name) override;
    void setFilter(const QString& filterId, const SourceAndFilter& filter) override;
    void setModel(const QSharedPointer<AlarmsModel>& model) override;
    void setBackColorSource(FilterViewItemConfiguration::StatsColorSource source) override;
    void setForeColorSource(FilterViewItemConfiguration::StatsColorSource source) override;
    void setTextTemplate(const QString& text) override;
    void setTooTipTemplate(const QString& text) override;

signals:
    void statsChanged(const FilterStatistics* stats);
    void statsContentChanged(const QString& filterId, const QVariantMap& content);
    void mousePressed(FilterStatisticsWidget* source, int buttonNumber, int x, int y);
    void mouseClicked(FilterStatisticsWidget* source, int buttonNumber);

public slots:
    void statsSourceChanged(const FilterStatistics* stats);

protected slots:
    void matchCurrentFilterChanged() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private slots:
    void blinkHandler(const QString& colorName, const QColor& color);

private:
    // template with every placeholder replaced, in map order.
    QString replaced(QString text, const FilterStatistics* stats) const;
    // True when the plain text is wider than the label: it is painted elided.
    bool isTextElided() const;
    void paintElidedText();

    static constexpr int kMaxHintChars = 60;
    static constexpr int kMinHintChars = 4;

    int m_selectedLineWidth;
    QColor m_selectedLineColor;
    // "name\nplaceholder" of the invalid colours already warned about.
    mutable QSet<QString> m_warnedColors;
};
