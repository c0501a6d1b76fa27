#include "colors/Color.h"

#include <logging/MsgLoggingMessage.h>

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
    if (searchStack.contains(m_alias)) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "infinite loop detected while searching for alias: " << m_alias << ", search stack is "
            << searchStack.join(QLatin1Char(':'));
        return;
    }
    searchStack.append(m_alias);
    const auto found = colors.constFind(m_alias);
    if (found == colors.cend()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "alias '" << m_alias << "' is not found in loaded colors";
        return;
    }
    const QSharedPointer<Color>& target = found.value();
    if (target->m_entries.isEmpty())
        return;
    const QSharedPointer<ColorEntry>& first = target->m_entries.first();
    if (first->isAlias() && !first->m_hasColor)
        first->findColorForAlias(colors, searchStack);
    if (first->m_hasColor) {
        m_color = first->m_color;
        m_hasColor = true;
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
