#pragma once

#include "filtervalues/ValueFilter.h"
#include "filtervalues/ValueFilterTextItem.h"
#include "alarmmodels_export.h"

#include <QList>
#include <QRegularExpression>
#include <QVector>

// A text property filtered by a list of rules, kept in the order they were added.
class ALARMMODELS_EXPORT ValueFilterText : public ValueFilter
{
public:
    ValueFilterText(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                    bool matchCase);

    // Appends a rule. Refuses (false, logged) an empty pattern, an unknown
    // method and a regular expression that does not compile.
    bool addItem(const QString& pattern, int method, bool exclude);

    const QList<ValueFilterTextItem>& getItems() const { return m_items; }

    bool isEmpty() const override;
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;
    void setMatchCase(bool matchCase) override;
    // The shown text of the property passes when it matches one including
    // rule (or there is none) and no excluding rule. Exact rules compare
    // the whole text, wildcard rules match the whole text with the match-all
    // character standing for any text, regular expressions match anywhere.
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;
    // As matches, for a text.
    bool matchesText(const QString& text) const;

private:
    // Builds m_compiled when it is out of date; a rule that does not
    // compile stays invalid, matches nothing and is logged once.
    void compile() const;

    // A rule that needs no regular expression: its literal text is the
    // whole text, its start, its end or any part of it (or it passes all).
    struct Literal
    {
        enum Kind
        {
            None,
            Whole,
            Prefix,
            Suffix,
            Part,
            Any
        };
        Kind kind = None;
        QString text;
        bool hits(const QString& text, Qt::CaseSensitivity cs) const;
    };
    Literal literalOf(const ValueFilterTextItem& item) const;

    QList<ValueFilterTextItem> m_items;
    mutable QVector<QRegularExpression> m_compiled;
    mutable QVector<Literal> m_literals;
    mutable bool m_compiledValid = false;
};
