// Loads arbitrary bytes as a whole colour database file, resolves its
// aliases and lets the colours blink. An alias entry that got a colour has
// the colour of the first entry of the colour it names; every other entry
// that has a colour has a valid one. For inputs small enough, the engine's
// resolution (each chain walked once) gives every entry what walking each
// colour's chains alone gives, and logs the same alias messages in the same
// order (a loop's stack cut after the names a message names at most).
#include <colors/ColorAliasMemo.h>
#include <colors/ColorEngine.h>

#include <filtervalues/WildcardConfig.h>
#include <logging/MsgLoggerModel.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(const ColorEngine& engine)
{
    for (const QString& name : engine.getColorNames()) {
        const QSharedPointer<Color> color = engine.getColor(name);
        for (const QSharedPointer<Color::ColorEntry>& entry : color->m_entries) {
            if (!entry->m_hasColor)
                continue;
            if (!entry->m_color.isValid())
                abort();
            if (entry->isAlias() && engine.getColor(entry->m_alias)->m_entries.first()->m_color != entry->m_color)
                abort();
        }
    }
}

// The colours of path resolved colour by colour, each chain walked anew.
QMap<QString, QSharedPointer<Color>> walkedOneByOne(const MsgLoggingProducer* producer, const QString& path)
{
    QMap<QString, QSharedPointer<Color>> colors = ColorEngine::parseColorDatabaseFile(producer, path);
    for (const QSharedPointer<Color>& color : qAsConst(colors))
        color->resolveAliases(colors);
    return colors;
}

void compare(const ColorEngine& engine, const QMap<QString, QSharedPointer<Color>>& walked)
{
    for (auto it = walked.cbegin(); it != walked.cend(); ++it) {
        const QSharedPointer<Color> color = engine.getColor(it.key());
        if (color->m_entries.size() != it.value()->m_entries.size())
            abort();
        for (int i = 0; i < color->m_entries.size(); ++i) {
            const Color::ColorEntry& mine = *color->m_entries.at(i);
            const Color::ColorEntry& theirs = *it.value()->m_entries.at(i);
            if (mine.m_hasColor != theirs.m_hasColor || mine.m_color != theirs.m_color)
                abort();
        }
    }
}

// The messages of buffer as "severity|text"; with cut, a loop's stack is cut
// as the engine's resolution cuts it.
QStringList messagesOf(MsgLoggerModel& buffer, bool cut)
{
    static const QString stackIs = QStringLiteral(", search stack is ");
    QStringList messages;
    for (int row = 0; row < buffer.rowCount(); ++row) {
        QString text = buffer.messageAt(row);
        const int at = text.indexOf(stackIs);
        const QStringList names = text.mid(at + stackIs.size()).split(QLatin1Char(':'));
        if (cut && at >= 0 && names.size() > ColorAliasMemo::kMaxStackNames) {
            text = text.left(at + stackIs.size()) + names.mid(0, ColorAliasMemo::kMaxStackNames).join(QLatin1Char(':'))
                + QStringLiteral(":... (%1 more)").arg(names.size() - ColorAliasMemo::kMaxStackNames);
        }
        messages << QString::number(buffer.severityAt(row)) + QLatin1Char('|') + text;
    }
    buffer.clear();
    return messages;
}

// Walking chains anew for every colour is quadratic: only small inputs.
const size_t kCompareBelow = 16 * 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The engine's blink timer needs an application object (the replay
    // main makes one; libFuzzer's does not).
    static int argc = 1;
    static char name[] = "fuzz_ColorDatabase";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    static QTemporaryDir dir;
    // Alias messages only (parse warnings are of lower severity), each
    // resolution into its own buffer.
    static WildcardConfig producer;
    static WildcardConfig walker;
    static const QSharedPointer<MsgLoggerModel> logged(new MsgLoggerModel);
    static const QSharedPointer<MsgLoggerModel> walkLogged(new MsgLoggerModel);
    for (WildcardConfig* p : {&producer, &walker})
        p->setLogThreshold(MsgLoggerEnums::LogError);
    producer.setLogBuffer(logged);
    walker.setLogBuffer(walkLogged);
    logged->setMaxCount(1 << 20);
    walkLogged->setMaxCount(1 << 20);

    const QString path = dir.filePath(QStringLiteral("colors"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    ColorEngine engine(&producer, nullptr);
    engine.addColorDatabase(path);
    engine.resolveAliases();
    check(engine);
    if (size < kCompareBelow) {
        compare(engine, walkedOneByOne(&walker, path));
        if (messagesOf(*logged, false) != messagesOf(*walkLogged, true))
            abort();
    }
    logged->clear();
    for (int tick = 0; tick < 8; ++tick)
        QMetaObject::invokeMethod(&engine, "blinkingTimeout", Qt::DirectConnection);
    return 0;
}
