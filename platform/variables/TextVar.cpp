#include "variables/TextVar.h"

TextVar::TextVar(const char* text)
    : m_value(text)
{
}

TextVar::TextVar(const QString& text)
    : m_value(CharString::fromQString(text))
{
}

Variable* TextVar::clone() const
{
    auto* copy = new TextVar;
    copy->m_value = m_value;
    return copy;
}

bool TextVar::isEqual(const Variable& other) const
{
    return other.isA() == TEXT_VAR && static_cast<const TextVar&>(other).m_value == m_value;
}

bool TextVar::isTrue() const
{
    const QString text = toQString().trimmed().toLower();
    return !(text.isEmpty() || text == QLatin1String("0") || text == QLatin1String("false")
             || text == QLatin1String("no"));
}
