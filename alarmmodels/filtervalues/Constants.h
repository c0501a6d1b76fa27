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

    // Where the alarms of a screen come from. The archive mode of a screen
    // is the value its configuration names (normally SourceModeArchive).
    enum SourceMode
    {
        SourceModeNone = 0,
        SourceModeOnline = 1,
        SourceModeArchive = 2
    };
    Q_ENUM(SourceMode)

    // The state of the alarm source, as the host reports it.
    enum SourceState
    {
        SourceStateError = 0,
        SourceStateIdle = 1,
        SourceStateConnecting = 2,
        SourceStateWaiting = 3,
        SourceStateOnline = 4,
        SourceStateQueryStarted = 5,
        SourceStateQueryReading = 6,
        SourceStateQueryDone = 7,
        SourceStateQueryFailed = 8,
        SourceStateQueryAborted = 9
    };
    Q_ENUM(SourceState)

    // The name of a state shown to the operator; "State N" for values
    // without a name.
    static QString getSourceStateVisibleName(SourceState state);
};
