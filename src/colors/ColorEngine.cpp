#include "colors/ColorEngine.h"

#include "colors/ColorAliasMemo.h"
#include "colors/ColorTextCursor.h"

#include <environment/FileSys.h>
#include <logging/MsgLoggingMessage.h>
#include <environment/Resources.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegExp>
#include <QTextStream>
#include <QTimer>

#include <cmath>
#include <limits>

QSharedPointer<ColorEngine> ColorEngine::m_instance;

namespace {

// Values are taken from a line by position, in overloads of the public
// text functions; their messages name the public function they serve, as
// the caller of that function sees it.
const char* const kTake255Signature = "static QColor ColorEngine::takeColor255Based(const MsgLoggingProducer*, QString&)";
const char* const kTake100Signature = "static QColor ColorEngine::takeColor100Based(const MsgLoggingProducer*, QString&)";
const char* const kTakeAliasSignature = "static QString ColorEngine::takeColorAlias(const MsgLoggingProducer*, QString&)";
const char* const kParseNextSignature =
    "static bool ColorEngine::parseNextColorDef(const MsgLoggingProducer*, QString&, bool, QSharedPointer<Color>&)";

} // namespace

namespace {

const int kBlinkIntervalMs = 125;

// The three or four numbers of a matched braced or bracketed colour, each
// multiplied by scale and truncated toward zero. alphaDefault stands in for
// a missing fourth number. False when a value is above 255.
bool componentsOf(const QString& matched, double scale, int alphaDefault, int (&rgba)[4])
{
    static const QRegExp number(QStringLiteral("\\d+"));
    double values[4] = {0, 0, 0, double(alphaDefault)};
    int count = 0;
    for (int pos = number.indexIn(matched, 0); pos >= 0 && count < 4;
         pos = number.indexIn(matched, pos + number.matchedLength())) {
        // Digits only, so the one failure is overflow: far above 255.
        bool ok = false;
        const double value = number.cap(0).toDouble(&ok);
        values[count++] = ok ? value : 1e300;
    }
    bool inRange = true;
    for (int i = 0; i < 4; ++i) {
        const double scaled = std::trunc(values[i] * scale);
        inRange = inRange && scaled <= 255;
        rgba[i] = inRange ? int(scaled) : 0;
    }
    return inRange;
}

QColor takeBracedColor(const MsgLoggingProducer* producer, ColorTextCursor& text, const QRegExp& colorPattern,
                       const char* logLabel, double scale, int alphaDefault, const char* shortName,
                       const char* signature)
{
    const int length = text.matchAt(colorPattern);
    if (length < 0)
        return QColor();
    const QString matched = text.peek(length);
    // Logged under the name of the take function that called this.
    if (MsgLoggingMessage::isLoggedBy(producer, MsgLoggerEnums::LogTrace))
        MsgLoggingMessage(producer, MsgLoggerEnums::LogTrace, shortName, signature) << logLabel << matched;
    int rgba[4];
    const bool inRange = componentsOf(matched, scale, alphaDefault, rgba);
    text.take(length);
    if (!inRange)
        return QColor();
    return QColor::fromRgb(rgba[0], rgba[1], rgba[2], rgba[3]);
}

} // namespace

ColorEngine::ColorEngine(const MsgLoggingProducer* producer, QObject* parent)
    : QObject(parent)
    , ColorUsageCounter(producer)
    , m_blinkTimer(new QTimer(this))
{
    m_blinkTimer->setInterval(kBlinkIntervalMs);
    connect(m_blinkTimer, SIGNAL(timeout()), this, SLOT(blinkingTimeout()));
    m_blinkTimer->start();
}

ColorEngine::~ColorEngine() = default;

ColorEngine::LineObserver::~LineObserver() = default;

QSharedPointer<ColorEngine> ColorEngine::getInstance(const MsgLoggingProducer* producer)
{
    if (!m_instance) {
        m_instance = QSharedPointer<ColorEngine>(new ColorEngine(producer, nullptr));
        m_instance->loadAllColorDbs();
    }
    return m_instance;
}

