#pragma once

#include "alarmmodels_export.h"

#include <QObject>

// Enumerations shared by the alarm models and the alarm screen.
class ALARMMODELS_EXPORT Constants
{
    Q_GADGET
public:
    // Where the value of an alarm property comes from.
    enum ValueSource
    {
        ValueSourceAlarm = 0,      // an attribute of the alarm itself
        ValueSourceDpe = 1,        // the value of the alarm's datapoint element
        ValueSourceDpeConfig = 2   // a configuration attribute of that element
    };
    Q_ENUM(ValueSource)
};
