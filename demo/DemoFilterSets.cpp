#include "DemoFilterSets.h"

#include <statistics/FilterConfigHotLink.h>

#include <datapoints/Manager.h>
#include <statistics/FilterDpLink.h>
#include <variables/TextVar.h>

namespace {

struct FilterDp
{
    const char* dp;
    const char* name;
    const char* property;
    const char* pattern;
    const char* method;
};

const FilterDp filters[] = {
    {"FltPumps", "Pumps", "ALERT_TEXT", "Pump*", "wildcard"},
    {"FltValves", "Valves", "ALERT_TEXT", "Valve*", "wildcard"},
    {"FltTanks", "Tanks", "ALERT_TEXT", "Tank*", "wildcard"},
    {"FltUnack", "Unack.", "ACK_STATE", "unacknowledged", "exact"},
    {"FltPrio80", "Prio 80+", "PRIORITY", "^(8|9)\\\\d$", "regexp"},
    {"FltPlant1", "Plant1", "SYSTEM", "Plant1", "exact"},
    {"FltPlant2", "Plant2", "SYSTEM", "Plant2", "exact"},
    {"FltLab", "Lab", "SYSTEM", "Lab", "exact"},
};

const char* const equipmentJson = R"json({
  "view": 1,
  "container": { "spacing": 4 },
  "cell": { "frameShape": "Panel", "frameShadow": "Raised", "lineWidth": 1, "backColorSource": 1,
            "text": "<b>%name%</b><br>%count%",
            "toolTip": "%count% alarms, %unack% unacknowledged, highest priority %maxPrio%",
            "selectedLineColor": "WarningBg", "selectedLineWidth": 3 },
  "items": [ { "row": 0, "column": 0, "filter": "FltPumps" },
             { "row": 0, "column": 1, "filter": "FltValves" },
             { "row": 0, "column": 2, "filter": "FltTanks" },
             { "row": 0, "column": 3, "filter": "FltUnack" },
             { "row": 0, "column": 4, "filter": "FltPrio80" } ]
})json";

const char* const systemsJson = R"json({
  "view": 1,
  "container": { "frameShape": "StyledPanel", "spacing": 6 },
  "cell": { "frameShape": "Box", "backColorSource": 2, "text": "%name%: <b>%count%</b> (%went% gone)" },
  "items": [ { "row": 0, "column": 0, "filter": "FltPlant1" },
             { "row": 0, "column": 1, "filter": "FltPlant2" },
             { "row": 0, "column": 2, "filter": "FltLab" } ]
})json";

bool setText(const QString& element, const QString& text, QString& errMsg)
{
    return Manager::dpSet(element, TextVar(text), errMsg);
}

bool defineSet(const QString& dp, const QString& name, const QString& json, QString& errMsg)
{
    return Manager::createDp(dp, QLatin1String(FILTER_CONFIG_DP_TYPE), errMsg)
        && setText(dp + QStringLiteral(".SetName"), name, errMsg)
        && setText(dp + QStringLiteral(".ConfigDp"), QStringLiteral("QvAsDemoConfig"), errMsg)
        && setText(dp + QStringLiteral(".SetJSON"), json, errMsg);
}

} // namespace

QStringList DemoFilterSets::setDpNames()
{
    return {QStringLiteral("StatSetEquipment"), QStringLiteral("StatSetSystems")};
}

bool DemoFilterSets::define(QString& errMsg)
{
    if (!Manager::getTypeName(setDpNames().first()).isEmpty())
        return true;
    if (!Manager::defineType(QLatin1String(FILTER_CONFIG_DP_TYPE),
                             {{QStringLiteral(".SetName"), TEXT_VAR},
                              {QStringLiteral(".ConfigDp"), TEXT_VAR},
                              {QStringLiteral(".SetJSON"), TEXT_VAR}},
                             errMsg)
        || !Manager::defineType(QLatin1String(FilterDpLink::FILTER_DP_TYPE),
                                {{QStringLiteral(".Name"), TEXT_VAR}, {QStringLiteral(".Filter"), TEXT_VAR}}, errMsg))
        return false;
    for (const FilterDp& f : filters) {
        const QString dp = QLatin1String(f.dp);
        const QString json = QStringLiteral(R"({ "sets": [ { "include": true, "filters": [ { "property": "%1",
                                              "rules": [ { "pattern": "%2", "method": "%3" } ] } ] } ] })")
                                 .arg(QLatin1String(f.property), QLatin1String(f.pattern), QLatin1String(f.method));
        if (!Manager::createDp(dp, QLatin1String(FilterDpLink::FILTER_DP_TYPE), errMsg)
            || !setText(dp + QStringLiteral(".Name"), QLatin1String(f.name), errMsg)
            || !setText(dp + QStringLiteral(".Filter"), json, errMsg))
            return false;
    }
    return defineSet(setDpNames().at(0), QStringLiteral("Equipment"), QLatin1String(equipmentJson), errMsg)
        && defineSet(setDpNames().at(1), QStringLiteral("Systems"), QLatin1String(systemsJson), errMsg);
}