QSharedPointer<Color> ColorEngine::getColor(const QString& name) const
{
    const auto found = m_colors.constFind(name);
    if (found != m_colors.cend())
        return found.value();
    QSharedPointer<Color> color(new Color(this, name));
    parseColorValue(this, color, name);
    color->ensureNotEmpty();
    storeColor(name, color);
    return color;
}

QStringList ColorEngine::getColorNames() const
{
    return m_colors.keys();
}

void ColorEngine::loadAllColorDbs()
{
    for (const QString& path : getColorDbs())
        addColorDatabase(path);
    addApplicationPaletteColors();
    resolveAliases();
}

void ColorEngine::addColorDatabase(const QString& path)
{
    addColorDatabase(path, nullptr);
}

void ColorEngine::addColorDatabase(const QString& path, LineObserver* observer)
{
    const QMap<QString, QSharedPointer<Color>> colors = parseColorDatabaseFile(this, path, observer);
    for (auto it = colors.cbegin(); it != colors.cend(); ++it)
        storeColor(it.key(), it.value());
}

void ColorEngine::resolveAliases()
{
    // Chains that share their ends are walked once, whatever their number.
    const ColorAliasMemo memo(m_colors);
    for (const QSharedPointer<Color>& color : qAsConst(m_colors))
        color->resolveAliases(m_colors);
}

QVector<QString> ColorEngine::getColorDbs() const
{
    const PathList& pathes = Resources::pathes_;
    QVector<CharString> visited;
    for (int index = pathes.getNumberOfPathes() - 1; index >= 0; --index)
        visited.append(pathes.getPath(index));
    visited.append(pathes.getFurtherPath());

    QVector<QString> files;
    for (const CharString& path : qAsConst(visited)) {
        // An empty path would name a colorDB folder relative to the working directory.
        if (path.isEmpty())
            continue;
        QDir dir((path + CharString("colorDB") + FileSys::PATH_CHAR).toQString());
        addColorDbOfDir(dir, files);
    }
    return files;
}

void ColorEngine::addColorDbOfDir(QDir& dir, QVector<QString>& files) const
{
    QSet<QString> visited;
    addColorDbOfDir(dir, files, visited);
}

void ColorEngine::addColorDbOfDir(QDir& dir, QVector<QString>& files, QSet<QString>& visited) const
{
    if (!dir.exists())
        return;
    // A linked folder may lead back up the tree or to a folder listed
    // already; listing it again would read its files again, or never end.
    const QString canonical = dir.canonicalPath();
    if (visited.contains(canonical))
        return;
    visited.insert(canonical);
    const QFileInfo dirInfo(dir.absolutePath());
    if (!dirInfo.isReadable() || !dirInfo.isExecutable()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "color database folder is not readable, skipped: " << dir.absolutePath();
        return;
    }
    // System entries too, so that a dangling link is reported and not
    // silently left out.
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::System);
    for (const QFileInfo& entry : entries)
        addColorDbFile(entry, files);
    const QFileInfoList subDirs = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& subDirInfo : subDirs) {
        QDir subDir(subDirInfo.absoluteFilePath());
        addColorDbOfDir(subDir, files, visited);
    }
}

void ColorEngine::addColorDbFile(const QFileInfo& entry, QVector<QString>& files) const
{
    if (!entry.exists() || !entry.isReadable()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "color database file is not readable, skipped: " << entry.absoluteFilePath();
    } else if (!entry.isFile()) {
        // A device or a pipe (often through a link) would be read forever.
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "color database file is not a regular file, skipped: " << entry.absoluteFilePath();
    } else {
        files.append(entry.absoluteFilePath());
    }
}

