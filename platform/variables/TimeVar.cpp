#include "variables/TimeVar.h"

TimeVar::TimeVar(const QDateTime& value)
    : m_value(value)
{
}

Variable* TimeVar::clone() const
{
    return new TimeVar(m_value);
}

bool TimeVar::isEqual(const Variable& other) const
{
    return other.isA() == TIME_VAR && static_cast<const TimeVar&>(other).m_value == m_value;
}
