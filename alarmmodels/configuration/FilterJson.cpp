#include "configuration/FilterJson.h"

#include "configuration/AlarmModelConfiguration.h"
#include "filtervalues/FilterRuleContainer.h"
#include "filtervalues/SourceAndFilter.h"
#include "filtervalues/ValueFilterText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const char* const kMethods[] = {"exact", "wildcard", "regexp"};

QString keyOf(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString mustBe(const QString& key, const QString& what)
{
    return QStringLiteral("key '%1' must be %2").arg(key, what);
}

// Checks that object holds only allowed keys.
bool onlyKeys(const QJsonObject& object, const QString& path, const QStringList& allowed, QString& errMsg)
{
    for (const QString& key : object.keys()) {
        if (!allowed.contains(key)) {
            errMsg = QStringLiteral("unknown key '%1'; expected one of: %2")
                         .arg(keyOf(path, key), allowed.join(QStringLiteral(", ")));
            return false;
        }
    }
    return true;
}

bool boolOf(const QJsonObject& object, const QString& path, const QString& key, bool& out, QString& errMsg)
{
    if (!object.contains(key))
        return true;
    if (!object.value(key).isBool()) {
        errMsg = mustBe(keyOf(path, key), QStringLiteral("true or false"));
        return false;
    }
    out = object.value(key).toBool();
    return true;
}

// The array of objects under key; false (errMsg set) when it is something else.
bool objectsOf(const QJsonObject& object, const QString& path, const QString& key, QList<QJsonObject>& out,
               QString& errMsg)
{
    const QJsonValue value = object.value(key);
    if (!value.isArray()) {
        errMsg = mustBe(keyOf(path, key), QStringLiteral("an array of objects"));
        return false;
    }
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject()) {
            errMsg = mustBe(QStringLiteral("%1[%2]").arg(keyOf(path, key)).arg(i), QStringLiteral("an object"));
            return false;
        }
        out.append(array.at(i).toObject());
    }
    return true;
}

bool readRule(const QJsonObject& rule, const QString& path, ValueFilterText& filter, QString& errMsg)
{
    if (!onlyKeys(rule, path, {"pattern", "method", "exclude"}, errMsg))
        return false;
    const QString pattern = rule.value("pattern").toString();
    if (!rule.value("pattern").isString() || pattern.isEmpty()) {
        errMsg = mustBe(keyOf(path, "pattern"), QStringLiteral("a text that is not empty"));
        return false;
    }
    int method = -1;
    const QString methodName = rule.value("method").toString(QStringLiteral("wildcard"));
    for (int m = 0; m < 3; ++m) {
        if (methodName == QLatin1String(kMethods[m]))
            method = m;
    }
    if (method < 0 || (rule.contains("method") && !rule.value("method").isString())) {
        errMsg = mustBe(keyOf(path, "method"), QStringLiteral("one of exact, wildcard, regexp"));
        return false;
    }
    bool exclude = false;
    if (!boolOf(rule, path, "exclude", exclude, errMsg))
        return false;
    if (!filter.addItem(pattern, method, exclude)) {
        errMsg = mustBe(keyOf(path, "pattern"), QStringLiteral("a regular expression that compiles"));
        return false;
    }
    return true;
}

QSharedPointer<ValueFilter> readFilter(const QJsonObject& object, const QString& path,
                                       const WildcardConfig& wildcard, const AlarmModelConfiguration* properties,
                                       QString& errMsg)
{
    if (!onlyKeys(object, path, {"property", "source", "matchCase", "rules"}, errMsg))
        return nullptr;
    const QString property = object.value("property").toString();
    if (!object.value("property").isString() || property.isEmpty()) {
        errMsg = mustBe(keyOf(path, "property"), QStringLiteral("a property name"));
        return nullptr;
    }
    const QJsonValue sourceValue = object.value("source");
    const int source = sourceValue.isUndefined() ? 0 : sourceValue.toInt(-1);
    if (source < Constants::ValueSourceAlarm || source > Constants::ValueSourceDpeConfig
        || (!sourceValue.isUndefined() && !sourceValue.isDouble())) {
        errMsg = mustBe(keyOf(path, "source"), QStringLiteral("a whole number from 0 to 2"));
        return nullptr;
    }
    if (properties) {
        bool known = false;
        for (const AlarmProp& prop : properties->properties)
            known = known || (prop.getColumnId() == property && int(prop.getSource()) == source);
        if (!known) {
            errMsg = mustBe(keyOf(path, "property"),
                            QStringLiteral("the name of an alarm property (unknown: '%1')").arg(property));
            return nullptr;
        }
    }
    bool matchCase = false;
    if (!boolOf(object, path, "matchCase", matchCase, errMsg))
        return nullptr;
    QSharedPointer<ValueFilterText> filter(
        new ValueFilterText(wildcard, property, Constants::ValueSource(source), matchCase));
    QList<QJsonObject> rules;
    if (!objectsOf(object, path, "rules", rules, errMsg))
        return nullptr;
    for (int i = 0; i < rules.size(); ++i) {
        if (!readRule(rules.at(i), QStringLiteral("%1[%2]").arg(keyOf(path, "rules")).arg(i), *filter, errMsg))
            return nullptr;
    }
    return filter;
}

} // namespace