void ColorEngine::addApplicationPaletteColors()
{
    addApplicationPaletteColor(QStringLiteral("_3DFace"), QPalette::Window);
    addApplicationPaletteColor(QStringLiteral("_3DText"), QPalette::WindowText);
    addApplicationPaletteColor(QStringLiteral("_Button"), QPalette::Button);
    addApplicationPaletteColor(QStringLiteral("_ButtonText"), QPalette::ButtonText);
    addApplicationPaletteColor(QStringLiteral("_ButtonShadow"), QPalette::Shadow);
    addApplicationPaletteColor(QStringLiteral("_Window"), QPalette::Base);
    addApplicationPaletteColor(QStringLiteral("_WindowText"), QPalette::Text);
    addApplicationPaletteColor(QStringLiteral("_ToolTip"), QPalette::ToolTipBase);
    addApplicationPaletteColor(QStringLiteral("_ToolTipText"), QPalette::ToolTipText);
    const QString transparent = QStringLiteral("_Transparent");
    storeColor(transparent, QSharedPointer<Color>(new Color(this, transparent, QColor::fromRgb(0, 0, 0, 0))));
}

void ColorEngine::addApplicationPaletteColor(const QString& name, QPalette::ColorRole role)
{
    const QColor color = QGuiApplication::palette().brush(QPalette::Active, role).color();
    storeColor(name, QSharedPointer<Color>(new Color(this, name, color)));
}

void ColorEngine::storeColor(const QString& name, const QSharedPointer<Color>& color) const
{
    m_colors.insert(name, color);
    if (color->m_entries.size() >= 2)
        m_blinking.insert(name, color);
    else
        m_blinking.remove(name);
}

void ColorEngine::removeProcessedStringPart(const QString& processed, QString& text)
{
    ColorTextCursor cursor(text);
    cursor.take(processed.length());
    cursor.storeRest(text);
}

QColor ColorEngine::takeColor255Based(const MsgLoggingProducer* producer, QString& text)
{
    ColorTextCursor cursor(text);
    const QColor color = takeColor255Based(producer, cursor);
    cursor.storeRest(text);
    return color;
}

QColor ColorEngine::takeColor255Based(const MsgLoggingProducer* producer, ColorTextCursor& text)
{
    static const QRegExp colorPattern(QStringLiteral(R"(^\{\s*\d+(\s*,\s*\d+){2,3}\s*\})"));
    return takeBracedColor(producer, text, colorPattern, "255 based: ", 1.0, 255, __func__, kTake255Signature);
}

QColor ColorEngine::takeColor100Based(const MsgLoggingProducer* producer, QString& text)
{
    ColorTextCursor cursor(text);
    const QColor color = takeColor100Based(producer, cursor);
    cursor.storeRest(text);
    return color;
}

QColor ColorEngine::takeColor100Based(const MsgLoggingProducer* producer, ColorTextCursor& text)
{
    static const QRegExp colorPattern(QStringLiteral(R"(^\[\s*\d+(\s*,\s*\d+){2,3}\s*\])"));
    return takeBracedColor(producer, text, colorPattern, "100 based: ", 2.55, 100, __func__, kTake100Signature);
}

QString ColorEngine::takeColorAlias(const MsgLoggingProducer* producer, QString& text)
{
    ColorTextCursor cursor(text);
    const QString alias = takeColorAlias(producer, cursor);
    cursor.storeRest(text);
    return alias;
}

QString ColorEngine::takeColorAlias(const MsgLoggingProducer* producer, ColorTextCursor& text)
{
    static const QRegExp colorPattern(QStringLiteral(R"(^\"(\s*\w+\s*)+\")"));
    const int length = text.matchAt(colorPattern);
    if (length < 0)
        return QString();
    const QString matched = text.peek(length);
    if (MsgLoggingMessage::isLoggedBy(producer, MsgLoggerEnums::LogTrace))
        MsgLoggingMessage(producer, MsgLoggerEnums::LogTrace, __func__, kTakeAliasSignature) << "alias: " << matched;
    text.take(length);
    return QString(matched).remove(QLatin1Char('"'));
}

