#pragma once

#include "filtervalues/Constants.h"
#include "filtervalues/FilterRuleContainer.h"
#include "logging/MsgLoggingProducer.h"
#include "filtervalues/TimeRange.h"
#include "alarmmodels_export.h"

#include <QMetaType>
#include <QSharedPointer>
#include <QStringList>

// What an alarm screen shows: the source (mode, archive time range, systems
// or fixed datapoint names) and the structured filter (a rule container).
// The source part can be written through a const reference: the source
// control fills it into a filter that the panel hands it.
class ALARMMODELS_EXPORT SourceAndFilter : public MsgLoggingProducer
{
public:
    // An empty filter with log settings of its own.
    SourceAndFilter();
    SourceAndFilter(const MsgLoggingProducer* logParent, const QString& name);
    // Takes ownership of container, which is also the log parent.
    SourceAndFilter(FilterRuleContainer* container, const QString& name);

    const QString& getName() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    Constants::SourceMode getSourceMode() const { return m_sourceMode; }
    void setSourceMode(Constants::SourceMode mode) const { m_sourceMode = mode; }
    const TimeRange& getTimeRange() const { return m_timeRange; }
    void setTimeRange(const TimeRange& range) const { m_timeRange = range; }
    const QStringList& getSystems() const { return m_systems; }
    void setSystems(const QStringList& systems) const { m_systems = systems; }
    const QStringList& getDpNames() const { return m_dpNames; }
    void setDpNames(const QStringList& names) const { m_dpNames = names; }
    // The source is given by fixed datapoint names rather than systems.
    bool isFixedDpSource() const { return m_fixedDpSource; }
    void setFixedDpSource(bool fixed) const { m_fixedDpSource = fixed; }

    QSharedPointer<FilterRuleContainer> getRuleContainer() const { return m_container; }
    void setRuleContainer(const QSharedPointer<FilterRuleContainer>& container) { m_container = container; }

    // Source and filter parts equal (the name does not count).
    bool isEqual(const SourceAndFilter& other) const;
    // The filter parts equal: both without rules, or equal containers.
    bool isFilterEqual(const SourceAndFilter& other) const;
    // No rule in the filter part.
    bool isEmpty() const;
    // The number of property filters in all sets.
    int getFilterCount() const;
    // Some text rule holds the match-all character.
    bool isWildcardEmbeddedFilter() const;
    // There are text rules, and every one is the match-all character alone.
    bool isWildcardFilter() const;
    QString toString() const;

private:
    mutable Constants::SourceMode m_sourceMode = Constants::SourceModeOnline;
    mutable TimeRange m_timeRange;
    mutable QStringList m_systems;
    mutable QStringList m_dpNames;
    mutable bool m_fixedDpSource = false;
    QSharedPointer<FilterRuleContainer> m_container;
    QString m_name;
};

Q_DECLARE_METATYPE(SourceAndFilter)
