#pragma once

#include "filtervalues/ValueFilter.h"
#include "alarmmodels_export.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// A text property filtered by a list of patterns, written as one text with
// the patterns separated by ";" or ",". A separator preceded by a backslash
// belongs to the pattern (the backslash is dropped); every other backslash
// is an ordinary character. Patterns are trimmed and empty ones skipped,
// so "Pump*; Valve*;" holds two. The match-all character of the wildcard
// configuration stands for any text, every other character for itself, and
// a pattern matches the whole text. A text passes when one pattern matches
// it. With emptyIsMatchAll, a text without any pattern stands for the
// match-all character, and a list of nothing but match-all patterns is the
// empty filter, as the editors show it.
class ALARMMODELS_EXPORT ValueFilterStringPattern : public ValueFilter
{
public:
    ValueFilterStringPattern(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                             bool matchCase);

    void setFilterText(const QString& text);
    // The text as it was set, separators and escapes included.
    const QString& getFilterText() const { return m_filterText; }
    // The patterns of the text, unescaped and trimmed.
    const QStringList& getPatterns() const { return m_patterns; }

    // No pattern; with emptyIsMatchAll, none but match-all patterns.
    bool isEmpty() const override;
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;
    void setMatchCase(bool matchCase) override;
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;
    bool matchesText(const QString& text) const;

    // The patterns of a list text, as setFilterText splits it.
    static QStringList splitPatterns(const QString& text);
    // Whether the character at index of text separates two patterns.
    static bool isSeparatorAt(const QString& text, int index);

private:
    // Whether pattern (with matchAll standing for any text) matches all of text.
    static bool wildcardMatch(const QChar* pattern, int patternSize, const QChar* text, int textSize,
                              QChar matchAll);
    // Folds the patterns for the case setting and indexes them by their
    // first character, so that a text is tried only against the patterns
    // that can match its first character.
    void compile() const;

    QString m_filterText;
    QStringList m_patterns;
    mutable QVector<QString> m_compiled;
    mutable QHash<ushort, QVector<int>> m_byFirstChar;
    // Patterns that start with the match-all character: tried on every text.
    mutable QVector<int> m_leadingMatchAll;
    mutable bool m_matchesAll = false;
    mutable bool m_compiledValid = false;
};
