#pragma once

#include "alarmmodels_export.h"

#include <QString>

// One rule of a text filter: a pattern, how it is matched and whether
// matching alarms are excluded.
class ALARMMODELS_EXPORT ValueFilterTextItem
{
public:
    enum MatchMethod
    {
        MatchExact = 0,
        MatchWildcard = 1,
        MatchRegExp = 2
    };

    ValueFilterTextItem() = default;
    ValueFilterTextItem(const QString& pattern, int method, bool exclude);

    const QString& getPattern() const { return m_pattern; }
    int getMethod() const { return m_method; }
    bool isExclude() const { return m_exclude; }

    bool operator==(const ValueFilterTextItem& other) const;
    bool operator!=(const ValueFilterTextItem& other) const { return !(*this == other); }

    // For example "W*'pump*'" or "!RE'^x'".
    QString toString() const;

    static bool isValidMethod(int method);

private:
    QString m_pattern;
    int m_method = MatchWildcard;
    bool m_exclude = false;
};
