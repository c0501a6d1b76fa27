#include "variables/IntegerVar.h"

IntegerVar::IntegerVar(int value)
    : m_value(value)
{
}

Variable* IntegerVar::clone() const
{
    return new IntegerVar(m_value);
}

bool IntegerVar::isEqual(const Variable& other) const
{
    return other.isA() == INTEGER_VAR && static_cast<const IntegerVar&>(other).m_value == m_value;
}
