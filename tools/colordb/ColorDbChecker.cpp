#include "ColorDbChecker.h"

#include <colors/ColorAliasMemo.h>

#include <environment/Resources.h>
#include <logging/MsgLoggerModel.h>

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace {

// A path under the working folder is shown relative to it, as a compiler does.
QString shownPath(const QString& path)
{
    const QString relative = QDir::current().relativeFilePath(path);
    return relative.startsWith(QLatin1String("..")) ? path : relative;
}

QString colorText(const QColor& color)
{
    QString text = color.name(QColor::HexRgb);
    if (color.alpha() != 255)
        text += QStringLiteral(" alpha %1").arg(color.alpha());
    return text;
}

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

ColorDbChecker::ColorDbChecker()
    : m_buffer(new MsgLoggerModel)
    , m_engine(&m_producer, nullptr)
{
    // Refused lines and alias failures are warnings and errors; the trace
    // of every item taken is not wanted. No function names: the texts are
    // shown to the author of the files, not to a developer.
    m_producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    m_producer.setLogFunc(MsgLoggingProducer::LogFuncNone);
    m_producer.setLogBuffer(m_buffer);
}

ColorDbChecker::~ColorDbChecker() = default;

void ColorDbChecker::load(const QStringList& dirs)
{
    // The engine reads the "colorDB" folder under each of the platform's
    // paths, visiting the last path first so that the first one wins.
    QStringList pathes;
    for (const QString& dir : dirs) {
        const QFileInfo info(dir);
        pathes << (info.fileName() == QLatin1String("colorDB") ? info.absolutePath() : info.absoluteFilePath());
    }
    Resources::pathes_.setPathes(pathes);
    const QVector<QString> files = m_engine.getColorDbs();
    m_problems << takeMessages(QString());
    for (const QString& path : files) {
        ++m_fileCount;
        m_engine.addColorDatabase(path, this);
        // Messages about the file as a whole (not a regular file, too large).
        m_problems << takeMessages(shownPath(path));
    }
    m_engine.addApplicationPaletteColors();
    resolveAliases();
}

void ColorDbChecker::lineParsed(const QString& path, int lineNumber, const QSharedPointer<Color>& color)
{
    const QString location = shownPath(path) + QLatin1Char(':') + QString::number(lineNumber);
    const QStringList messages = takeMessages(location);
    if (!messages.isEmpty())
        ++m_refusedLines;
    m_problems << messages;
    if (color)
        m_definedAt.insert(color->m_name, qMakePair(color, location));
}

void ColorDbChecker::resolveAliases()
{
    // What the engine's resolveAliases() does, in the same name order, one
    // colour at a time so that each message is told with the line of the
    // colour whose alias failed.
    QMap<QString, QSharedPointer<Color>> colors;
    for (const QString& name : m_engine.getColorNames())
        colors.insert(name, m_engine.getColor(name));
    const ColorAliasMemo memo(colors);
    for (auto it = colors.cbegin(); it != colors.cend(); ++it) {
        it.value()->resolveAliases(colors);
        m_problems << takeMessages(locationOf(it.key()));
    }
}

QString ColorDbChecker::locationOf(const QString& name) const
{
    const auto found = m_definedAt.constFind(name);
    // A built-in name replaces the database colour of that name.
    if (found == m_definedAt.cend() || found->first != m_engine.getColor(name))
        return QString();
    return found->second;
}

QStringList ColorDbChecker::takeMessages(const QString& location)
{
    QStringList messages;
    const QString prefix = location.isEmpty() ? QString() : location + QStringLiteral(": ");
    for (int row = 0; row < m_buffer->rowCount(); ++row)
        messages << prefix + m_buffer->messageAt(row);
    m_buffer->clear();
    return messages;
}

bool ColorDbChecker::describe(const QString& name, QStringList& lines)
{
    const bool known = m_engine.getColorNames().contains(name);
    // An unknown name is read as a colour value, as the alarm screen reads it.
    const QSharedPointer<Color> color = m_engine.getColor(name);
    const QStringList warnings = takeMessages(QString());
    if (!known) {
        lines << QStringLiteral("%1: not in the colour databases, read as a colour value").arg(quoted(name));
        lines << warnings;
        if (!warnings.isEmpty()) {
            lines << QStringLiteral("  not a colour value: shown as %1").arg(colorText(color->currentColor()));
            return false;
        }
    }
    const bool blinking = color->m_entries.size() >= 2 && color->m_entries.first()->m_duration > 0;
    QString header = quoted(name) + (blinking ? QStringLiteral(": blinking") : QStringLiteral(": steady"));
    if (!blinking && color->m_entries.size() >= 2)
        header += QStringLiteral(", shows the first of %1 entries").arg(color->m_entries.size());
    const QString location = locationOf(name);
    if (!location.isEmpty())
        header += QStringLiteral(" (") + location + QLatin1Char(')');
    lines << header;
    bool resolved = true;
    for (const QSharedPointer<Color::ColorEntry>& entry : qAsConst(color->m_entries)) {
        lines << QStringLiteral("  ") + describeEntry(*entry, blinking);
        resolved = resolved && entry->m_hasColor;
    }
    return resolved;
}

QString ColorDbChecker::describeEntry(const Color::ColorEntry& entry, bool blinking) const
{
    QString text = entry.m_hasColor ? colorText(entry.m_color) : QStringLiteral("no colour");
    if (blinking)
        text += QStringLiteral(" for %1 tick%2").arg(entry.m_duration).arg(entry.m_duration == 1 ? "" : "s");
    if (entry.isAlias())
        text += QStringLiteral(" through ") + aliasChain(entry);
    return text;
}

QString ColorDbChecker::aliasChain(const Color::ColorEntry& entry) const
{
    const QStringList names = m_engine.getColorNames();
    QStringList chain;
    QStringList walked;
    QString alias = entry.m_alias;
    while (!alias.isEmpty()) {
        if (walked.contains(alias)) {
            chain << quoted(alias) + QStringLiteral(" (loop)");
            break;
        }
        walked << alias;
        chain << quoted(alias);
        // getColor would add an unknown name; only known names are followed.
        if (!names.contains(alias)) {
            chain.last() += QStringLiteral(" (not defined)");
            break;
        }
        const QSharedPointer<Color> target = m_engine.getColor(alias);
        const bool next = !target->m_entries.isEmpty() && target->m_entries.first()->isAlias();
        alias = next ? target->m_entries.first()->m_alias : QString();
    }
    return chain.join(QStringLiteral(" -> "));
}
