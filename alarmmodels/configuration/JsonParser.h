#pragma once

#include "alarmmodels_export.h"

#include <QByteArray>
#include <QString>

class AlarmScreenConfiguration;

// Reads an alarm screen configuration from JSON. The whole document is
// checked before anything is applied: a malformed or wrongly typed document
// changes nothing and errMsg names the key and what it must be.
//
// Every section and key is optional; unknown keys are refused (a misspelt
// key would otherwise be silently ignored):
//   { "log":           { "threshold": 0..3, "functionNames": 0..2 },
//     "wildcard":      { "matchAllChar": "*", "emptyIsMatchAll": false },
//     "alarmSource":   { "archiveSourceMode": 2, "archiveTimesInUtc": false },
//     "filterWidgets": { "completionLibrary": "...", "masterFunction": "...",
//                        "slaveFunction": "...",
//                        "fixedCompletions": { "PROPERTY": ["text", ...] },
//                        "panelPlugin": "", "noPanel": false, "sourceControl": true },
//     "userSettings":  { "defaultFilterAction": 0..3, "areaVisibility": 0..2 },
//     "alarmModel":    { "properties": [ { "name": "PRIORITY", "source": 0..2,
//                                         "type": "text|integer|time|bool", "id": "" }, ... ] },
//     "proxyModel":    { "columns": [ { "property": "PRIORITY", "title": "Priority" }, ... ],
//                        "groupColumnTitle": "Group" },
//     "grouping":      { "rules": [ { "kind": 0..1, "text": "SYSTEM" }, ... ] },
//     "mouseProcessor": { "forwardToHost": true, "ctrlLibrary": "...", "ctrlFunction": "..." } }
// Columns and grouping rules must name properties of "alarmModel" (of the
// document, or the configuration's own when the document has none).
class ALARMMODELS_EXPORT JsonParser
{
public:
    static bool parse(const QByteArray& json, AlarmScreenConfiguration& config, QString& errMsg);
    // As parse; errMsg starts with the file's path.
    static bool parseFile(const QString& path, AlarmScreenConfiguration& config, QString& errMsg);
};
