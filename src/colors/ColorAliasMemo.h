#pragma once

#include "colors/Color.h"
#include "qvas_export.h"

#include <QHash>
#include <QMap>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

// Remembers, while the aliases of one colour map are resolved, where every
// alias chain walked so far ends when it ends without a colour: at a name
// that is not loaded, at a colour without entries, or in a loop. A chain
// that reaches a colour leaves its colour on every entry it passed, so only
// the failures need remembering. With the memo, resolving all the aliases
// of a map walks every name once, however the chains share their tails;
// without it a chain of n links ending at a missing name is walked n times.
//
// The memo is found through the scope that created it rather than passed
// along, because alias resolution keeps the signatures every caller knows:
// while a memo lives, Color::ColorEntry::findColorForAlias called with an
// empty search stack on the same map resolves through it, and leaves the
// search stack empty. The colours of the map must not change meanwhile.
class QVAS_EXPORT ColorAliasMemo
{
public:
    // Quiet: a colour was reached, or the chain ended without one and
    // without a message (a colour without entries).
    enum class Kind { Quiet, Missing, Loop };

    // How a chain ended: for Missing the entry whose alias is missing and
    // that alias; for Loop the entry whose alias closes the loop, that
    // alias; start is the alias the walk began with.
    struct Outcome
    {
        Kind kind = Kind::Quiet;
        const Color::ColorEntry* entry = nullptr;
        QString alias;
        QString start;
    };

    explicit ColorAliasMemo(const QMap<QString, QSharedPointer<Color>>& colors);
    ~ColorAliasMemo();
    ColorAliasMemo(const ColorAliasMemo&) = delete;
    ColorAliasMemo& operator=(const ColorAliasMemo&) = delete;

    // The memo that lives for colors, or null.
    static ColorAliasMemo* activeFor(const QMap<QString, QSharedPointer<Color>>& colors);

    // Walks the chain of start's alias as far as it is not known yet, gives
    // every entry on the way the colour at its end when there is one, and
    // tells how the chain ended.
    Outcome resolve(const Color::ColorEntry& start);
    // The names a walk from loop.start takes until it meets a name again,
    // joined with ':' (built only for a message, as it may be long).
    QString loopStack(const Outcome& loop) const;

    // A loop message names at most this many of the walked names; a longer
    // stack is cut with a count of the names left out, so that the messages
    // of n entries in front of a loop stay linear in n.
    static const int kMaxStackNames = 32;

private:
    struct Record
    {
        Kind kind = Kind::Quiet;
        const Color::ColorEntry* entry = nullptr;  // Missing: the entry whose alias is missing
        QString alias;                              // Missing: the missing name
        int cycle = -1;                             // Loop: index into m_cycles
        int entryPosition = 0;                      // Loop: where the chain enters its cycle
        int distance = 0;                           // Loop: names walked before the cycle
        QString next;                               // Loop, in front of the cycle: the name after
    };

    void recordFailure(const QVector<QString>& path, const Record& end, const QString& endName);
    void recordNewCycle(const QVector<QString>& path, int cycleStart);
    Outcome outcomeOf(const QString& startName, const Record& record) const;

    const QMap<QString, QSharedPointer<Color>>& m_colors;
    QHash<QString, Record> m_records;
    QVector<QVector<QString>> m_cycles;
    ColorAliasMemo* m_previous;

    static ColorAliasMemo* s_active;
};
