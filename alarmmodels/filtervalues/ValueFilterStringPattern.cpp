#include "filtervalues/ValueFilterStringPattern.h"

#include "models/AlarmInstance.h"

namespace {
const QChar kEscape = QLatin1Char('\\');
} // namespace

ValueFilterStringPattern::ValueFilterStringPattern(const WildcardConfig& config, const QString& valueId,
                                                   Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
}

bool ValueFilterStringPattern::isSeparatorAt(const QString& text, int index)
{
    const QChar c = text.at(index);
    return (c == QLatin1Char(';') || c == QLatin1Char(',')) && (index == 0 || text.at(index - 1) != kEscape);
}

QStringList ValueFilterStringPattern::splitPatterns(const QString& text)
{
    QStringList patterns;
    QString current;
    for (int i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isSeparatorAt(text, i)) {
            current = current.trimmed();
            if (!current.isEmpty())
                patterns.append(current);
            current.clear();
            continue;
        }
        // The backslash of an escaped separator is dropped, any other is kept.
        if (text.at(i) == kEscape && i + 1 < text.size()
            && (text.at(i + 1) == QLatin1Char(';') || text.at(i + 1) == QLatin1Char(',')))
            continue;
        current.append(text.at(i));
    }
    return patterns;
}

void ValueFilterStringPattern::setFilterText(const QString& text)
{
    m_filterText = text;
    m_patterns = splitPatterns(text);
    if (m_patterns.isEmpty() && getWildcardConfig().emptyIsMatchAll)
        m_patterns.append(QString(getWildcardConfig().matchAllChar));
    m_compiledValid = false;
}

bool ValueFilterStringPattern::isEmpty() const
{
    if (!getWildcardConfig().emptyIsMatchAll)
        return m_patterns.isEmpty();
    // The match-all character is how the editors show the empty entry.
    const QChar matchAll = getWildcardConfig().matchAllChar;
    for (const QString& pattern : m_patterns) {
        if (pattern.count(matchAll) != pattern.size())
            return false;
    }
    return true;
}

QString ValueFilterStringPattern::toString() const
{
    return QStringLiteral("pattern ") + propertyText() + QStringLiteral(": ") + m_filterText;
}

bool ValueFilterStringPattern::isEqual(const ValueFilter& other) const
{
    const auto* pattern = dynamic_cast<const ValueFilterStringPattern*>(&other);
    return pattern && isSameProperty(other) && pattern->m_patterns == m_patterns;
}

void ValueFilterStringPattern::setMatchCase(bool matchCase)
{
    ValueFilter::setMatchCase(matchCase);
    m_compiledValid = false;
}

void ValueFilterStringPattern::compile() const
{
    if (m_compiledValid)
        return;
    const QChar matchAll = getWildcardConfig().matchAllChar;
    m_compiled.clear();
    m_byFirstChar.clear();
    m_leadingMatchAll.clear();
    m_matchesAll = false;
    for (const QString& pattern : m_patterns) {
        const QString folded = isMatchCase() ? pattern : pattern.toCaseFolded();
        if (folded.count(matchAll) == folded.size())
            m_matchesAll = true;
        if (folded.at(0) == matchAll)
            m_leadingMatchAll.append(m_compiled.size());
        else
            m_byFirstChar[folded.at(0).unicode()].append(m_compiled.size());
        m_compiled.append(folded);
    }
    m_compiledValid = true;
}

bool ValueFilterStringPattern::wildcardMatch(const QChar* pattern, int patternSize, const QChar* text,
                                             int textSize, QChar matchAll)
{
    // Greedy with a return to the last match-all character: a later one
    // makes the earlier ones final, so the work stays within
    // patternSize * textSize steps.
    int p = 0;
    int t = 0;
    int afterStar = -1;
    int starText = 0;
    while (t < textSize) {
        if (p < patternSize && pattern[p] == matchAll) {
            afterStar = ++p;
            starText = t;
        } else if (p < patternSize && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (afterStar >= 0) {
            p = afterStar;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < patternSize && pattern[p] == matchAll)
        ++p;
    return p == patternSize;
}

bool ValueFilterStringPattern::matchesText(const QString& text) const
{
    compile();
    if (m_matchesAll)
        return true;
    const QString subject = isMatchCase() ? text : text.toCaseFolded();
    const QChar matchAll = getWildcardConfig().matchAllChar;
    const auto tryAll = [&](const QVector<int>& indexes) {
        for (int i : indexes) {
            const QString& pattern = m_compiled.at(i);
            if (wildcardMatch(pattern.constData(), pattern.size(), subject.constData(), subject.size(), matchAll))
                return true;
        }
        return false;
    };
    if (!subject.isEmpty()) {
        const auto it = m_byFirstChar.constFind(subject.at(0).unicode());
        if (it != m_byFirstChar.constEnd() && tryAll(*it))
            return true;
    }
    return tryAll(m_leadingMatchAll);
}

bool ValueFilterStringPattern::matches(const AlarmInstance& alarm, const AlarmProp& prop) const
{
    return matchesText(alarm.getDisplayText(prop));
}
