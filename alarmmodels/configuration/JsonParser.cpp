#include "configuration/JsonParser.h"

#include "configuration/AlarmScreenConfiguration.h"
#include "configuration/JsonFile.h"
#include "configuration/FilterJson.h"
#include "configuration/JsonReader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

// The configuration's reader: the shared reads and the check of property names.
class Reader : public JsonReader
{
public:
    // Keys that name alarm properties are free, but still names: a blank or
    // odd key would silently never match a property.
    void checkPropertyName(const QString& key, const QString& path)
    {
        if (!ok())
            return;
        bool name = !key.isEmpty();
        for (const QChar c : key)
            name = name && (c.isLetterOrNumber() || c == QLatin1Char('_'));
        if (!name)
            error = QStringLiteral("key '%1' must name properties by letters, digits and underscores, not '%2'")
                        .arg(path, key);
    }
};

QString elementPath(const QString& path, int index)
{
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

void readAlarmModel(Reader& r, const QJsonObject& root, AlarmModelConfiguration& out)
{
    const QJsonObject section = r.section(root, "alarmModel", "alarmModel", {"properties"});
    if (!section.contains("properties"))
        return;
    const QList<QJsonObject> list =
        r.readObjects(section, "alarmModel", "properties", {"name", "source", "type", "id"});
    AlarmModelConfiguration model;
    for (int i = 0; i < list.size() && r.ok(); ++i) {
        const QString path = elementPath("alarmModel.properties", i);
        const QJsonObject& object = list.at(i);
        QString name;
        int source = Constants::ValueSourceAlarm;
        QString typeName = QStringLiteral("text");
        QString id;
        r.readString(object, path, "name", name);
        r.readInt(object, path, "source", Constants::ValueSourceAlarm, Constants::ValueSourceDpeConfig, source);
        r.readString(object, path, "type", typeName);
        r.readString(object, path, "id", id);
        AlarmProp::Type type = AlarmProp::TypeText;
        if (!r.ok())
            break;
        if (name.isEmpty())
            r.fail(path + ".name", "a property name that is not empty");
        else if (model.findProperty(name))
            r.fail(path + ".name", QStringLiteral("a name not used before ('%1' is)").arg(name));
        else if (!AlarmProp::typeFromName(typeName, type))
            r.fail(path + ".type", "one of text, integer, time, bool");
        else
            model.properties.append(AlarmProp(name, Constants::ValueSource(source), type, id));
    }
    if (r.ok())
        out = model;
}

// Checks that name is a property of model.
void checkProperty(Reader& r, const AlarmModelConfiguration& model, const QString& path, const QString& name)
{
    if (r.ok() && !model.findProperty(name))
        r.fail(path, QStringLiteral("the name of an alarm property (unknown: '%1')").arg(name));
}

void readProxyModel(Reader& r, const QJsonObject& root, const AlarmModelConfiguration& model,
                    ProxyModelConfiguration& out)
{
    const QJsonObject section = r.section(root, "proxyModel", "proxyModel", {"columns", "groupColumnTitle"});
    r.readString(section, "proxyModel", "groupColumnTitle", out.groupColumnTitle);
    if (!section.contains("columns"))
        return;
    const QList<QJsonObject> list = r.readObjects(section, "proxyModel", "columns", {"property", "title"});
    QVector<ProxyModelConfiguration::Column> columns;
    for (int i = 0; i < list.size() && r.ok(); ++i) {
        const QString path = elementPath("proxyModel.columns", i);
        ProxyModelConfiguration::Column column;
        r.readString(list.at(i), path, "property", column.property);
        r.readString(list.at(i), path, "title", column.title);
        checkProperty(r, model, path + ".property", column.property);
        columns.append(column);
    }
    if (r.ok())
        out.columns = columns;
}

void readGrouping(Reader& r, const QJsonObject& root, const AlarmModelConfiguration& model,
                  GroupingConfiguration& out)
{
    const QJsonObject section = r.section(root, "grouping", "grouping", {"rules"});
    if (!section.contains("rules"))
        return;
    const QList<QJsonObject> list = r.readObjects(section, "grouping", "rules", {"kind", "text"});
    GroupingConfiguration grouping;
    for (int i = 0; i < list.size() && r.ok(); ++i) {
        const QString path = elementPath("grouping.rules", i);
        int kind = GroupingConfiguration::GroupByValue;
        QString text;
        r.readInt(list.at(i), path, "kind", GroupingConfiguration::GroupByValue, GroupingConfiguration::GroupByText,
                  kind);
        r.readString(list.at(i), path, "text", text);
        checkProperty(r, model, path + ".text", text);
        grouping.addRule(kind, text);
    }
    if (r.ok())
        out = grouping;
}

// The default filter, whose filters must name alarm properties when there are any.
void readDefaultFilter(Reader& r, const QJsonObject& user, AlarmScreenConfiguration& config)
{
    if (!r.ok() || !user.contains("defaultFilter"))
        return;
    if (!user.value("defaultFilter").isObject()) {
        r.fail("userSettings.defaultFilter", "an object");
        return;
    }
    const AlarmModelConfiguration& model = config.getAlarmModelConfiguration();
    SourceAndFilter filter(&config, QStringLiteral("default"));
    QString error;
    if (!FilterJson::fromJson(user.value("defaultFilter").toObject(), config.getWildcardConfig(),
                              model.properties.isEmpty() ? nullptr : &model, filter, error,
                              QStringLiteral("userSettings.defaultFilter")))
        r.error = error;
    else
        config.userSettings().defaultFilter = filter;
}

struct LogSettings
{
    int threshold;
    int functionNames;
};

void readConfiguration(Reader& r, const QJsonObject& root, AlarmScreenConfiguration& config, LogSettings& log)
{
    r.checkKeys(root, QString(),
                {"log", "wildcard", "alarmSource", "filterWidgets", "userSettings", "alarmModel", "proxyModel",
                 "grouping", "mouseProcessor"});

    const QJsonObject logObject = r.section(root, "log", "log", {"threshold", "functionNames"});
    r.readInt(logObject, "log", "threshold", 0, 3, log.threshold);
    r.readInt(logObject, "log", "functionNames", 0, 2, log.functionNames);

    const QJsonObject wildcard = r.section(root, "wildcard", "wildcard", {"matchAllChar", "emptyIsMatchAll"});
    QString matchAll = config.getWildcardConfig().matchAllChar;
    r.readString(wildcard, "wildcard", "matchAllChar", matchAll);
    if (r.ok() && matchAll.size() != 1)
        r.fail("wildcard.matchAllChar", "a string of one character");
    else if (r.ok())
        config.wildcardConfig().matchAllChar = matchAll.at(0);
    r.readBool(wildcard, "wildcard", "emptyIsMatchAll", config.wildcardConfig().emptyIsMatchAll);

    const QJsonObject source =
        r.section(root, "alarmSource", "alarmSource", {"archiveSourceMode", "archiveTimesInUtc"});
    r.readInt(source, "alarmSource", "archiveSourceMode", 0, 1000, config.alarmSourceConfiguration().archiveSourceMode);
    r.readBool(source, "alarmSource", "archiveTimesInUtc", config.alarmSourceConfiguration().archiveTimesInUtc);

    const QJsonObject widgets =
        r.section(root, "filterWidgets", "filterWidgets",
                  {"completionLibrary", "masterFunction", "slaveFunction", "fixedCompletions", "panelPlugin",
                   "noPanel", "sourceControl"});
    FilterWidgetConfiguration& fw = config.filterWidgetConfiguration();
    r.readString(widgets, "filterWidgets", "completionLibrary", fw.completionLibrary);
    r.readString(widgets, "filterWidgets", "masterFunction", fw.masterFunction);
    r.readString(widgets, "filterWidgets", "slaveFunction", fw.slaveFunction);
    r.readString(widgets, "filterWidgets", "panelPlugin", fw.panelPlugin);
    r.readBool(widgets, "filterWidgets", "noPanel", fw.noPanel);
    r.readBool(widgets, "filterWidgets", "sourceControl", fw.sourceControl);
    if (r.ok() && widgets.contains("fixedCompletions")) {
        const QJsonValue fixed = widgets.value("fixedCompletions");
        if (!fixed.isObject()) {
            r.fail("filterWidgets.fixedCompletions", "an object of string arrays");
        } else {
            QMap<QString, QStringList> lists;
            const QJsonObject object = fixed.toObject();
            for (auto it = object.constBegin(); it != object.constEnd() && r.ok(); ++it) {
                r.checkPropertyName(it.key(), "filterWidgets.fixedCompletions");
                r.readStringList(it.value(), "filterWidgets.fixedCompletions." + it.key(), lists[it.key()]);
            }
            fw.fixedCompletions = lists;
        }
    }

    const QJsonObject user =
        r.section(root, "userSettings", "userSettings", {"defaultFilterAction", "areaVisibility", "defaultFilter"});
    int action = config.getUserSettings().defaultFilterAction;
    int visibility = config.getUserSettings().areaVisibility;
    r.readInt(user, "userSettings", "defaultFilterAction", 0, 3, action);
    r.readInt(user, "userSettings", "areaVisibility", 0, 2, visibility);
    config.userSettings().defaultFilterAction = UserSettings::DefaultFilterAction(action);
    config.userSettings().areaVisibility = UserSettings::AsAreaVisibility(visibility);

    readAlarmModel(r, root, config.alarmModelConfiguration());
    readProxyModel(r, root, config.getAlarmModelConfiguration(), config.proxyModelConfiguration());
    readGrouping(r, root, config.getAlarmModelConfiguration(), config.groupingConfiguration());
    readDefaultFilter(r, user, config);
    const QJsonObject mouse =
        r.section(root, "mouseProcessor", "mouseProcessor", {"forwardToHost", "ctrlLibrary", "ctrlFunction"});
    MouseProcessorConfiguration& mp = config.mouseProcessorConfiguration();
    r.readBool(mouse, "mouseProcessor", "forwardToHost", mp.forwardToEwo);
    r.readString(mouse, "mouseProcessor", "ctrlLibrary", mp.ctrlLibrary);
    r.readString(mouse, "mouseProcessor", "ctrlFunction", mp.ctrlFunction);
}

// Qt reads only objects and arrays as documents; a bare value such as 1 or
// "text" is JSON all the same, and wrong for its type, not its syntax.
bool isScalar(const QByteArray& json)
{
    const QJsonDocument wrapped = QJsonDocument::fromJson('[' + json + ']');
    return wrapped.isArray() && wrapped.array().size() == 1;
}

} // namespace

bool JsonParser::parse(const QByteArray& json, AlarmScreenConfiguration& config, QString& errMsg)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull() && !isScalar(json)) {
        errMsg = QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        errMsg = QStringLiteral("the document must be a JSON object");
        return false;
    }
    // Read into a copy, so that a refused document leaves config as it was.
    AlarmScreenConfiguration candidate(config);
    LogSettings log{int(config.getLogThreshold()), config.getLogFunc()};
    Reader reader;
    readConfiguration(reader, document.object(), candidate, log);
    if (!reader.ok()) {
        errMsg = reader.error;
        return false;
    }
    config = candidate;
    config.setLogThreshold(MsgLoggerEnums::LogSeverity(log.threshold));
    config.setLogFunc(log.functionNames);
    return true;
}

bool JsonParser::parseFile(const QString& path, AlarmScreenConfiguration& config, QString& errMsg)
{
    QByteArray text;
    QString reason;
    if (!JsonFile::read(path, text, reason)) {
        errMsg = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    QString error;
    if (!parse(text, config, error)) {
        errMsg = QStringLiteral("%1: %2").arg(path, error);
        return false;
    }
    return true;
}
