#pragma once

#include "alarmmodels_export.h"

#include <QChar>
#include <QString>

// Wildcard patterns as regular expressions: the match-all character stands
// for any text, every other character for itself.
class ALARMMODELS_EXPORT WildcardPattern
{
public:
    // An unanchored expression.
    static QString toRegExp(const QString& pattern, QChar matchAllChar);
    // expression matching only whole texts.
    static QString anchored(const QString& expression);
};
