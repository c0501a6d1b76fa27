#pragma once

#include <colors/ColorEngine.h>
#include <logging/MsgLoggingProducer.h>

#include <QHash>
#include <QPair>
#include <QSharedPointer>
#include <QStringList>

class MsgLoggerModel;

// Loads colour database folders with a colour engine of its own, as the
// alarm screen loads them, and keeps every message the engine logs on the
// way, tied to the file and line it concerns ("file:line: message").
class ColorDbChecker : public ColorEngine::LineObserver
{
public:
    ColorDbChecker();
    ~ColorDbChecker() override;

    // Loads the colour databases of dirs, the first taking precedence as the
    // project path does. A dir is a project folder holding "colorDB", or the
    // "colorDB" folder itself.
    void load(const QStringList& dirs);

    // What loading reported, one line a message, in the order logged.
    const QStringList& problems() const { return m_problems; }
    int fileCount() const { return m_fileCount; }
    int refusedLineCount() const { return m_refusedLines; }
    int colorCount() const { return m_engine.getColorNames().size(); }

    // What name resolves to, as lines of text; false when it has no colour
    // (not defined and not a colour value, or an alias without colour).
    bool describe(const QString& name, QStringList& lines);

    void lineParsed(const QString& path, int lineNumber, const QSharedPointer<Color>& color) override;

private:
    // The messages logged since the last call, each behind location; the buffer is emptied.
    QStringList takeMessages(const QString& location);
    void resolveAliases();
    // "file:line" of the definition name has now; empty for a built-in name.
    QString locationOf(const QString& name) const;
    // The aliases walked from entry to the colour it takes, quoted and joined by " -> ".
    QString aliasChain(const Color::ColorEntry& entry) const;
    QString describeEntry(const Color::ColorEntry& entry, bool blinking) const;

    MsgLoggingProducer m_producer;
    QSharedPointer<MsgLoggerModel> m_buffer;
    ColorEngine m_engine;
    // The colour each line defined and its "file:line", by name; a later
    // definition of a name replaces the earlier one, as in the engine.
    QHash<QString, QPair<QSharedPointer<Color>, QString>> m_definedAt;
    QStringList m_problems;
    int m_fileCount = 0;
    int m_refusedLines = 0;
};
