#pragma once

#include "filtervalues/ValueFilter.h"
#include "alarmmodels_export.h"

#include <QStringList>
#include <QVector>

// A numeric property filtered by rules typed as text. Rules are separated
// by commas, semicolons or white space; one rule is an optional "!"
// (negation), an optional ">", "<" or "=", and a number, or a range of two
// numbers joined by "-" ("2-5", "-10--1"). Numbers may carry a minus sign
// and a decimal point. A part that is not such a rule is kept as a failed
// part and takes no part in matching.
class ALARMMODELS_EXPORT ValueFilterNumbers : public ValueFilter
{
public:
    ValueFilterNumbers(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                       bool matchCase);

    // Parses text into rules and failed parts; the text is kept as given.
    void setFilterText(const QString& text);
    const QString& getFilterText() const { return m_filterText; }
    // The understood rules in words, for example "from 1 to 5" or "not greater than 3".
    QStringList getAcceptedRules() const;
    const QStringList& getFailedParts() const { return m_failedParts; }

    // True without an accepted rule.
    bool isEmpty() const override;
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;
    // The property's value, read as a number, passes when it meets one
    // rule without "!" (or there is none) and no rule with "!". A value
    // that is no number passes nothing.
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;
    bool matchesNumber(double value) const;

private:
    enum Op
    {
        OpEqual,
        OpGreater,
        OpLess,
        OpRange
    };
    struct Rule
    {
        bool negate;
        Op op;
        double first;
        double second;  // the upper end of a range
        bool hits(double value) const;
        QString text() const;
    };

    bool parsePart(const QString& part, Rule& rule) const;

    QString m_filterText;
    QVector<Rule> m_rules;
    QStringList m_failedParts;
    bool m_hasPositive = false;
};
