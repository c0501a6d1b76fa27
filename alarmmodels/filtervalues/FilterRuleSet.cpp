#include "filtervalues/FilterRuleSet.h"

#include <QStringList>

FilterRuleSet::FilterRuleSet(const WildcardConfig& config, bool include, bool matchCase)
    : MsgLoggingProducer(&config)
    , m_wildcardConfig(config)
    , m_include(include)
    , m_matchCase(matchCase)
{
}

bool FilterRuleSet::addValueFilter(const QSharedPointer<ValueFilter>& filter)
{
    if (!filter)
        return false;
    m_filters.append(filter);
    return true;
}

QString FilterRuleSet::toString() const
{
    QStringList parts;
    for (const QSharedPointer<ValueFilter>& filter : m_filters)
        parts << QLatin1Char('[') + filter->toString() + QLatin1Char(']');
    return (m_include ? QStringLiteral("include ") : QStringLiteral("exclude ")) + parts.join(QLatin1Char(' '));
}

bool FilterRuleSet::isEqual(const FilterRuleSet& other) const
{
    if (m_include != other.m_include || m_matchCase != other.m_matchCase
        || m_filters.size() != other.m_filters.size())
        return false;
    for (int i = 0; i < m_filters.size(); ++i) {
        if (!m_filters.at(i)->isEqual(*other.m_filters.at(i)))
            return false;
    }
    return true;
}
