#pragma once

#include "alarmmodels_export.h"

#include <QObject>

// Settings of one counter of a filter statistics view.
class ALARMMODELS_EXPORT FilterViewItemConfiguration
{
    Q_GADGET
public:
    // What selects the colour name of a counter's background or text.
    enum StatsColorSource
    {
        ColorNone = 0,        // no colour
        ColorByAlarmState = 1,  // the state of the most urgent matching alarm
        ColorByCount = 2        // whether any alarm matches
    };
    Q_ENUM(StatsColorSource)
};