bool ColorEngine::parseNextColorDef(const MsgLoggingProducer* producer, QString& text, bool blinking,
                                    QSharedPointer<Color>& color)
{
    ColorTextCursor cursor(text);
    const bool parsed = parseNextColorDef(producer, cursor, blinking, color);
    cursor.storeRest(text);
    return parsed;
}

bool ColorEngine::parseNextColorDef(const MsgLoggingProducer* producer, ColorTextCursor& text, bool blinking,
                                    QSharedPointer<Color>& color)
{
    static const QRegExp numberPattern(QStringLiteral(R"(^\d+)"));
    QColor value = takeColor255Based(producer, text);
    if (!value.isValid())
        value = takeColor100Based(producer, text);
    QString alias;
    if (!value.isValid()) {
        alias = takeColorAlias(producer, text);
        if (alias.isEmpty()) {
            if (MsgLoggingMessage::isLoggedBy(producer, MsgLoggerEnums::LogWarning)) {
                MsgLoggingMessage(producer, MsgLoggerEnums::LogWarning, __func__, kParseNextSignature)
                    << "unexpected syntax: don't known how to take next color from: " << text.rest();
            }
            return false;
        }
    }
    int duration = 0;
    if (blinking) {
        const int length = text.matchAt(numberPattern);
        if (length < 0)
            return true;  // an item without duration is dropped
        bool ok = false;
        duration = text.peek(length).toInt(&ok, 10);
        text.take(length);
        // An overflowing duration is far above 0, never "below 1".
        if (!ok)
            duration = std::numeric_limits<int>::max();
        if (duration < 1) {
            text.clear();
            return true;
        }
    }
    const MsgLoggingProducer* entryParent = color.data();
    if (value.isValid())
        color->m_entries.append(QSharedPointer<Color::ColorEntry>::create(entryParent, value, duration));
    else
        color->m_entries.append(QSharedPointer<Color::ColorEntry>::create(entryParent, alias, duration));
    return true;
}

bool ColorEngine::parseColorValue(const MsgLoggingProducer* producer, QSharedPointer<Color>& color,
                                  const QString& value)
{
    static const QRegExp animatedColorPattern(QStringLiteral(R"(<.+>)"));
    const bool blinking = animatedColorPattern.exactMatch(value);
    ColorTextCursor text = blinking ? ColorTextCursor(value, 1, value.length() - 1) : ColorTextCursor(value);
    while (!text.atEnd()) {
        if (!parseNextColorDef(producer, text, blinking, color)) {
            MSG_LOG(producer, MsgLoggerEnums::LogWarning)
                << "failed to parse color definition: " << value << ", stopped on: " << text.rest();
            return false;
        }
    }
    return true;
}

QSharedPointer<Color> ColorEngine::parseColorLine(const MsgLoggingProducer* producer, QString line)
{
    static const QRegExp colorDefPattern(QStringLiteral(R"(\s*(\"(?:\s*[\S\s]\s*)+\")(\s+N\s+)(.*))"));
    static const QRegExp colorByAliasPattern(
        QStringLiteral(R"(\s*(\"(?:\s*[\S\s]\s*)+\")\s+(\"(?:\s*[\S\s]\s*)+\")\s*)"));
    static const QRegExp colorDbNotColor(QStringLiteral(R"((\s*\d+\s*)+)"));

    QStringList parts;
    if (colorDefPattern.exactMatch(line)) {
        parts << colorDefPattern.cap(1) << colorDefPattern.cap(3);
    } else if (colorByAliasPattern.exactMatch(line)) {
        parts << colorByAliasPattern.cap(1) << colorByAliasPattern.cap(2);
    } else if (colorDbNotColor.exactMatch(line)) {
        return QSharedPointer<Color>();
    }
    if (parts.size() != 2) {
        MSG_LOG(producer, MsgLoggerEnums::LogWarning) << "the syntax of color line was not recognized: " << line;
        return QSharedPointer<Color>();
    }
    const QString name = parts.at(0).trimmed().remove(QLatin1Char('"'));
    QSharedPointer<Color> color(new Color(producer, name));
    if (!parseColorValue(producer, color, parts.at(1).trimmed()))
        return QSharedPointer<Color>();
    return color;
}

