#include "filtervalues/ValueFilterDate.h"

#include "models/AlarmInstance.h"

#include <algorithm>

ValueFilterDate::ValueFilterDate(const WildcardConfig& config, const QString& valueId,
                                 Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
}

void ValueFilterDate::setFirstDate(const QDateTime& date)
{
    m_first = date;
    m_firstClock = wallClock(date);
}

void ValueFilterDate::setSecondDate(const QDateTime& date)
{
    m_second = date;
    m_secondClock = wallClock(date);
}

qint64 ValueFilterDate::wallClock(const QDateTime& time)
{
    return time.isValid() ? time.date().toJulianDay() * 86400000 + time.time().msecsSinceStartOfDay() : 0;
}

bool ValueFilterDate::isEmpty() const
{
    return !isValidMethod(m_method) || !m_first.isValid() || (m_method == CompareBetween && !m_second.isValid());
}

QString ValueFilterDate::toString() const
{
    static const char* const names[] = {"none", "before", "after", "between"};
    QString text = QStringLiteral("date ") + propertyText() + QStringLiteral(": ")
        + QLatin1String(isValidMethod(m_method) ? names[m_method] : names[0]) + QLatin1Char(' ')
        + m_first.toString(Qt::ISODate);
    if (m_method == CompareBetween)
        text += QStringLiteral(" and ") + m_second.toString(Qt::ISODate);
    return text;
}

bool ValueFilterDate::isEqual(const ValueFilter& other) const
{
    const auto* date = dynamic_cast<const ValueFilterDate*>(&other);
    return date && isSameProperty(other) && date->m_method == m_method && date->m_first == m_first
        && (m_method != CompareBetween || date->m_second == m_second);
}

bool ValueFilterDate::matchesTime(const QDateTime& time) const
{
    if (!time.isValid() || isEmpty())
        return false;
    const bool local = time.timeSpec() == Qt::LocalTime && m_first.timeSpec() == Qt::LocalTime
        && (m_method != CompareBetween || m_second.timeSpec() == Qt::LocalTime);
    if (local)
        return inRange(wallClock(time), m_firstClock, m_secondClock);
    return inRange(time.toMSecsSinceEpoch(), m_first.toMSecsSinceEpoch(),
                   m_second.isValid() ? m_second.toMSecsSinceEpoch() : 0);
}

bool ValueFilterDate::inRange(qint64 time, qint64 first, qint64 second) const
{
    switch (m_method) {
    case CompareBefore:
        return time < first;
    case CompareAfter:
        return time > first;
    default:
        break;
    }
    return time >= std::min(first, second) && time <= std::max(first, second);
}

bool ValueFilterDate::matches(const AlarmInstance& alarm, const AlarmProp& prop) const
{
    return matchesTime(alarm.getProperty(prop, Qt::EditRole).toDateTime());
}
