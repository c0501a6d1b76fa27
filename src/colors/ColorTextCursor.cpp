#include "colors/ColorTextCursor.h"

#include <QRegExp>

ColorTextCursor::ColorTextCursor(const QString& text)
    : ColorTextCursor(text, 0, text.size())
{
}

ColorTextCursor::ColorTextCursor(const QString& text, int begin, int end)
    : m_text(text)
    , m_pos(begin)
    , m_end(end)
{
}

QString ColorTextCursor::rest() const
{
    return m_text.mid(m_pos, m_end - m_pos);
}

QString ColorTextCursor::peek(int length) const
{
    return m_text.mid(m_pos, qMin(length, m_end - m_pos));
}

int ColorTextCursor::matchAt(const QRegExp& pattern) const
{
    if (pattern.indexIn(m_text, m_pos, QRegExp::CaretAtOffset) != m_pos)
        return -1;
    // A match running past the end would take characters that are not ours.
    const int length = pattern.matchedLength();
    return length <= m_end - m_pos ? length : -1;
}

void ColorTextCursor::take(int length)
{
    m_taken = true;
    m_pos = qMin(m_pos + length, m_end);
    // The first take trims the end; later ones find it trimmed.
    while (m_end > m_pos && m_text.at(m_end - 1).isSpace())
        --m_end;
    skipBlanks();
    if (!atEnd() && m_text.at(m_pos) == QLatin1Char(',')) {
        ++m_pos;
        skipBlanks();
    }
}

void ColorTextCursor::clear()
{
    m_taken = true;
    m_pos = m_end;
}

void ColorTextCursor::storeRest(QString& text) const
{
    if (m_taken)
        text = rest();
}

void ColorTextCursor::skipBlanks()
{
    while (m_pos < m_end && m_text.at(m_pos).isSpace())
        ++m_pos;
}
