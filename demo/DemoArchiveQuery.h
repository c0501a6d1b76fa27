#pragma once

#include <models/AlarmsModel.h>

#include <source/QueryStateDisplay.h>
#include <source/SourceAndFiltersUi.h>

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QStringList>
#include <QTimer>

class DemoAlarmData;
class DemoAlarmSimulator;


// A simulated archive query: it walks the source control through the
// states of a running query (started, reading with growing counts,
// finished) while it fills the archive's alarm model with the alarms of the
// chosen systems over the chosen time range, and stops as aborted when
// asked.
class DemoArchiveQuery : public QObject
{
    Q_OBJECT
public:
    DemoArchiveQuery(const DemoAlarmData& data, DemoAlarmSimulator* simulator,
                     const QSharedPointer<AlarmsModel>& archive, QObject* parent);

    // The panel that shows the query's state and counts (none: not shown).
    void setPanel(SourceAndFiltersUi* panel) { m_panel = panel; }
    // The query state popup, which shows the same states and counts.
    void setStateDisplay(QueryStateDisplay* display) { m_display = display; }

    bool isRunning() const { return m_timer.isActive(); }
    // Reads the archive's alarms of systems between start and end.
    void start(const QStringList& systems, const QDateTime& start, const QDateTime& end);

public slots:
    void abort();

private slots:
    void step();

private:
    void showState(Constants::SourceState state);
    void showCounts(unsigned int read, unsigned int matching);

    QPointer<SourceAndFiltersUi> m_panel;
    QPointer<QueryStateDisplay> m_display;
    const DemoAlarmData& m_data;
    DemoAlarmSimulator* m_simulator;
    QSharedPointer<AlarmsModel> m_archive;
    QTimer m_timer;
    QStringList m_systems;
    QDateTime m_start;
    QDateTime m_end;
    unsigned int m_total = 0;
    unsigned int m_matching = 0;
    unsigned int m_read = 0;
    int m_steps = 0;
};
