#pragma once

#include "filtervalues/SourceAndFilter.h"
#include "alarmmodels_export.h"

#include <QObject>

// The operator's settings of an alarm screen.
class ALARMMODELS_EXPORT UserSettings
{
    Q_GADGET
public:
    // What happens to the default filter when the host sets one.
    enum DefaultFilterAction
    {
        UseDefaultFilter = 0,        // use the stored default
        DontUseDefaultFilter = 1,    // forget it
        ApplyDefaultFilter = 2,      // store the given filter as default and show it
        ApplyEmptyDefaultFilter = 3  // the default is empty; show it
    };
    Q_ENUM(DefaultFilterAction)

    // How the source-and-filters area is shown.
    enum AsAreaVisibility
    {
        AreaExpanded = 0,
        AreaCollapsed = 1,
        AreaHidden = 2
    };
    Q_ENUM(AsAreaVisibility)

    DefaultFilterAction defaultFilterAction = UseDefaultFilter;
    // The default filter handed to the structured filter panel with the action.
    SourceAndFilter defaultFilter;
    AsAreaVisibility areaVisibility = AreaExpanded;
};
