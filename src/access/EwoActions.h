#pragma once

#include "qvas_export.h"

#include <QString>
#include <QStringList>

// The names of the alarm screen's actions on which the host sets rights.
class QVAS_EXPORT EwoActions
{
public:
    static const QString BasicConfigApplied;
    static const QString MouseEvent;
    static const QString FilterViewMouseEvent;
    static const QString NewAlarmRaised;
    static const QString SwitchSourceMode;
    static const QString OraclePassRequest;
    static const QString Settings;
    static const QString AdminSettings;
    static const QString AdminAccessControl;
    static const QString AdminAsActions;
    static const QString AdminPopupMenu;
    static const QString AdminOracleRdbSettings;
    static const QString AdminHelpFileTypes;
    static const QString SourceControl;
    static const QString SaveFilter;
    static const QString LoadFilter;
    static const QString EditFilterSet;
    static const QString UserSettings;
    static const QString LoadUserSettings;
    static const QString SaveUserSettings;
    static const QString EditUserSettings;
    static const QString DefaultUserSettings;
    static const QString AckMultiple;
    static const QString AckSelected;
    static const QString AckGone;
    static const QString AckAll;
    static const QString ExpandAllNodes;
    static const QString CollapseAllNodes;
    static const QString InteractSplitter;
    static const QString InteractHeader;
    static const QString InteractSorting;
    static const QString InteractSystems;
    static const QString InteractConnections;

    // The 32 names the host sets rights on; "newAlarmRaised" is not one of them.
    static QStringList getAllActions();
};
