#pragma once

#include "filtervalues/ValueFilter.h"
#include "models/AlarmInstance.h"
#include "alarmmodels_export.h"

#include <QSharedPointer>
#include <QStringList>
#include <QVector>

class AlarmsModel;
class MsgLoggingProducer;
class SourceAndFilter;

// Whether an alarm passes the source and rule container of a filter: one
// of the filter's systems when it names systems; an including set (or none)
// and no excluding set, where a set matches when all its filters match.
// Filters are tied to the alarm properties once, when the matcher is set up.
class ALARMMODELS_EXPORT AlarmMatcher
{
public:
    // A filter naming a property the alarms do not have matches nothing
    // and is logged once, through logger.
    void setFilter(const SourceAndFilter& filter, const AlarmsModel& model, const MsgLoggingProducer* logger);
    bool accepts(const AlarmInstance& alarm) const;

private:
    struct CompiledFilter
    {
        QSharedPointer<ValueFilter> filter;
        AlarmProp prop;  // invalid: the filter names no property and matches nothing
    };
    struct CompiledSet
    {
        bool include;
        QVector<CompiledFilter> filters;
    };

    QStringList m_systems;
    QVector<CompiledSet> m_sets;
    bool m_hasIncludeSet = false;
};