QJsonObject FilterJson::toJson(const SourceAndFilter& filter)
{
    QJsonObject result;
    const QSharedPointer<FilterRuleContainer> container = filter.getRuleContainer();
    result.insert("matchCase", container && container->isMatchCase());
    QJsonArray sets;
    if (container) {
        for (const FilterRuleSet& set : container->getRuleSets()) {
            QJsonArray filters;
            for (const QSharedPointer<ValueFilter>& value : set.getValueFilters()) {
                const auto* text = dynamic_cast<const ValueFilterText*>(value.data());
                if (!text)
                    continue;
                QJsonArray rules;
                for (const ValueFilterTextItem& item : text->getItems()) {
                    rules.append(QJsonObject{{"pattern", item.getPattern()},
                                             {"method", QLatin1String(kMethods[item.getMethod()])},
                                             {"exclude", item.isExclude()}});
                }
                filters.append(QJsonObject{{"property", text->getValueId()},
                                           {"source", int(text->getSource())},
                                           {"matchCase", text->isMatchCase()},
                                           {"rules", rules}});
            }
            sets.append(QJsonObject{{"include", set.isInclude()}, {"filters", filters}});
        }
    }
    result.insert("sets", sets);
    return result;
}

QByteArray FilterJson::toText(const SourceAndFilter& filter)
{
    return QJsonDocument(toJson(filter)).toJson(QJsonDocument::Indented);
}

bool FilterJson::fromJson(const QJsonObject& object, const WildcardConfig& wildcard,
                          const AlarmModelConfiguration* properties, SourceAndFilter& filter, QString& errMsg,
                          const QString& path)
{
    if (!onlyKeys(object, path, {"matchCase", "sets"}, errMsg))
        return false;
    bool matchCase = false;
    if (!boolOf(object, path, "matchCase", matchCase, errMsg))
        return false;
    QList<QJsonObject> setObjects;
    if (object.contains("sets") && !objectsOf(object, path, "sets", setObjects, errMsg))
        return false;
    QList<FilterRuleSet> sets;
    for (int s = 0; s < setObjects.size(); ++s) {
        const QString setPath = QStringLiteral("%1[%2]").arg(keyOf(path, "sets")).arg(s);
        const QJsonObject& setObject = setObjects.at(s);
        bool include = true;
        QList<QJsonObject> filterObjects;
        if (!onlyKeys(setObject, setPath, {"include", "filters"}, errMsg)
            || !boolOf(setObject, setPath, "include", include, errMsg)
            || !objectsOf(setObject, setPath, "filters", filterObjects, errMsg))
            return false;
        FilterRuleSet set(wildcard, include, matchCase);
        for (int f = 0; f < filterObjects.size(); ++f) {
            const QString filterPath = QStringLiteral("%1[%2]").arg(keyOf(setPath, "filters")).arg(f);
            const QSharedPointer<ValueFilter> value =
                readFilter(filterObjects.at(f), filterPath, wildcard, properties, errMsg);
            if (!value)
                return false;
            set.addValueFilter(value);
        }
        sets.append(set);
    }
    filter.setRuleContainer(QSharedPointer<FilterRuleContainer>(new FilterRuleContainer(wildcard, sets, matchCase)));
    return true;
}

bool FilterJson::fromText(const QByteArray& text, const WildcardConfig& wildcard,
                          const AlarmModelConfiguration* properties, SourceAndFilter& filter, QString& errMsg)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (document.isNull()) {
        errMsg = QStringLiteral("not JSON: %1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        errMsg = QStringLiteral("the document must be a JSON object");
        return false;
    }
    return fromJson(document.object(), wildcard, properties, filter, errMsg);
}
