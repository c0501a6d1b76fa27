#include "models/AlarmsModel.h"

#include "logging/MsgLoggingMessage.h"
#include "systems/SystemConnectionsControl.h"

AlarmsModel::AlarmsModel(const AlarmModelConfiguration& config, const MsgLoggingProducer* logParent,
                         QObject* parent)
    : QObject(parent)
    , MsgLoggingProducer(logParent)
    , m_properties(config.properties)
{
    for (int i = 0; i < m_properties.size(); ++i)
        m_properties[i].setIndex(i);
}

AlarmProp AlarmsModel::findProperty(const QString& name) const
{
    for (const AlarmProp& prop : m_properties) {
        if (prop.getName() == name)
            return prop;
    }
    return AlarmProp();
}

AlarmProp AlarmsModel::findPropertyById(const QString& columnId, Constants::ValueSource source) const
{
    for (const AlarmProp& prop : m_properties) {
        if (prop.getColumnId() == columnId && prop.getSource() == source)
            return prop;
    }
    return AlarmProp();
}

AlarmPtr AlarmsModel::getAlarmByIdent(qint64 ident) const
{
    return m_alarms.value(ident);
}

AlarmList AlarmsModel::getAlarmsFor(const SystemConnectionsControl* consumer) const
{
    AlarmList result;
    result.reserve(m_alarms.size());
    for (const AlarmPtr& alarm : m_alarms) {
        if (consumer->isSystemConnected(alarm->getSystem()))
            result.append(alarm);
    }
    return result;
}

void AlarmsModel::store(const AlarmList& alarms)
{
    AlarmList added;
    AlarmList changed;
    for (const AlarmPtr& alarm : alarms) {
        if (!alarm)
            continue;
        auto it = m_alarms.find(alarm->getIdent());
        if (it == m_alarms.end()) {
            m_alarms.insert(alarm->getIdent(), alarm);
            added.append(alarm);
        } else {
            *it = alarm;
            changed.append(alarm);
        }
    }
    tellConsumers(Added, added);
    tellConsumers(Changed, changed);
    emit alarmCountChanged(m_alarms.size());
}

void AlarmsModel::addAlarms(const AlarmList& alarms)
{
    store(alarms);
}

void AlarmsModel::updateAlarms(const AlarmList& alarms)
{
    store(alarms);
}

void AlarmsModel::removeAlarms(const QVector<qint64>& idents)
{
    AlarmList removed;
    for (qint64 ident : idents) {
        const AlarmPtr alarm = m_alarms.take(ident);
        if (alarm)
            removed.append(alarm);
    }
    tellConsumers(Removed, removed);
    emit alarmCountChanged(m_alarms.size());
}

int AlarmsModel::acknowledge(const QVector<qint64>& idents)
{
    AlarmList changed;
    for (qint64 ident : idents) {
        const AlarmPtr alarm = m_alarms.value(ident);
        if (!alarm || alarm->getAckState() != AlarmInstance::Unacknowledged)
            continue;
        QSharedPointer<AlarmInstance> acknowledged(new AlarmInstance(*alarm));
        acknowledged->setAckState(AlarmInstance::Acknowledged);
        changed.append(acknowledged);
    }
    if (!changed.isEmpty())
        store(changed);
    return changed.size();
}

void AlarmsModel::clear()
{
    m_alarms.clear();
    for (SystemConnectionsControl* consumer : qAsConst(m_consumers))
        consumer->alarmsCleared();
    emit alarmCountChanged(0);
}

void AlarmsModel::addConsumer(SystemConnectionsControl* consumer)
{
    if (consumer && !m_consumers.contains(consumer))
        m_consumers.append(consumer);
}

void AlarmsModel::removeConsumer(SystemConnectionsControl* consumer)
{
    m_consumers.removeAll(consumer);
}

void AlarmsModel::tellConsumers(Change change, const AlarmList& alarms)
{
    if (alarms.isEmpty())
        return;
    // A consumer may add or remove consumers while it is told.
    const QList<SystemConnectionsControl*> consumers = m_consumers;
    for (SystemConnectionsControl* consumer : consumers) {
        if (!m_consumers.contains(consumer))
            continue;
        AlarmList own;
        own.reserve(alarms.size());
        for (const AlarmPtr& alarm : alarms) {
            if (consumer->isSystemConnected(alarm->getSystem()))
                own.append(alarm);
        }
        if (own.isEmpty())
            continue;
        if (change == Added)
            consumer->alarmsAdded(own);
        else if (change == Changed)
            consumer->alarmsChanged(own);
        else
            consumer->alarmsRemoved(own);
    }
}
