#include "DemoAlarmSimulator.h"

#include <systems/SysConnectMonitor.h>

namespace {
const char* const kDownSystem = "Plant0";
const int kBurstEvery = 20;      // ticks between bursts
const int kSystemFlapEvery = 9;  // ticks between a system going down or coming back
} // namespace

DemoAlarmSimulator::DemoAlarmSimulator(const DemoAlarmData& data, const QSharedPointer<AlarmsModel>& model,
                                       QObject* parent)
    : QObject(parent)
    , m_data(data)
    , m_model(model)
    , m_random(42)
{
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(tick()));
}

QStringList DemoAlarmSimulator::systemNames() const
{
    return m_data.systems() << QLatin1String(kDownSystem);
}

AlarmPtr DemoAlarmSimulator::makeAlarm(qint64 ident, const DemoAlarmData::Alarm& source, const QDateTime& time,
                                       AlarmInstance::AckState ack, bool went) const
{
    QSharedPointer<AlarmInstance> alarm(new AlarmInstance(ident, source.system));
    alarm->setValue(m_model->findProperty(QStringLiteral("TIME")), time);
    alarm->setValue(m_model->findProperty(QStringLiteral("PRIORITY")), source.priority);
    alarm->setValue(m_model->findProperty(QStringLiteral("DPE")), source.dpe);
    alarm->setValue(m_model->findProperty(QStringLiteral("ALERT_TEXT")), source.text);
    alarm->setAckState(ack);
    alarm->setWent(went);
    return alarm;
}

void DemoAlarmSimulator::start(int intervalMs)
{
    const QStringList systems = systemNames();
    SysConnectMonitor* monitor = SysConnectMonitor::getInstance(m_model.data());
    for (int i = 0; i < systems.size(); ++i)
        monitor->setSystem(unsigned(i + 1), systems.at(i), systems.at(i) != QLatin1String(kDownSystem));
    // The last hours: older alarms are more often acknowledged or gone.
    const QDateTime now = QDateTime::currentDateTime();
    AlarmList alarms;
    for (int i = 0; i < 36; ++i) {
        const DemoAlarmData::Alarm& source = m_data.alarms().at(int(m_random.bounded(m_data.alarms().size())));
        const bool old = i < 24;
        const auto ack = old && m_random.bounded(3) != 0 ? AlarmInstance::Acknowledged : AlarmInstance::Unacknowledged;
        const bool went = old && m_random.bounded(2) == 0;
        alarms.append(makeAlarm(nextIdent(), source, now.addSecs(-3 * 3600 + i * 300), ack, went));
    }
    m_model->addAlarms(alarms);
    m_timer.start(intervalMs);
}

void DemoAlarmSimulator::come(int count, const QDateTime& time)
{
    AlarmList alarms;
    for (int i = 0; i < count; ++i) {
        const DemoAlarmData::Alarm& source = m_data.alarms().at(int(m_random.bounded(m_data.alarms().size())));
        alarms.append(makeAlarm(nextIdent(), source, time, AlarmInstance::Unacknowledged, false));
    }
    m_model->addAlarms(alarms);
}

void DemoAlarmSimulator::burst(int count)
{
    come(count, QDateTime::currentDateTime());
}

void DemoAlarmSimulator::tick()
{
    ++m_ticks;
    const QDateTime now = QDateTime::currentDateTime();
    if (m_random.bounded(2) == 0)
        come(1, now);
    if (m_ticks % kBurstEvery == 0)
        burst(25);
    // Some alarm goes; acknowledged alarms that went leave the list.
    AlarmList changed;
    QVector<qint64> gone;
    for (const AlarmPtr& alarm : m_model->getAlarms()) {
        if (alarm->isWent() && alarm->getAckState() == AlarmInstance::Acknowledged) {
            gone.append(alarm->getIdent());
        } else if (!alarm->isWent() && m_random.bounded(12) == 0) {
            QSharedPointer<AlarmInstance> went(new AlarmInstance(*alarm));
            went->setWent(true);
            changed.append(went);
        }
    }
    m_model->updateAlarms(changed);
    m_model->removeAlarms(gone);
    // A system of the plant goes down and comes back.
    if (m_ticks % kSystemFlapEvery == 0) {
        SysConnectMonitor* monitor = SysConnectMonitor::getInstance();
        const unsigned int number = unsigned(1 + m_random.bounded(m_data.systems().size()));
        const SystemInfo info = monitor->getSystems().value(number);
        monitor->setSystemConnected(number, !info.isConnected());
    }
}
