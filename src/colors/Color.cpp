#include "colors/Color.h"

#include "colors/ColorAliasMemo.h"

#include <logging/MsgLoggingMessage.h>

#include <QPair>
#include <QSet>

namespace {

// Reports a chain that ended without a colour as findColorForAlias's own
// walk reports it.
void logUnresolved(const ColorAliasMemo& memo, const ColorAliasMemo::Outcome& outcome, const char* shortName,
                   const char* signature)
{
    if (outcome.kind == ColorAliasMemo::Kind::Quiet
        || !MsgLoggingMessage::isLoggedBy(outcome.entry, MsgLoggerEnums::LogError))
        return;
    MsgLoggingMessage message(outcome.entry, MsgLoggerEnums::LogError, shortName, signature);
    if (outcome.kind == ColorAliasMemo::Kind::Missing)
        message << "alias '" << outcome.alias << "' is not found in loaded colors";
    else
        message << "infinite loop detected while searching for alias: " << outcome.alias << ", search stack is "
                << memo.loopStack(outcome);
}

} // namespace

Color::ColorEntry::ColorEntry(const MsgLoggingProducer* producer)
    : MsgLoggingProducer(producer)
    , m_duration(-1)
    , m_hasColor(false)
{
}

Color::ColorEntry::ColorEntry(const MsgLoggingProducer* producer, const QColor& color, int duration)
    : MsgLoggingProducer(producer)
    , m_color(color)
    , m_duration(duration)
    , m_hasColor(true)
{
}

Color::ColorEntry::ColorEntry(const MsgLoggingProducer* producer, const QString& alias, int duration)
    : MsgLoggingProducer(producer)
    , m_alias(alias)
    , m_duration(duration)
    , m_hasColor(false)
{
}

void Color::ColorEntry::findColorForAlias(const QMap<QString, QSharedPointer<Color>>& colors,
                                          QStringList& searchStack) const
{
    if (searchStack.isEmpty()) {
        if (ColorAliasMemo* memo = ColorAliasMemo::activeFor(colors)) {
            // Logged under this function's own name, as the walk below logs.
            logUnresolved(*memo, memo->resolve(*this), __func__, Q_FUNC_INFO);
            return;
        }
    }
    // The chain is walked in a loop rather than by recursion, so that a chain
    // of any length fits the stack, and the walked names are also kept in a
    // set, so that the loop check does not search the whole stack each step.
    QSet<QString> walked(searchStack.cbegin(), searchStack.cend());
    // Each entry of the chain with the first entry of the colour it names;
    // the colours are copied back along the chain once its end is known.
    QVector<QPair<const ColorEntry*, const ColorEntry*>> chain;
    const ColorEntry* entry = this;
    for (;;) {
        if (walked.contains(entry->m_alias)) {
            MSG_LOG(entry, MsgLoggerEnums::LogError)
                << "infinite loop detected while searching for alias: " << entry->m_alias
                << ", search stack is " << searchStack.join(QLatin1Char(':'));
            break;
        }
        walked.insert(entry->m_alias);
        searchStack.append(entry->m_alias);
        const auto found = colors.constFind(entry->m_alias);
        if (found == colors.cend()) {
            MSG_LOG(entry, MsgLoggerEnums::LogError)
                << "alias '" << entry->m_alias << "' is not found in loaded colors";
            break;
        }
        const QSharedPointer<Color>& target = found.value();
        if (target->m_entries.isEmpty())
            break;
        const ColorEntry* first = target->m_entries.first().data();
        chain.append(qMakePair(entry, first));
        if (!first->isAlias() || first->m_hasColor)
            break;
        entry = first;
    }
    for (int i = chain.size() - 1; i >= 0; --i) {
        const ColorEntry* first = chain.at(i).second;
        if (first->m_hasColor) {
            chain.at(i).first->m_color = first->m_color;
            chain.at(i).first->m_hasColor = true;
        }
    }
}

Color::Color(const MsgLoggingProducer* producer)
    : MsgLoggingProducer(producer)
{
}

Color::Color(const MsgLoggingProducer* producer, const QString& name)
    : MsgLoggingProducer(producer)
    , m_name(name)
{
}

Color::Color(const MsgLoggingProducer* producer, const QString& name, const QString& aliasName)
    : MsgLoggingProducer(producer)
    , m_name(name)
{
    m_entries.append(QSharedPointer<ColorEntry>::create(this, aliasName, -1));
}

Color::Color(const MsgLoggingProducer* producer, const QString& name, const QColor& color)
    : MsgLoggingProducer(producer)
    , m_name(name)
{
    m_entries.append(QSharedPointer<ColorEntry>::create(this, color, -1));
}

Color::~Color() = default;

void Color::ensureNotEmpty()
{
    if (m_entries.isEmpty())
        m_entries.append(QSharedPointer<ColorEntry>::create(this, QColor::fromRgb(0, 0, 0, 255), -1));
}

void Color::resolveAliases(const QMap<QString, QSharedPointer<Color>>& colors)
{
    for (const QSharedPointer<ColorEntry>& entry : m_entries) {
        if (entry->isAlias() && !entry->m_hasColor) {
            QStringList searchStack;
            entry->findColorForAlias(colors, searchStack);
        }
    }
}

QColor Color::currentColor() const
{
    if (m_currentEntry < 0 || m_currentEntry >= m_entries.size())
        return QColor();
    return m_entries.at(m_currentEntry)->m_color;
}
