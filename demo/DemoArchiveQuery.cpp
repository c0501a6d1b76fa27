#include "DemoArchiveQuery.h"

#include "DemoAlarmData.h"
#include "DemoAlarmSimulator.h"

#include <source/SourceAndFiltersUi.h>

namespace {
const int kStepMs = 250;
const int kStartSteps = 4;    // a second of "started" before reading
const int kReadSteps = 24;    // then six seconds of reading
const int kAlarmsPerSystemHour = 6;
} // namespace

DemoArchiveQuery::DemoArchiveQuery(const DemoAlarmData& data, DemoAlarmSimulator* simulator,
                                   const QSharedPointer<AlarmsModel>& archive, QObject* parent)
    : QObject(parent)
    , m_data(data)
    , m_simulator(simulator)
    , m_archive(archive)
{
    m_timer.setInterval(kStepMs);
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(step()));
}

void DemoArchiveQuery::start(const QStringList& systems, const QDateTime& start, const QDateTime& end)
{
    m_systems = systems;
    m_start = start;
    m_end = end;
    const qint64 hours = qMax<qint64>(1, start.secsTo(end) / 3600);
    // The archive holds every system's alarms; the query reads those of the chosen ones.
    m_total = unsigned(qMin<qint64>(100000, hours * kAlarmsPerSystemHour * (m_data.systems().size() + 1)));
    m_matching = unsigned(qMin<qint64>(m_total, hours * kAlarmsPerSystemHour * systems.size()));
    m_read = 0;
    m_steps = 0;
    m_archive->clear();
    showCounts(0, 0);
    showState(Constants::SourceStateQueryStarted);
    m_timer.start();
}

void DemoArchiveQuery::abort()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    showState(Constants::SourceStateQueryAborted);
}

void DemoArchiveQuery::step()
{
    ++m_steps;
    if (m_steps <= kStartSteps)
        return;
    const int readStep = m_steps - kStartSteps;
    m_read = m_total * unsigned(readStep) / kReadSteps;
    const unsigned int matched = m_matching * unsigned(readStep) / kReadSteps;
    // The alarms read in this step, spread evenly over the time range.
    AlarmList alarms;
    QVector<const DemoAlarmData::Alarm*> sources;
    for (const DemoAlarmData::Alarm& alarm : m_data.alarms()) {
        if (m_systems.contains(alarm.system))
            sources.append(&alarm);
    }
    const qint64 span = m_start.secsTo(m_end);
    for (unsigned int i = unsigned(m_archive->getAlarmCount()); i < matched && !sources.isEmpty(); ++i) {
        const DemoAlarmData::Alarm& source = *sources.at(int(i % unsigned(sources.size())));
        const QDateTime time = m_start.addSecs(m_matching ? span * qint64(i) / qint64(m_matching) : 0);
        const auto ack = i % 5 == 0 ? AlarmInstance::Unacknowledged : AlarmInstance::Acknowledged;
        alarms.append(m_simulator->makeAlarm(m_simulator->nextIdent(), source, time, ack, i % 3 != 0));
    }
    m_archive->addAlarms(alarms);
    showState(Constants::SourceStateQueryReading);
    showCounts(m_read, matched);
    if (readStep >= kReadSteps) {
        m_timer.stop();
        showState(Constants::SourceStateQueryDone);
    }
}

void DemoArchiveQuery::showState(Constants::SourceState state)
{
    if (m_panel)
        m_panel->displaySourceState(state);
    if (m_display)
        m_display->displaySourceState(state);
}

void DemoArchiveQuery::showCounts(unsigned int read, unsigned int matching)
{
    if (m_panel)
        m_panel->displaySourceCounts(read, matching);
    if (m_display)
        m_display->displaySourceCounts(read, matching);
}
