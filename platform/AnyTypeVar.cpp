#include "AnyTypeVar.h"

AnyTypeVar::AnyTypeVar(Variable* value)
    : m_value(value)
{
}

AnyTypeVar::AnyTypeVar(const AnyTypeVar& other)
    : Variable(other)
    , m_value(other.m_value ? other.m_value->clone() : nullptr)
{
}

AnyTypeVar::~AnyTypeVar() = default;

Variable* AnyTypeVar::clone() const
{
    return new AnyTypeVar(*this);
}

bool AnyTypeVar::isEqual(const Variable& other) const
{
    if (other.isA() != ANYTYPE_VAR)
        return false;
    const Variable* otherValue = static_cast<const AnyTypeVar&>(other).m_value.get();
    if (!m_value || !otherValue)
        return !m_value && !otherValue;
    return m_value->isEqual(*otherValue);
}
