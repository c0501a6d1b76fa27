#pragma once

#include "alarmmodels_export.h"

#include <QObject>
#include <QString>

// One counter of a filter statistics view: where it sits in the grid and
// the filter datapoint whose filter it counts.
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

    int row = 0;
    int column = 0;
    QString filterDpName;
};
