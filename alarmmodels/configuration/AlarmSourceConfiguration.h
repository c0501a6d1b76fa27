#pragma once

#include "filtervalues/Constants.h"
#include "alarmmodels_export.h"

// Where an alarm screen takes its alarms from.
class ALARMMODELS_EXPORT AlarmSourceConfiguration
{
public:
    // The source mode value that stands for archive queries.
    int archiveSourceMode = Constants::SourceModeArchive;
    // The time zone in which archive times are shown and entered.
    bool archiveTimesInUtc = false;
};
