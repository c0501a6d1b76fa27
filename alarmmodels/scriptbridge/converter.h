#pragma once

#include "alarmmodels_export.h"

#include <variables/Variable.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class DpIdentList;
class MappingVar;
class MsgLoggingProducer;

// Conversions between Qt values and script values.
namespace converter {

// The arguments of a script function call: a list holding one script value
// per argument. Texts, whole numbers, booleans (as 0 or 1), date-times,
// lists and maps with text keys convert, and no value (an invalid QVariant)
// becomes an empty value; anything else is logged through
// producer and gives null. The caller owns the result.
ALARMMODELS_EXPORT Variable* nativeToCtrlArguments(const MsgLoggingProducer* producer, const QList<QVariant>& args);

// One Qt value as a script value, or null (logged) when it does not convert.
ALARMMODELS_EXPORT Variable* variantToVariable(const MsgLoggingProducer* producer, const QVariant& value);

// A script value as a Qt value; mixed and anytype values are unwrapped.
// An unknown or null value gives an invalid QVariant.
ALARMMODELS_EXPORT QVariant anyVariableToVariant(const MsgLoggingProducer* producer, const Variable* value);

// The value of key in map, a mixed value unwrapped, when it has the expected
// type; otherwise null with errText "mapping doesn't contain key '...'" or
// "mapping value for key '...' has a type ..., expected type ...".
ALARMMODELS_EXPORT const Variable* getMapValue(const MappingVar& map, const QString& key, VariableType expected,
                                               QString& errText);

// value (a mixed value unwrapped) when it is there and has the expected
// type; otherwise null with the errText of getMapValue, key naming where
// the value was found.
ALARMMODELS_EXPORT const Variable* checkValueType(const Variable* value, const QString& key, VariableType expected,
                                                  QString& errText);

// Resolves datapoint element names into list (appended, in order). On the
// first unknown name: false, list unchanged, and errMsg "DP element '...'
// not found" (also logged through producer at severity 2).
ALARMMODELS_EXPORT bool getDpIds(const MsgLoggingProducer* producer, const QStringList& names, DpIdentList& list,
                                 QString& errMsg);

// value, or the value it holds when it is a mixed value.
ALARMMODELS_EXPORT const Variable* unwrapMixed(const Variable* value);

} // namespace converter
