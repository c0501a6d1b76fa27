#include "filtervalues/ValueFilterDate.h"

#include "models/AlarmInstance.h"

ValueFilterDate::ValueFilterDate(const WildcardConfig& config, const QString& valueId,
                                 Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
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
    switch (m_method) {
    case CompareBefore:
        return time < m_first;
    case CompareAfter:
        return time > m_first;
    default:
        break;
    }
    const bool ordered = m_first <= m_second;
    const QDateTime& from = ordered ? m_first : m_second;
    const QDateTime& to = ordered ? m_second : m_first;
    return time >= from && time <= to;
}

bool ValueFilterDate::matches(const AlarmInstance& alarm, const AlarmProp& prop) const
{
    return matchesTime(alarm.getProperty(prop, Qt::EditRole).toDateTime());
}
