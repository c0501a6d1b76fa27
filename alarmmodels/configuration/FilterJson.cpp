#include "configuration/FilterJson.h"

#include "configuration/AlarmModelConfiguration.h"
#include "configuration/FilterKindJson.h"
#include "configuration/JsonReader.h"
#include "filtervalues/FilterRuleContainer.h"
#include "filtervalues/SourceAndFilter.h"
#include "filtervalues/ValueFilterStringPattern.h"
#include "filtervalues/ValueFilterText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const char* const kMethods[] = {"exact", "wildcard", "regexp"};

// The array of objects under key, which must be there.
QList<QJsonObject> requiredObjects(JsonReader& r, const QJsonObject& object, const QString& path, const QString& key)
{
    if (r.ok() && !object.contains(key))
        r.fail(JsonReader::join(path, key), QStringLiteral("an array of objects"));
    return r.readObjects(object, path, key);
}

void readRule(JsonReader& r, const QJsonObject& rule, const QString& path, ValueFilterText& filter)
{
    r.checkKeys(rule, path, {"pattern", "method", "exclude"});
    if (!r.ok())
        return;
    const QString pattern = rule.value("pattern").toString();
    if (!rule.value("pattern").isString() || pattern.isEmpty()) {
        r.fail(JsonReader::join(path, "pattern"), QStringLiteral("a text that is not empty"));
        return;
    }
    int method = -1;
    const QString methodName = rule.value("method").toString(QStringLiteral("wildcard"));
    for (int m = 0; m < 3; ++m) {
        if (methodName == QLatin1String(kMethods[m]))
            method = m;
    }
    if (method < 0 || (rule.contains("method") && !rule.value("method").isString())) {
        r.fail(JsonReader::join(path, "method"), QStringLiteral("one of exact, wildcard, regexp"));
        return;
    }
    bool exclude = false;
    r.readBool(rule, path, "exclude", exclude);
    if (r.ok() && !filter.addItem(pattern, method, exclude))
        r.fail(JsonReader::join(path, "pattern"), QStringLiteral("a regular expression that compiles"));
}

// A pattern list filter: "patterns" holds the list text in place of "rules".
QSharedPointer<ValueFilter> readPatternFilter(JsonReader& r, const QJsonObject& object, const QString& path,
                                              const WildcardConfig& wildcard, const QString& property,
                                              Constants::ValueSource source, bool matchCase)
{
    if (r.ok() && object.contains("rules"))
        r.fail(JsonReader::join(path, "rules"), QStringLiteral("absent beside \"patterns\""));
    const QJsonValue text = object.value("patterns");
    if (r.ok() && (!text.isString() || ValueFilterStringPattern::splitPatterns(text.toString()).isEmpty()))
        r.fail(JsonReader::join(path, "patterns"), QStringLiteral("a text holding at least one pattern"));
    if (!r.ok())
        return nullptr;
    QSharedPointer<ValueFilterStringPattern> filter(
        new ValueFilterStringPattern(wildcard, property, source, matchCase));
    filter->setFilterText(text.toString());
    return filter;
}

