#include "filtervalues/ValueFilterText.h"

#include "filtervalues/WildcardPattern.h"
#include "logging/MsgLoggingMessage.h"
#include "models/AlarmInstance.h"

#include <QRegularExpression>
#include <QStringList>

ValueFilterText::ValueFilterText(const WildcardConfig& config, const QString& valueId,
                                 Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
}

bool ValueFilterText::addItem(const QString& pattern, int method, bool exclude)
{
    if (pattern.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "empty pattern refused for " << propertyText();
        return false;
    }
    if (!ValueFilterTextItem::isValidMethod(method)) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "unknown match method " << method << " refused for " << propertyText();
        return false;
    }
    if (method == ValueFilterTextItem::MatchRegExp) {
        const QRegularExpression re(pattern);
        if (!re.isValid()) {
            MSG_LOG(this, MsgLoggerEnums::LogWarning)
                << "invalid regular expression '" << pattern << "' refused for " << propertyText()
                << ": " << re.errorString();
            return false;
        }
    }
    m_items.append(ValueFilterTextItem(pattern, method, exclude));
    m_compiledValid = false;
    return true;
}

bool ValueFilterText::isEmpty() const
{
    return m_items.isEmpty();
}

QString ValueFilterText::toString() const
{
    QStringList parts;
    for (const ValueFilterTextItem& item : m_items)
        parts << item.toString();
    return QStringLiteral("text ") + propertyText() + QStringLiteral(": ")
        + parts.join(QStringLiteral(" | "));
}

bool ValueFilterText::isEqual(const ValueFilter& other) const
{
    const auto* text = dynamic_cast<const ValueFilterText*>(&other);
    return text && isSameProperty(other) && text->m_items == m_items;
}

void ValueFilterText::setMatchCase(bool matchCase)
{
    ValueFilter::setMatchCase(matchCase);
    m_compiledValid = false;
}

ValueFilterText::Literal ValueFilterText::literalOf(const ValueFilterTextItem& item) const
{
    Literal literal;
    const QString& pattern = item.getPattern();
    if (item.getMethod() == ValueFilterTextItem::MatchExact) {
        literal.kind = Literal::Whole;
        literal.text = pattern;
        return literal;
    }
    if (item.getMethod() != ValueFilterTextItem::MatchWildcard)
        return literal;
    // Only a match-all character at either end (or none) keeps a wildcard literal.
    const QChar all = getWildcardConfig().matchAllChar;
    const bool leading = pattern.startsWith(all);
    const bool trailing = pattern.size() > 1 && pattern.endsWith(all);
    literal.text = pattern.mid(leading ? 1 : 0, pattern.size() - (leading ? 1 : 0) - (trailing ? 1 : 0));
    if (literal.text.contains(all))
        return Literal();
    if (literal.text.isEmpty())
        literal.kind = leading ? Literal::Any : Literal::Whole;
    else
        literal.kind = leading ? (trailing ? Literal::Part : Literal::Suffix) : (trailing ? Literal::Prefix : Literal::Whole);
    return literal;
}

bool ValueFilterText::Literal::hits(const QString& subject, Qt::CaseSensitivity cs) const
{
    switch (kind) {
    case Whole:
        return subject.compare(text, cs) == 0;
    case Prefix:
        return subject.startsWith(text, cs);
    case Suffix:
        return subject.endsWith(text, cs);
    case Part:
        return subject.contains(text, cs);
    case Any:
        return true;
    case None:
        break;
    }
    return false;
}

void ValueFilterText::compile() const
{
    if (m_compiledValid)
        return;
    m_compiled.clear();
    m_compiled.reserve(m_items.size());
    // Literal rules skip the regular expression, whose every match costs
    // more than all the other filter kinds together.
    m_literals.clear();
    for (const ValueFilterTextItem& item : m_items)
        m_literals.append(literalOf(item));
    const QRegularExpression::PatternOptions options =
        (isMatchCase() ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption)
        | QRegularExpression::DotMatchesEverythingOption;
    for (const ValueFilterTextItem& item : m_items) {
        QString pattern;
        switch (item.getMethod()) {
        case ValueFilterTextItem::MatchExact:
            pattern = WildcardPattern::anchored(QRegularExpression::escape(item.getPattern()));
            break;
        case ValueFilterTextItem::MatchWildcard:
            pattern = WildcardPattern::anchored(
                WildcardPattern::toRegExp(item.getPattern(), getWildcardConfig().matchAllChar));
            break;
        default:
            pattern = item.getPattern();
            break;
        }
        QRegularExpression re(pattern, options);
        if (!re.isValid()) {
            MSG_LOG(this, MsgLoggerEnums::LogWarning)
                << "rule '" << item.getPattern() << "' of " << propertyText()
                << " does not compile and matches nothing: " << re.errorString();
        }
        m_compiled.append(re);
    }
    m_compiledValid = true;
}

bool ValueFilterText::matchesText(const QString& text) const
{
    compile();
    bool hasInclude = false;
    bool included = false;
    const Qt::CaseSensitivity cs = isMatchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < m_items.size(); ++i) {
        const Literal& literal = m_literals.at(i);
        const QRegularExpression& re = m_compiled.at(i);
        const bool hit = literal.kind != Literal::None ? literal.hits(text, cs) : re.isValid() && re.match(text).hasMatch();
        if (m_items.at(i).isExclude()) {
            if (hit)
                return false;
        } else {
            hasInclude = true;
            included = included || hit;
        }
    }
    return included || !hasInclude;
}

bool ValueFilterText::matches(const AlarmInstance& alarm, const AlarmProp& prop) const
{
    return matchesText(alarm.getDisplayText(prop));
}
