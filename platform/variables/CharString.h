#pragma once

#include "qvplatform_export.h"

#include <QByteArray>
#include <QString>

// The platform's 8-bit text (UTF-8 here).
class QVPLATFORM_EXPORT CharString
{
public:
    CharString() = default;
    CharString(const char* text);
    explicit CharString(const QByteArray& bytes);

    void setCharStr(const char* text);
    const char* data() const { return m_bytes.constData(); }
    int len() const { return m_bytes.size(); }
    bool isEmpty() const { return m_bytes.isEmpty(); }

    QString toQString() const;
    static CharString fromQString(const QString& text);

    CharString operator+(const CharString& other) const;
    CharString operator+(char c) const;
    CharString& operator+=(const CharString& other);
    CharString& operator+=(char c);
    bool operator==(const CharString& other) const { return m_bytes == other.m_bytes; }
    bool operator!=(const CharString& other) const { return m_bytes != other.m_bytes; }

private:
    QByteArray m_bytes;
};
