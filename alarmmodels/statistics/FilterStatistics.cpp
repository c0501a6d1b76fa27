#include "statistics/FilterStatistics.h"

#include "models/AlarmsModel.h"

#include <algorithm>

FilterStatistics::FilterStatistics(const QSharedPointer<AlarmsModel>& model, const SourceAndFilter& filter,
                                   const MsgLoggingProducer* logParent)
    : QObject()
    , SystemConnectionsControl(logParent)
    , m_filter(filter)
{
    setConnectedToAll(true);
    setModel(model);
}

void FilterStatistics::setModel(const QSharedPointer<AlarmsModel>& model)
{
    if (m_model)
        m_model->removeConsumer(this);
    m_model = model;
    m_priority = m_model ? m_model->findProperty(QStringLiteral("PRIORITY")) : AlarmProp();
    if (m_model) {
        m_matcher.setFilter(m_filter, *m_model, this);
        m_model->addConsumer(this);
    }
    recount();
}

FilterStatistics::~FilterStatistics()
{
    if (m_model)
        m_model->removeConsumer(this);
}

QString FilterStatistics::instanceTypeName() const
{
    return QStringLiteral("FilterStatistics");
}

QVariant FilterStatistics::getHighestPriority() const
{
    return m_priorities.isEmpty() ? QVariant() : QVariant(m_priorities.lastKey());
}

FilterStatistics::Counted FilterStatistics::countedOf(const AlarmInstance& alarm) const
{
    const bool unacknowledged = alarm.getAckState() == AlarmInstance::Unacknowledged;
    const bool acknowledged = alarm.getAckState() == AlarmInstance::Acknowledged;
    quint8 flags = 1u << CountAll;
    flags |= unacknowledged ? 1u << CountUnacknowledged : 0u;
    flags |= acknowledged ? 1u << CountAcknowledged : 0u;
    flags |= alarm.isWent() ? 1u << CountWent : 1u << CountCame;
    if (unacknowledged)
        flags |= alarm.isWent() ? 1u << CountWentUnacknowledged : 1u << CountCameUnacknowledged;
    const QVariant priority = m_priority.isValid() ? alarm.getProperty(m_priority, Qt::EditRole) : QVariant();
    return Counted{flags, priority.toInt(), priority.isValid()};
}

void FilterStatistics::add(const Counted& counted, int sign)
{
    for (int c = 0; c < CounterCount; ++c) {
        if (counted.flags & (1u << c))
            m_counts[c] += sign;
    }
    if (!counted.hasPriority)
        return;
    int& n = m_priorities[counted.priority];
    n += sign;
    if (n <= 0)
        m_priorities.remove(counted.priority);
}

void FilterStatistics::finishBatch(bool changed)
{
    if (changed)
        emit this->changed(this);
}

void FilterStatistics::recount()
{
    m_counted.clear();
    m_priorities.clear();
    std::fill(std::begin(m_counts), std::end(m_counts), 0);
    if (m_model) {
        for (const AlarmPtr& alarm : m_model->getAlarms()) {
            if (!m_matcher.accepts(*alarm))
                continue;
            const Counted counted = countedOf(*alarm);
            m_counted.insert(alarm->getIdent(), counted);
            add(counted, 1);
        }
    }
    emit changed(this);
}

void FilterStatistics::alarmsAdded(const AlarmList& alarms)
{
    bool changed = false;
    for (const AlarmPtr& alarm : alarms) {
        if (m_counted.contains(alarm->getIdent()) || !m_matcher.accepts(*alarm))
            continue;
        const Counted counted = countedOf(*alarm);
        m_counted.insert(alarm->getIdent(), counted);
        add(counted, 1);
        changed = true;
    }
    finishBatch(changed);
}

void FilterStatistics::alarmsChanged(const AlarmList& alarms)
{
    bool changed = false;
    for (const AlarmPtr& alarm : alarms) {
        const auto old = m_counted.constFind(alarm->getIdent());
        if (old != m_counted.constEnd()) {
            add(old.value(), -1);
            m_counted.erase(old);
            changed = true;
        }
        if (m_matcher.accepts(*alarm)) {
            const Counted counted = countedOf(*alarm);
            m_counted.insert(alarm->getIdent(), counted);
            add(counted, 1);
            changed = true;
        }
    }
    finishBatch(changed);
}

void FilterStatistics::alarmsRemoved(const AlarmList& alarms)
{
    bool changed = false;
    for (const AlarmPtr& alarm : alarms) {
        const auto old = m_counted.constFind(alarm->getIdent());
        if (old == m_counted.constEnd())
            continue;
        add(old.value(), -1);
        m_counted.erase(old);
        changed = true;
    }
    finishBatch(changed);
}

void FilterStatistics::alarmsCleared()
{
    recount();
}
