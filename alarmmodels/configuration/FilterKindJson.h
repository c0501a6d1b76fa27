#pragma once

#include "filtervalues/Constants.h"

#include <QJsonObject>
#include <QSharedPointer>
#include <QStringList>

class JsonReader;
class ValueFilter;
class WildcardConfig;

// The filter kinds besides text rules in the filter JSON, told apart by
// the key "type" ("text", for text rules and pattern lists, when it is
// absent), each beside the "property",
// "source" and "matchCase" of every filter:
//   { "type": "numbers", "text": ">5, !7" }
//   { "type": "date", "method": "between", "first": "2026-01-01T00:00:00", "second": "..." }
//   { "type": "single", "value": "Plant1" }             (a text, a number or true/false)
//   { "type": "fixed", "kind": "unacknowledged", "include": true }
//   { "type": "fixedMulti", "fixed": [ { "kind": "came", "include": true }, ... ] }
// Dates are ISO 8601; "second" is needed for "between" only and kept for
// the other methods when given. A fixed kind must be one that alarms can
// be tested for.
class FilterKindJson
{
public:
    // "text" first, then the other kinds.
    static const QStringList& typeNames();
    // The keys of type beside the common ones; false for an unknown type.
    static bool keysOf(const QString& type, QStringList& keys);
    // "type" and the keys of the filter's kind; empty for text rules and
    // for kinds this format does not know.
    static QJsonObject toJson(const ValueFilter& filter);
    // Reads the keys of a filter of type (not "text"); null after a failure kept in r.
    static QSharedPointer<ValueFilter> read(JsonReader& r, const QJsonObject& object, const QString& path,
                                            const QString& type, const WildcardConfig& wildcard,
                                            const QString& property, Constants::ValueSource source, bool matchCase);
};
