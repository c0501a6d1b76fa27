#pragma once

#include "alarmmodels_export.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class AlarmModelConfiguration;
class SourceAndFilter;
class WildcardConfig;

// The structured filter of a SourceAndFilter as JSON, for stored and
// default filters:
//   { "matchCase": false,
//     "sets": [ { "include": true,
//                 "filters": [ { "property": "ALERT_TEXT", "source": 0, "matchCase": false,
//                                "rules": [ { "pattern": "Pump *", "method": "wildcard",
//                                             "exclude": false } ] } ] } ] }
// "method" is "exact", "wildcard" or "regexp". A pattern list filter holds
// "patterns": "Pump*;Valve*" in place of "rules". A document is checked whole
// before anything is built; errors name the key, as the configuration's do.
class ALARMMODELS_EXPORT FilterJson
{
public:
    static QJsonObject toJson(const SourceAndFilter& filter);
    static QByteArray toText(const SourceAndFilter& filter);

    // Fills the rule container of filter. With properties, every filter
    // must name one of them (by id and source). path prefixes the keys named in errMsg.
    static bool fromJson(const QJsonObject& object, const WildcardConfig& wildcard,
                         const AlarmModelConfiguration* properties, SourceAndFilter& filter, QString& errMsg,
                         const QString& path = QString());
    static bool fromText(const QByteArray& text, const WildcardConfig& wildcard,
                         const AlarmModelConfiguration* properties, SourceAndFilter& filter, QString& errMsg);
};
