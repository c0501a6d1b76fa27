#include "configuration/FilterKindJson.h"

#include "configuration/JsonReader.h"
#include "filtervalues/ValueFilterDate.h"
#include "filtervalues/ValueFilterFixed.h"
#include "filtervalues/ValueFilterFixedMulti.h"
#include "filtervalues/ValueFilterNumbers.h"
#include "filtervalues/ValueFilterSingleValue.h"

#include <QJsonArray>

namespace {

const char* const kDateMethods[] = {"none", "before", "after", "between"};

QString fixedKindsText()
{
    return QStringLiteral("one of ") + ValueFilterFixed::knownKinds().join(QStringLiteral(", "));
}

// A required ISO 8601 date under key; an invalid QDateTime when absent and not required.
QDateTime readDate(JsonReader& r, const QJsonObject& object, const QString& path, const QString& key, bool required)
{
    if (!r.ok() || (!required && !object.contains(key)))
        return QDateTime();
    const QDateTime date = QDateTime::fromString(object.value(key).toString(), Qt::ISODateWithMs);
    if (!object.value(key).isString() || !date.isValid())
        r.fail(JsonReader::join(path, key), QStringLiteral("a date and time as ISO 8601 text"));
    return date;
}

QSharedPointer<ValueFilter> readNumbers(JsonReader& r, const QJsonObject& object, const QString& path,
                                        QSharedPointer<ValueFilterNumbers> filter)
{
    const QJsonValue text = object.value("text");
    if (text.isString())
        filter->setFilterText(text.toString());
    if (!text.isString() || filter->isEmpty()) {
        r.fail(JsonReader::join(path, "text"), QStringLiteral("a text with at least one numeric rule"));
        return nullptr;
    }
    return filter;
}

QSharedPointer<ValueFilter> readDateFilter(JsonReader& r, const QJsonObject& object, const QString& path,
                                           QSharedPointer<ValueFilterDate> filter)
{
    int method = -1;
    for (int m = ValueFilterDate::CompareBefore; m <= ValueFilterDate::CompareBetween; ++m) {
        if (object.value("method") == QLatin1String(kDateMethods[m]))
            method = m;
    }
    if (method < 0) {
        r.fail(JsonReader::join(path, "method"), QStringLiteral("one of before, after, between"));
        return nullptr;
    }
    filter->setComparisonMethod(method);
    filter->setFirstDate(readDate(r, object, path, "first", true));
    filter->setSecondDate(readDate(r, object, path, "second", method == ValueFilterDate::CompareBetween));
    return r.ok() ? filter : nullptr;
}

QSharedPointer<ValueFilter> readSingle(JsonReader& r, const QJsonObject& object, const QString& path,
                                       QSharedPointer<ValueFilterSingleValue> filter)
{
    const QJsonValue value = object.value("value");
    if (!value.isString() && !value.isDouble() && !value.isBool()) {
        r.fail(JsonReader::join(path, "value"), QStringLiteral("a text, a number or true/false"));
        return nullptr;
    }
    filter->setFilterValue(value.toVariant());
    return filter;
}

// The kind and include flag of one fixed filter object.
bool readFixedState(JsonReader& r, const QJsonObject& object, const QString& path, QString& kind, bool& include)
{
    kind = object.value("kind").toString();
    if (!object.value("kind").isString() || !ValueFilterFixed::isKnownKind(kind)) {
        r.fail(JsonReader::join(path, "kind"), fixedKindsText());
        return false;
    }
    include = false;
    r.readBool(object, path, "include", include);
    return r.ok();
}

QSharedPointer<ValueFilter> readFixedMulti(JsonReader& r, const QJsonObject& object, const QString& path,
                                           QSharedPointer<ValueFilterFixedMulti> filter)
{
    if (!object.value("fixed").isArray() || object.value("fixed").toArray().isEmpty()) {
        r.fail(JsonReader::join(path, "fixed"), QStringLiteral("an array of fixed filter objects, not empty"));
        return nullptr;
    }
    const QList<QJsonObject> items = r.readObjects(object, path, "fixed", {"kind", "include"});
    for (int i = 0; i < items.size() && r.ok(); ++i) {
        const QString itemPath = QStringLiteral("%1[%2]").arg(JsonReader::join(path, "fixed")).arg(i);
        QString kind;
        bool include = false;
        if (readFixedState(r, items.at(i), itemPath, kind, include) && !filter->addFixedFilter(kind, include))
            r.fail(JsonReader::join(itemPath, "kind"), QStringLiteral("a kind not yet in the group"));
    }
    return r.ok() ? filter : nullptr;
}

} // namespace

