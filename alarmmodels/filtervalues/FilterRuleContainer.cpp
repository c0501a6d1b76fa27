#include "filtervalues/FilterRuleContainer.h"

#include <QStringList>

FilterRuleContainer::FilterRuleContainer(const WildcardConfig& config, const QList<FilterRuleSet>& ruleSets,
                                         bool matchCase)
    : MsgLoggingProducer(&config)
    , m_wildcardConfig(config)
    , m_ruleSets(ruleSets)
    , m_matchCase(matchCase)
{
}

bool FilterRuleContainer::isEmpty() const
{
    for (const FilterRuleSet& set : m_ruleSets) {
        if (!set.isEmpty())
            return false;
    }
    return true;
}

QString FilterRuleContainer::toString() const
{
    QStringList parts;
    for (const FilterRuleSet& set : m_ruleSets)
        parts << QLatin1Char('{') + set.toString() + QLatin1Char('}');
    return parts.join(QLatin1Char(' '));
}

bool FilterRuleContainer::isEqual(const FilterRuleContainer& other) const
{
    if (m_matchCase != other.m_matchCase || m_ruleSets.size() != other.m_ruleSets.size())
        return false;
    for (int i = 0; i < m_ruleSets.size(); ++i) {
        if (!m_ruleSets.at(i).isEqual(other.m_ruleSets.at(i)))
            return false;
    }
    return true;
}
