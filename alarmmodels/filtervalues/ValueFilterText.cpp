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

void ValueFilterText::compile() const
{
    if (m_compiledValid)
        return;
    m_compiled.clear();
    m_compiled.reserve(m_items.size());
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
    for (int i = 0; i < m_items.size(); ++i) {
        const QRegularExpression& re = m_compiled.at(i);
        const bool hit = re.isValid() && re.match(text).hasMatch();
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
