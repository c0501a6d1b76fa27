#include "colors/ColorAliasMemo.h"

#include <QPair>

ColorAliasMemo* ColorAliasMemo::s_active = nullptr;

ColorAliasMemo::ColorAliasMemo(const QMap<QString, QSharedPointer<Color>>& colors)
    : m_colors(colors)
    , m_previous(s_active)
{
    s_active = this;
}

ColorAliasMemo::~ColorAliasMemo()
{
    s_active = m_previous;
}

ColorAliasMemo* ColorAliasMemo::activeFor(const QMap<QString, QSharedPointer<Color>>& colors)
{
    return s_active && &s_active->m_colors == &colors ? s_active : nullptr;
}

ColorAliasMemo::Outcome ColorAliasMemo::resolve(const Color::ColorEntry& start)
{
    QVector<QString> path;       // the names walked, not known before
    QHash<QString, int> onPath;  // their positions in path
    QVector<QPair<const Color::ColorEntry*, const Color::ColorEntry*>> chain;
    const Color::ColorEntry* entry = &start;
    for (;;) {
        const QString& name = entry->m_alias;
        const auto known = m_records.constFind(name);
        if (known != m_records.cend()) {
            recordFailure(path, *known, name);
            break;
        }
        const auto repeated = onPath.constFind(name);
        if (repeated != onPath.cend()) {
            recordNewCycle(path, repeated.value());
            break;
        }
        onPath.insert(name, path.size());
        path.append(name);
        const auto found = m_colors.constFind(name);
        if (found == m_colors.cend()) {
            Record missing;
            missing.kind = Kind::Missing;
            missing.entry = entry;
            missing.alias = name;
            recordFailure(path, missing, name);
            break;
        }
        const QVector<QSharedPointer<Color::ColorEntry>>& entries = found.value()->m_entries;
        if (entries.isEmpty()) {
            recordFailure(path, Record(), name);
            break;
        }
        const Color::ColorEntry* first = entries.first().data();
        chain.append(qMakePair(entry, first));
        if (!first->isAlias() || first->m_hasColor) {
            if (!first->m_hasColor)
                recordFailure(path, Record(), name);
            break;
        }
        entry = first;
    }
    // A colour found at the end goes back along the whole chain.
    for (int i = chain.size() - 1; i >= 0; --i) {
        const Color::ColorEntry* first = chain.at(i).second;
        if (first->m_hasColor) {
            chain.at(i).first->m_color = first->m_color;
            chain.at(i).first->m_hasColor = true;
        }
    }
    if (start.m_hasColor)
        return Outcome();
    return outcomeOf(start.m_alias, m_records.value(start.m_alias));
}

// The names of path lead to endName, whose chain ends as end tells.
void ColorAliasMemo::recordFailure(const QVector<QString>& path, const Record& end, const QString& endName)
{
    for (int i = 0; i < path.size(); ++i) {
        Record record = end;
        if (end.kind == Kind::Loop) {
            record.distance = end.distance + path.size() - i;
            record.next = i + 1 < path.size() ? path.at(i + 1) : endName;
        }
        m_records.insert(path.at(i), record);
    }
}

// path from cycleStart on is a loop; the names before it lead into it.
void ColorAliasMemo::recordNewCycle(const QVector<QString>& path, int cycleStart)
{
    const int cycle = m_cycles.size();
    m_cycles.append(path.mid(cycleStart));
    Record record;
    record.kind = Kind::Loop;
    record.cycle = cycle;
    for (int i = 0; i < path.size(); ++i) {
        record.entryPosition = i < cycleStart ? 0 : i - cycleStart;
        record.distance = i < cycleStart ? cycleStart - i : 0;
        record.next = i < cycleStart ? path.at(i + 1) : QString();
        m_records.insert(path.at(i), record);
    }
}

ColorAliasMemo::Outcome ColorAliasMemo::outcomeOf(const QString& startName, const Record& record) const
{
    Outcome outcome;
    outcome.kind = record.kind;
    if (record.kind == Kind::Missing) {
        outcome.entry = record.entry;
        outcome.alias = record.alias;
    } else if (record.kind == Kind::Loop) {
        // A walk from startName meets the cycle at entryPosition, goes round
        // it once and stops at the name it entered by.
        const QVector<QString>& cycle = m_cycles.at(record.cycle);
        const int length = cycle.size();
        outcome.alias = cycle.at(record.entryPosition);
        const QString& last = cycle.at((record.entryPosition + length - 1) % length);
        outcome.entry = m_colors.value(last)->m_entries.first().data();
        outcome.start = startName;
    }
    return outcome;
}

QString ColorAliasMemo::loopStack(const Outcome& loop) const
{
    const Record record = m_records.value(loop.start);
    if (record.kind != Kind::Loop)
        return QString();
    // The names in front of the cycle, then the cycle once round from
    // where the walk enters it.
    const QVector<QString>& cycle = m_cycles.at(record.cycle);
    const int total = record.distance + cycle.size();
    const int shown = qMin(total, int(kMaxStackNames));
    QStringList names;
    names.reserve(shown);
    QString name = loop.start;
    for (int i = 0; i < record.distance && i < shown; ++i) {
        names.append(name);
        name = m_records.constFind(name)->next;
    }
    for (int i = names.size(); i < shown; ++i)
        names.append(cycle.at((record.entryPosition + i - record.distance) % cycle.size()));
    QString stack = names.join(QLatin1Char(':'));
    if (total > kMaxStackNames)
        stack += QStringLiteral(":... (%1 more)").arg(total - kMaxStackNames);
    return stack;
}
