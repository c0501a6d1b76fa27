// Feeds arbitrary text to the colour database line parser. Every colour it
// returns must be whole: each entry either has a valid colour or names an
// alias, with a duration that fits its kind of value.
#include <colors/ColorEngine.h>

#include <filtervalues/WildcardConfig.h>

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogError);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QSharedPointer<Color> color = ColorEngine::parseColorLine(&producer, line);
        if (!color)
            continue;
        // A quoted name may hold any character but loses its quotes ("\"\"\"" names "").
        if (color->m_name.contains(QLatin1Char('"')))
            abort();
        bool blinking = false;
        for (const QSharedPointer<Color::ColorEntry>& entry : color->m_entries) {
            if (entry->m_hasColor ? !entry->m_color.isValid() : !entry->isAlias())
                abort();
            if (entry->m_duration < 0)
                abort();
            blinking = blinking || entry->m_duration > 0;
        }
        // A value is steady (all 0) or blinking (all at least 1), never mixed.
        for (const QSharedPointer<Color::ColorEntry>& entry : color->m_entries) {
            if (blinking && entry->m_duration == 0)
                abort();
        }
    }
    return 0;
}
