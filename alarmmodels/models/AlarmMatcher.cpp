#include "models/AlarmMatcher.h"

#include "filtervalues/FilterRuleContainer.h"
#include "filtervalues/SourceAndFilter.h"
#include "logging/MsgLoggingMessage.h"
#include "models/AlarmsModel.h"

void AlarmMatcher::setFilter(const SourceAndFilter& filter, const AlarmsModel& model,
                             const MsgLoggingProducer* logger)
{
    m_systems = filter.getSystems();
    m_sets.clear();
    m_hasIncludeSet = false;
    const QSharedPointer<FilterRuleContainer> container = filter.getRuleContainer();
    if (!container)
        return;
    for (const FilterRuleSet& set : container->getRuleSets()) {
        if (set.isEmpty())
            continue;
        CompiledSet compiled{set.isInclude(), {}};
        for (const QSharedPointer<ValueFilter>& value : set.getValueFilters()) {
            const AlarmProp prop = model.findPropertyById(value->getValueId(), value->getSource());
            if (!prop.isValid()) {
                MSG_LOG(logger, MsgLoggerEnums::LogWarning)
                    << "filter of '" << value->getValueId() << "' (source " << int(value->getSource())
                    << ") names no alarm property and matches nothing";
            }
            compiled.filters.append(CompiledFilter{value, prop});
        }
        m_hasIncludeSet = m_hasIncludeSet || compiled.include;
        m_sets.append(compiled);
    }
}

bool AlarmMatcher::accepts(const AlarmInstance& alarm) const
{
    if (!m_systems.isEmpty() && !m_systems.contains(alarm.getSystem()))
        return false;
    bool included = !m_hasIncludeSet;
    for (const CompiledSet& set : m_sets) {
        // An include set that already let the alarm in need not be tried.
        if (set.include && included)
            continue;
        bool all = true;
        for (const CompiledFilter& f : set.filters) {
            if (!f.prop.isValid() || !f.filter->matches(alarm, f.prop)) {
                all = false;
                break;
            }
        }
        if (all && !set.include)
            return false;
        included = included || all;
    }
    return included;
}
