#include "MixedVar.h"

MixedVar::MixedVar(Variable* value)
    : m_value(value)
{
}

MixedVar::MixedVar(const MixedVar& other)
    : Variable(other)
    , m_value(other.m_value ? other.m_value->clone() : nullptr)
{
}

MixedVar::~MixedVar() = default;

Variable* MixedVar::clone() const
{
    return new MixedVar(*this);
}

bool MixedVar::isEqual(const Variable& other) const
{
    if (other.isA() != MIXED_VAR)
        return false;
    const Variable* otherValue = static_cast<const MixedVar&>(other).m_value.get();
    if (!m_value || !otherValue)
        return !m_value && !otherValue;
    return m_value->isEqual(*otherValue);
}
