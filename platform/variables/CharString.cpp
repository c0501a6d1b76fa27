#include "variables/CharString.h"

CharString::CharString(const char* text)
    : m_bytes(text)
{
}

CharString::CharString(const QByteArray& bytes)
    : m_bytes(bytes)
{
}

void CharString::setCharStr(const char* text)
{
    m_bytes = QByteArray(text);
}

QString CharString::toQString() const
{
    return QString::fromUtf8(m_bytes);
}

CharString CharString::fromQString(const QString& text)
{
    return CharString(text.toUtf8());
}

CharString CharString::operator+(const CharString& other) const
{
    return CharString(m_bytes + other.m_bytes);
}

CharString CharString::operator+(char c) const
{
    return CharString(m_bytes + c);
}

CharString& CharString::operator+=(const CharString& other)
{
    m_bytes += other.m_bytes;
    return *this;
}

CharString& CharString::operator+=(char c)
{
    m_bytes += c;
    return *this;
}
