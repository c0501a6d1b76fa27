#pragma once

#include <filtervalues/SourceAndFilter.h>

#include <QSharedPointer>
#include <QWidget>

class AlarmsModel;
class DemoCounterBar;
class DemoStatisticsArea;
class MsgLoggingProducer;
class WildcardConfig;

// The statistics area: the row of counters and the filter statistics view
// of the demo's filter sets, side by side in one row above the table; a
// click on a counter asks for its filter.
class DemoStatisticsRoom : public QWidget
{
    Q_OBJECT
public:
    DemoStatisticsRoom(const QSharedPointer<AlarmsModel>& model, const WildcardConfig& wildcard,
                       const QStringList& systems, MsgLoggingProducer* producer, QWidget* parent = nullptr);

    void compareWithApplied(const SourceAndFilter& applied);
    // Clicks the counter of that id ("unack", "prio80" or a system), as the operator does.
    bool clickCounter(const QString& id);

signals:
    void filterChosen(const SourceAndFilter& filter);

private:
    DemoCounterBar* m_counters;
    DemoStatisticsArea* m_statistics;
};