const QStringList& FilterKindJson::typeNames()
{
    static const QStringList names{QStringLiteral("text"),  QStringLiteral("numbers"), QStringLiteral("date"),
                                   QStringLiteral("single"), QStringLiteral("fixed"),   QStringLiteral("fixedMulti")};
    return names;
}

bool FilterKindJson::keysOf(const QString& type, QStringList& keys)
{
    // Text rules and pattern lists are both of the default type.
    static const QList<QStringList> keysByType{{"rules", "patterns"},  {"text"},          {"method", "first", "second"},
                                               {"value"}, {"kind", "include"}, {"fixed"}};
    const int index = typeNames().indexOf(type);
    if (index < 0)
        return false;
    keys = keysByType.at(index);
    return true;
}

QJsonObject FilterKindJson::toJson(const ValueFilter& filter)
{
    if (const auto* numbers = dynamic_cast<const ValueFilterNumbers*>(&filter))
        return QJsonObject{{"type", "numbers"}, {"text", numbers->getFilterText()}};
    if (const auto* date = dynamic_cast<const ValueFilterDate*>(&filter)) {
        const int method = ValueFilterDate::isValidMethod(date->getComparisonMethod()) ? date->getComparisonMethod() : 0;
        QJsonObject object{{"type", "date"},
                           {"method", QLatin1String(kDateMethods[method])},
                           {"first", date->getFirstDate().toString(Qt::ISODateWithMs)}};
        if (date->getSecondDate().isValid())
            object.insert("second", date->getSecondDate().toString(Qt::ISODateWithMs));
        return object;
    }
    if (const auto* single = dynamic_cast<const ValueFilterSingleValue*>(&filter))
        return QJsonObject{{"type", "single"}, {"value", QJsonValue::fromVariant(single->getFilterValue())}};
    if (const auto* fixed = dynamic_cast<const ValueFilterFixed*>(&filter))
        return QJsonObject{{"type", "fixed"}, {"kind", fixed->getKind()}, {"include", fixed->isInclude()}};
    if (const auto* multi = dynamic_cast<const ValueFilterFixedMulti*>(&filter)) {
        QJsonArray items;
        for (const QSharedPointer<ValueFilterFixed>& item : multi->getFixedFilters())
            items.append(QJsonObject{{"kind", item->getKind()}, {"include", item->isInclude()}});
        return QJsonObject{{"type", "fixedMulti"}, {"fixed", items}};
    }
    return QJsonObject();
}

QSharedPointer<ValueFilter> FilterKindJson::read(JsonReader& r, const QJsonObject& object, const QString& path,
                                                 const QString& type, const WildcardConfig& wildcard,
                                                 const QString& property, Constants::ValueSource source,
                                                 bool matchCase)
{
    if (!r.ok())
        return nullptr;
    if (type == QLatin1String("numbers")) {
        return readNumbers(r, object, path,
                           QSharedPointer<ValueFilterNumbers>::create(wildcard, property, source, matchCase));
    }
    if (type == QLatin1String("date"))
        return readDateFilter(r, object, path,
                              QSharedPointer<ValueFilterDate>::create(wildcard, property, source, matchCase));
    if (type == QLatin1String("single")) {
        return readSingle(r, object, path,
                          QSharedPointer<ValueFilterSingleValue>::create(wildcard, property, source, matchCase));
    }
    if (type == QLatin1String("fixed")) {
        QString kind;
        bool include = false;
        if (!readFixedState(r, object, path, kind, include))
            return nullptr;
        return QSharedPointer<ValueFilterFixed>::create(wildcard, property, source, matchCase, kind, include);
    }
    return readFixedMulti(r, object, path,
                          QSharedPointer<ValueFilterFixedMulti>::create(wildcard, property, source, matchCase));
}
