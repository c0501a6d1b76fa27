#pragma once

#include "filtervalues/ValueFilter.h"
#include "alarmmodels_export.h"

#include <QStringList>

// A filter whose meaning the configuration fixes, named by its kind, that
// the operator only switches on (include) or off. Switched off it lets
// every alarm pass.
class ALARMMODELS_EXPORT ValueFilterFixed : public ValueFilter
{
public:
    ValueFilterFixed(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                     bool matchCase, const QString& kind = QString(), bool include = false);

    const QString& getKind() const { return m_kind; }
    bool isInclude() const { return m_include; }
    void setInclude(bool include) { m_include = include; }

    // The kinds an alarm can be tested for: "unacknowledged",
    // "acknowledged", "came" and "went".
    static const QStringList& knownKinds();
    static bool isKnownKind(const QString& kind) { return knownKinds().contains(kind); }

    // A fixed filter is a rule also while switched off.
    bool isEmpty() const override { return false; }
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;
    // Whether the alarm is of this filter's kind, switched on or not; an
    // unknown kind fits no alarm.
    bool fits(const AlarmInstance& alarm) const;

private:
    QString m_kind;
    bool m_include;
};
