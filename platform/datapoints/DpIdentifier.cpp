#include "datapoints/DpIdentifier.h"

DpIdentifier::DpIdentifier(int dp, int element, const QString& name)
    : m_dp(dp)
    , m_element(element)
    , m_name(name)
{
}

bool DpIdentifier::operator==(const DpIdentifier& other) const
{
    return m_dp == other.m_dp && m_element == other.m_element;
}

bool DpIdentifier::operator<(const DpIdentifier& other) const
{
    return m_dp != other.m_dp ? m_dp < other.m_dp : m_element < other.m_element;
}