QMap<QString, QSharedPointer<Color>> ColorEngine::parseColorDatabaseFile(const MsgLoggingProducer* producer,
                                                                         const QString& path)
{
    return parseColorDatabaseFile(producer, path, nullptr);
}

QMap<QString, QSharedPointer<Color>> ColorEngine::parseColorDatabaseFile(const MsgLoggingProducer* producer,
                                                                         const QString& path,
                                                                         LineObserver* observer)
{
    QMap<QString, QSharedPointer<Color>> colors;
    const QFileInfo info(path);
    if (!info.exists())
        return colors;
    if (!info.isFile()) {
        MSG_LOG(producer, MsgLoggerEnums::LogWarning) << "color database file is not a regular file, skipped: " << path;
        return colors;
    }
    if (info.size() > kMaxFileBytes || !readColorDatabaseLines(producer, path, colors, observer)) {
        MSG_LOG(producer, MsgLoggerEnums::LogWarning)
            << "color database file is larger than " << kMaxFileBytes << " bytes, skipped: " << path;
        colors.clear();
    }
    return colors;
}

// Reads the lines of path into colors; false when the file turns out larger
// than the cap while it is read (it may grow, or misreport its size).
bool ColorEngine::readColorDatabaseLines(const MsgLoggingProducer* producer, const QString& path,
                                         QMap<QString, QSharedPointer<Color>>& colors, LineObserver* observer)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        MSG_LOG(producer, MsgLoggerEnums::LogWarning) << "color database file is not readable, skipped: " << path;
        return true;
    }
    QTextStream stream(&file);
    QString line;
    qint64 read = 0;
    int lineNumber = 0;
    // One more character than allowed tells a line that is too long.
    while (stream.readLineInto(&line, kMaxLineLength + 1)) {
        ++lineNumber;
        read += line.size() + 1;
        if (line.size() > kMaxLineLength) {
            MSG_LOG(producer, MsgLoggerEnums::LogWarning)
                << "color database line " << lineNumber << " is longer than " << kMaxLineLength
                << " characters, skipped: " << path;
            // The rest of the line comes in pieces; the last one is shorter.
            while (line.size() > kMaxLineLength && read <= kMaxFileBytes
                   && stream.readLineInto(&line, kMaxLineLength + 1))
                read += line.size();
            if (observer)
                observer->lineParsed(path, lineNumber, QSharedPointer<Color>());
        } else {
            const QSharedPointer<Color> color = parseColorLine(producer, line);
            if (color)
                colors.insert(color->m_name, color);
            if (observer)
                observer->lineParsed(path, lineNumber, color);
        }
        if (read > kMaxFileBytes)
            return false;
    }
    return true;
}

void ColorEngine::blinkingTimeout()
{
    for (auto it = m_blinking.cbegin(); it != m_blinking.cend(); ++it) {
        Color& color = *it.value();
        if (color.m_entries.size() < 2)
            continue;
        // An entry of duration 0 or below never ends; not counting its ticks
        // keeps the counter from overflowing over years of uptime.
        if (color.m_entries.at(color.m_currentEntry)->m_duration <= 0)
            continue;
        ++color.m_tickCount;
        if (color.m_tickCount != color.m_entries.at(color.m_currentEntry)->m_duration)
            continue;
        color.m_tickCount = 0;
        color.m_currentEntry = (color.m_currentEntry + 1) % color.m_entries.size();
        if (isColorUsed(it.key()))
            emit colorChanged(it.key(), color.currentColor());
    }
}