QSharedPointer<ValueFilter> readFilter(JsonReader& r, const QJsonObject& object, const QString& path,
                                       const WildcardConfig& wildcard, const AlarmModelConfiguration* properties)
{
    const QString type = object.value("type").toString(QStringLiteral("text"));
    QStringList kindKeys;
    if ((object.contains("type") && !object.value("type").isString()) || !FilterKindJson::keysOf(type, kindKeys)) {
        r.fail(JsonReader::join(path, "type"),
               QStringLiteral("one of ") + FilterKindJson::typeNames().join(QStringLiteral(", ")));
    }
    r.checkKeys(object, path, QStringList{"type", "property", "source", "matchCase"} + kindKeys);
    if (!r.ok())
        return nullptr;
    const QString property = object.value("property").toString();
    if (!object.value("property").isString() || property.isEmpty()) {
        r.fail(JsonReader::join(path, "property"), QStringLiteral("a property name"));
        return nullptr;
    }
    const QJsonValue sourceValue = object.value("source");
    const int source = sourceValue.isUndefined() ? 0 : sourceValue.toInt(-1);
    if (source < Constants::ValueSourceAlarm || source > Constants::ValueSourceDpeConfig
        || (!sourceValue.isUndefined() && !sourceValue.isDouble())) {
        r.fail(JsonReader::join(path, "source"), QStringLiteral("a whole number from 0 to 2"));
        return nullptr;
    }
    if (properties) {
        bool known = false;
        for (const AlarmProp& prop : properties->properties)
            known = known || (prop.getColumnId() == property && int(prop.getSource()) == source);
        if (!known) {
            r.fail(JsonReader::join(path, "property"),
                   QStringLiteral("the name of an alarm property (unknown: '%1')").arg(property));
            return nullptr;
        }
    }
    bool matchCase = false;
    r.readBool(object, path, "matchCase", matchCase);
    if (type != QLatin1String("text"))
        return FilterKindJson::read(r, object, path, type, wildcard, property, Constants::ValueSource(source), matchCase);
    if (object.contains("patterns"))
        return readPatternFilter(r, object, path, wildcard, property, Constants::ValueSource(source), matchCase);
    const QList<QJsonObject> rules = requiredObjects(r, object, path, "rules");
    if (!r.ok())
        return nullptr;
    QSharedPointer<ValueFilterText> filter(
        new ValueFilterText(wildcard, property, Constants::ValueSource(source), matchCase));
    for (int i = 0; i < rules.size() && r.ok(); ++i)
        readRule(r, rules.at(i), QStringLiteral("%1[%2]").arg(JsonReader::join(path, "rules")).arg(i), *filter);
    return r.ok() ? filter : nullptr;
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
                if (const auto* pattern = dynamic_cast<const ValueFilterStringPattern*>(value.data())) {
                    filters.append(QJsonObject{{"property", pattern->getValueId()},
                                               {"source", int(pattern->getSource())},
                                               {"matchCase", pattern->isMatchCase()},
                                               {"patterns", pattern->getFilterText()}});
                    continue;
                }
                const auto* text = dynamic_cast<const ValueFilterText*>(value.data());
                if (!text) {
                    QJsonObject other = FilterKindJson::toJson(*value);
                    if (other.isEmpty())
                        continue;
                    other.insert("property", value->getValueId());
                    other.insert("source", int(value->getSource()));
                    other.insert("matchCase", value->isMatchCase());
                    filters.append(other);
                    continue;
                }
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
    JsonReader r;
    r.checkKeys(object, path, {"matchCase", "sets"});
    bool matchCase = false;
    r.readBool(object, path, "matchCase", matchCase);
    const QList<QJsonObject> setObjects = r.readObjects(object, path, "sets");
    QList<FilterRuleSet> sets;
    for (int s = 0; s < setObjects.size() && r.ok(); ++s) {
        const QString setPath = QStringLiteral("%1[%2]").arg(JsonReader::join(path, "sets")).arg(s);
        const QJsonObject& setObject = setObjects.at(s);
        bool include = true;
        r.checkKeys(setObject, setPath, {"include", "filters"});
        r.readBool(setObject, setPath, "include", include);
        const QList<QJsonObject> filterObjects = requiredObjects(r, setObject, setPath, "filters");
        FilterRuleSet set(wildcard, include, matchCase);
        for (int f = 0; f < filterObjects.size() && r.ok(); ++f) {
            const QString filterPath = QStringLiteral("%1[%2]").arg(JsonReader::join(setPath, "filters")).arg(f);
            const QSharedPointer<ValueFilter> value = readFilter(r, filterObjects.at(f), filterPath, wildcard, properties);
            if (value)
                set.addValueFilter(value);
        }
        sets.append(set);
    }
    if (!r.ok()) {
        errMsg = r.error;
        return false;
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
