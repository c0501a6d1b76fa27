#pragma once

#include "logging/MsgLoggingProducer.h"
#include "filtervalues/ValueFilter.h"
#include "filtervalues/WildcardConfig.h"
#include "alarmmodels_export.h"

#include <QList>
#include <QSharedPointer>

// One set of property filters that together include or exclude alarms.
class ALARMMODELS_EXPORT FilterRuleSet : public MsgLoggingProducer
{
public:
    FilterRuleSet(const WildcardConfig& config, bool include, bool matchCase);

    // Adds a property filter; a null filter is refused.
    bool addValueFilter(const QSharedPointer<ValueFilter>& filter);

    const QList<QSharedPointer<ValueFilter>>& getValueFilters() const { return m_filters; }
    bool isInclude() const { return m_include; }
    bool isMatchCase() const { return m_matchCase; }
    bool isEmpty() const { return m_filters.isEmpty(); }
    QString toString() const;
    // Same include flag, match case and equal filters in the same order.
    bool isEqual(const FilterRuleSet& other) const;

private:
    WildcardConfig m_wildcardConfig;
    bool m_include;
    bool m_matchCase;
    QList<QSharedPointer<ValueFilter>> m_filters;
};
