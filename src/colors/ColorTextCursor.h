#pragma once

#include <QString>

class QRegExp;

// A read position in the text of a colour value. Items are taken from the
// front by moving the position instead of copying the rest of the text, so
// that a value of any length is parsed in time linear in its length.
class ColorTextCursor
{
public:
    // The whole of text, or the characters from begin up to end.
    explicit ColorTextCursor(const QString& text);
    ColorTextCursor(const QString& text, int begin, int end);

    bool atEnd() const { return m_pos >= m_end; }
    // The text not taken yet.
    QString rest() const;
    // The length characters at the position.
    QString peek(int length) const;
    // Length of pattern's match starting at the position, -1 when there is
    // none. The pattern must start with ^ so that it is only tried there.
    int matchAt(const QRegExp& pattern) const;
    // Takes length characters, then blanks, one comma and blanks again; the
    // rest is trimmed at its end as well.
    void take(int length);
    // Takes everything.
    void clear();
    // Replaces text with the rest when something was taken.
    void storeRest(QString& text) const;

private:
    void skipBlanks();

    const QString& m_text;
    int m_pos;
    int m_end;
    bool m_taken = false;
};
