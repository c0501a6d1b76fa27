#include "filtervalues/TimeRange.h"

#include <QCoreApplication>

TimeRange::TimeRange(const MsgLoggingProducer* logParent, Qt::TimeSpec spec)
    : MsgLoggingProducer(logParent)
    , m_timeSpec(spec)
{
    const QDateTime current = now();
    m_end = current;
    m_start = current.addSecs(-3600);
}

void TimeRange::setRangeType(RangeType type)
{
    m_type = type;
}

void TimeRange::setValueCount(int count)
{
    m_valueCount = qMax(1, count);
}

QString TimeRange::getValueLabel() const
{
    switch (m_type) {
    case LastMinutes:
        return QCoreApplication::translate("TimeRange", " minutes");
    case LastHours:
        return QCoreApplication::translate("TimeRange", " hours");
    case LastDays:
        return QCoreApplication::translate("TimeRange", " days");
    case LastWeeks:
        return QCoreApplication::translate("TimeRange", " weeks");
    default:
        break;
    }
    return QString();
}

QDateTime TimeRange::now() const
{
    const QDateTime current = QDateTime::currentDateTime();
    return m_timeSpec == Qt::UTC ? current.toUTC() : current;
}

void TimeRange::computeRelative(const QDateTime& reference, QDateTime& start, QDateTime& end) const
{
    const QDate today = reference.date();
    const QTime midnight(0, 0);
    end = reference;
    switch (m_type) {
    case LastMinutes:
        start = reference.addSecs(-60LL * m_valueCount);
        break;
    case LastHours:
        start = reference.addSecs(-3600LL * m_valueCount);
        break;
    case LastDays:
        start = reference.addDays(-m_valueCount);
        break;
    case LastWeeks:
        start = reference.addDays(-7LL * m_valueCount);
        break;
    case Today:
        start = QDateTime(today, midnight, m_timeSpec);
        break;
    case Yesterday:
        start = QDateTime(today.addDays(-1), midnight, m_timeSpec);
        end = QDateTime(today, midnight, m_timeSpec);
        break;
    case ThisWeek:
        start = QDateTime(today.addDays(1 - today.dayOfWeek()), midnight, m_timeSpec);
        break;
    case LastWeek:
        end = QDateTime(today.addDays(1 - today.dayOfWeek()), midnight, m_timeSpec);
        start = end.addDays(-7);
        break;
    case ThisMonth:
        start = QDateTime(QDate(today.year(), today.month(), 1), midnight, m_timeSpec);
        break;
    case LastMonth:
        end = QDateTime(QDate(today.year(), today.month(), 1), midnight, m_timeSpec);
        start = end.addMonths(-1);
        break;
    case FixedInterval:
        start = m_start;
        end = m_end;
        break;
    }
}

QDateTime TimeRange::getStartTime() const
{
    if (m_type == FixedInterval)
        return m_start;
    QDateTime start, end;
    computeRelative(m_frozen && m_frozenAt.isValid() ? m_frozenAt : now(), start, end);
    return start;
}

QDateTime TimeRange::getEndTime() const
{
    if (m_type == FixedInterval)
        return m_end;
    QDateTime start, end;
    computeRelative(m_frozen && m_frozenAt.isValid() ? m_frozenAt : now(), start, end);
    return end;
}

void TimeRange::setStartTime(const QDateTime& start)
{
    m_start = start;
}

void TimeRange::setEndTime(const QDateTime& end)
{
    m_end = end;
}

void TimeRange::setTimeSpec(Qt::TimeSpec spec)
{
    m_timeSpec = spec;
    m_start.setTimeSpec(spec);
    m_end.setTimeSpec(spec);
}

void TimeRange::setRangeFrozen(bool frozen)
{
    m_frozen = frozen;
    m_frozenAt = frozen ? now() : QDateTime();
}

QString TimeRange::getDescription() const
{
    const QString format = getDateTimeFormat();
    switch (m_type) {
    case LastMinutes:
    case LastHours:
    case LastDays:
    case LastWeeks:
        return QCoreApplication::translate("TimeRange", "Last %1%2").arg(m_valueCount).arg(getValueLabel());
    case Today:
        return QCoreApplication::translate("TimeRange", "Today");
    case Yesterday:
        return QCoreApplication::translate("TimeRange", "Yesterday");
    case ThisWeek:
        return QCoreApplication::translate("TimeRange", "This week");
    case LastWeek:
        return QCoreApplication::translate("TimeRange", "Last week");
    case ThisMonth:
        return QCoreApplication::translate("TimeRange", "This month");
    case LastMonth:
        return QCoreApplication::translate("TimeRange", "Last month");
    case FixedInterval:
        break;
    }
    return m_start.toString(format) + QStringLiteral(" - ") + m_end.toString(format);
}

QString TimeRange::getDateTimeFormat()
{
    return QStringLiteral("yyyy.MM.dd hh:mm:ss");
}

bool TimeRange::operator==(const TimeRange& other) const
{
    if (m_type != other.m_type || m_timeSpec != other.m_timeSpec)
        return false;
    if (m_type == FixedInterval)
        return m_start == other.m_start && m_end == other.m_end;
    return m_valueCount == other.m_valueCount || getValueLabel().isEmpty();
}
