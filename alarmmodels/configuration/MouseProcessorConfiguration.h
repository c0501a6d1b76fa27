#pragma once

#include "alarmmodels_export.h"

#include <QString>

// Where mouse events on the alarm table go: to the host, or to a function
// of a script library.
class ALARMMODELS_EXPORT MouseProcessorConfiguration
{
public:
    bool forwardToEwo = true;
    QString ctrlLibrary;
    QString ctrlFunction;
};
