#pragma once

#include "alarmmodels_export.h"

#include <QMap>
#include <QString>
#include <QStringList>

// How the filter widgets of an alarm screen get their completion strings:
// from the functions of a script library, and fixed lists per property.
class ALARMMODELS_EXPORT FilterWidgetConfiguration
{
public:
    QString completionLibrary;
    QString masterFunction;
    QString slaveFunction;
    // Property name to its fixed completion strings.
    QMap<QString, QStringList> fixedCompletions;
    // The source-and-filters panel: a plug-in by name (empty: the built-in
    // panel), none at all, and whether it has a source control.
    QString panelPlugin;
    bool noPanel = false;
    bool sourceControl = true;
};
