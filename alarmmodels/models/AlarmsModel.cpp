#include "models/AlarmsModel.h"

#include "logging/MsgLoggingMessage.h"
#include "systems/SystemConnectionsControl.h"

#include <algorithm>
#include <climits>

AlarmsModel::AlarmsModel(const AlarmModelConfiguration& config, const MsgLoggingProducer* logParent,
                         QObject* parent)
    : QObject(parent)
    , MsgLoggingProducer(logParent)
    , m_properties(config.properties)
{
    for (int i = 0; i < m_properties.size(); ++i)
        m_properties[i].setIndex(i);
    // A zero timer runs once the events already waiting (paints, timers) had their turn.
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    connect(&m_sliceTimer, SIGNAL(timeout()), this, SLOT(takeSlice()));
}

QSharedPointer<AlarmInstance> AlarmsModel::createAlarm(qint64 ident, const QString& system) const
{
    return QSharedPointer<AlarmInstance>::create(ident, system, m_properties.size());
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
        // Held from now on: equal texts of all alarms share one buffer. No
        // value changes, so the instance stays what its producer made.
        const_cast<AlarmInstance&>(*alarm).shareTexts();
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
    takeNow(Pending{Added, alarms, {}, 0});
}

void AlarmsModel::updateAlarms(const AlarmList& alarms)
{
    takeNow(Pending{Changed, alarms, {}, 0});
}

void AlarmsModel::removeAlarms(const QVector<qint64>& idents)
{
    takeNow(Pending{Removed, {}, idents, 0});
}

void AlarmsModel::remove(const QVector<qint64>& idents)
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

void AlarmsModel::takeNow(const Pending& batch)
{
    if (m_pending.isEmpty() && (m_sliceSize <= 0 || batch.size() <= m_sliceSize)) {
        take(batch, 0, batch.size());
        return;
    }
    m_pending.append(batch);
    if (!m_sliceTimer.isActive())
        m_sliceTimer.start();
}

void AlarmsModel::take(const Pending& batch, int from, int to)
{
    const bool whole = from == 0 && to == batch.size();
    if (batch.change == Removed) {
        remove(whole ? batch.idents : batch.idents.mid(from, to - from));
        return;
    }
    // Added and Changed alike: a known identifier is a change, an unknown one new.
    store(whole ? batch.alarms : batch.alarms.mid(from, to - from));
}

void AlarmsModel::takeSlice()
{
    int budget = m_sliceSize > 0 ? m_sliceSize : INT_MAX;
    while (budget > 0 && !m_pending.isEmpty()) {
        Pending& batch = m_pending.first();
        const int size = batch.size();
        const int to = size - batch.next > budget ? batch.next + budget : size;
        const int from = batch.next;
        budget -= to - from;
        // Taken off the queue before the consumers hear of it: they may add more.
        const Pending slice = batch;
        if (to == size)
            m_pending.removeFirst();
        else
            batch.next = to;
        take(slice, from, to);
    }
    if (!m_pending.isEmpty())
        m_sliceTimer.start();
}

int AlarmsModel::getPendingCount() const
{
    int count = 0;
    for (const Pending& batch : m_pending)
        count += batch.size() - batch.next;
    return count;
}

void AlarmsModel::setSliceSize(int alarms)
{
    m_sliceSize = std::max(0, alarms);
}

void AlarmsModel::flushPending()
{
    m_sliceTimer.stop();
    while (!m_pending.isEmpty()) {
        const Pending batch = m_pending.takeFirst();
        take(batch, batch.next, batch.size());
    }
}

int AlarmsModel::acknowledge(const QVector<qint64>& idents)
{
    // Which alarms are unacknowledged depends on every batch before.
    flushPending();
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
    m_sliceTimer.stop();
    m_pending.clear();
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
