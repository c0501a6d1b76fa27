#include "filtervalues/ValueFilterText.h"

#include "logging/MsgLoggingMessage.h"

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
