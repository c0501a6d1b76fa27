#include "variables/HolderVar.h"

HolderVar::HolderVar(Variable* value)
    : m_value(value)
{
}

HolderVar::HolderVar(const HolderVar& other)
    : Variable(other)
    , m_value(other.m_value ? other.m_value->clone() : nullptr)
{
}

HolderVar::~HolderVar() = default;

bool HolderVar::isEqual(const Variable& other) const
{
    if (other.isA() != isA())
        return false;
    const Variable* otherValue = static_cast<const HolderVar&>(other).m_value.get();
    if (!m_value || !otherValue)
        return !m_value && !otherValue;
    return m_value->isEqual(*otherValue);
}
