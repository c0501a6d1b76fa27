#include "filtervalues/ValueFilterSingleValue.h"

#include "models/AlarmInstance.h"

ValueFilterSingleValue::ValueFilterSingleValue(const WildcardConfig& config, const QString& valueId,
                                               Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
}

void ValueFilterSingleValue::setFilterValue(const QVariant& value)
{
    m_value = value;
    m_valueText = value.toString();
}

bool ValueFilterSingleValue::isEmpty() const
{
    return !m_value.isValid() || m_value.isNull();
}

QString ValueFilterSingleValue::toString() const
{
    return QStringLiteral("value ") + propertyText() + QStringLiteral(": '") + m_valueText + QLatin1Char('\'');
}

bool ValueFilterSingleValue::isEqual(const ValueFilter& other) const
{
    const auto* single = dynamic_cast<const ValueFilterSingleValue*>(&other);
    return single && isSameProperty(other) && single->m_value == m_value;
}

bool ValueFilterSingleValue::matches(const AlarmInstance& alarm, const AlarmProp& prop) const
{
    if (isEmpty())
        return false;
    const Qt::CaseSensitivity cs = isMatchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QVariant value = alarm.getProperty(prop, Qt::EditRole);
    if (value.isValid() && value.toString().compare(m_valueText, cs) == 0)
        return true;
    return alarm.getDisplayText(prop).compare(m_valueText, cs) == 0;
}
