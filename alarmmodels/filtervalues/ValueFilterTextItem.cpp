#include "filtervalues/ValueFilterTextItem.h"

ValueFilterTextItem::ValueFilterTextItem(const QString& pattern, int method, bool exclude)
    : m_pattern(pattern)
    , m_method(method)
    , m_exclude(exclude)
{
}

bool ValueFilterTextItem::operator==(const ValueFilterTextItem& other) const
{
    return m_pattern == other.m_pattern && m_method == other.m_method && m_exclude == other.m_exclude;
}

QString ValueFilterTextItem::toString() const
{
    static const char* const labels[] = {"Ex", "W*", "RE"};
    const QString label = isValidMethod(m_method) ? QString::fromLatin1(labels[m_method])
                                                  : QString::number(m_method);
    return (m_exclude ? QStringLiteral("!") : QString()) + label + QLatin1Char('\'') + m_pattern
        + QLatin1Char('\'');
}

bool ValueFilterTextItem::isValidMethod(int method)
{
    return method >= MatchExact && method <= MatchRegExp;
}
