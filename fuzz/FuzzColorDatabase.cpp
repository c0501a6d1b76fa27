// Loads arbitrary bytes as a whole colour database file, resolves its
// aliases and lets the colours blink. An alias entry that got a colour has
// the colour of the first entry of the colour it names; every other entry
// that has a colour has a valid one.
#include <colors/ColorEngine.h>

#include <filtervalues/WildcardConfig.h>

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
    static WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogError);

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
    for (int tick = 0; tick < 8; ++tick)
        QMetaObject::invokeMethod(&engine, "blinkingTimeout", Qt::DirectConnection);
    return 0;
}
