#pragma once

#include "configuration/FilterViewItemConfiguration.h"
#include "alarmmodels_export.h"

#include <QString>

// How a filter statistics view lays out its counters as a grid: the frame,
// spacing and background of the container, and the look of every cell.
// Frame shapes and shadows are the numbers of QFrame::Shape and
// QFrame::Shadow.
class ALARMMODELS_EXPORT FilterGridViewConfiguration
{
public:
    struct Frame
    {
        int shape;
        int shadow;
        int lineWidth;
        int midLineWidth;
    };

    Frame containerFrame{0, 0x10, 1, 0};  // no frame, plain
    int spacing = 4;
    // A colour name of the colour databases; empty or "none" for no background.
    QString containerBackground = QStringLiteral("none");

    Frame cellFrame{1, 0x10, 1, 0};  // box, plain
    FilterViewItemConfiguration::StatsColorSource cellBackColorSource = FilterViewItemConfiguration::ColorByAlarmState;
    FilterViewItemConfiguration::StatsColorSource cellForeColorSource = FilterViewItemConfiguration::ColorNone;
    QString cellTextFormat = QStringLiteral("%name%: %count%");
    QString cellToolTipFormat = QStringLiteral("%count% alarms, %unack% unacknowledged");
    // Empty or "none" keeps the counter's own frame colour.
    QString selectedLineColor;
    int selectedLineWidth = 4;
    // A number for the host, stored in every counter; the library does not read it.
    int cellUserData = 0;
};
