#pragma once

#include "filtervalues/FilterRuleSet.h"
#include "logging/MsgLoggingProducer.h"
#include "filtervalues/WildcardConfig.h"
#include "alarmmodels_export.h"

#include <QList>

// The structured filter of an alarm screen: its filter sets in order.
class ALARMMODELS_EXPORT FilterRuleContainer : public MsgLoggingProducer
{
public:
    FilterRuleContainer(const WildcardConfig& config, const QList<FilterRuleSet>& ruleSets, bool matchCase);

    const QList<FilterRuleSet>& getRuleSets() const { return m_ruleSets; }
    bool isMatchCase() const { return m_matchCase; }
    // True when no set holds a filter.
    bool isEmpty() const;
    QString toString() const;
    bool isEqual(const FilterRuleContainer& other) const;

private:
    WildcardConfig m_wildcardConfig;
    QList<FilterRuleSet> m_ruleSets;
    bool m_matchCase;
};
