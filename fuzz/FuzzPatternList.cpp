// Feeds arbitrary text to the pattern list filter as its list text and
// matches a few alarm texts against it. Every pattern of the list must
// match its own text with the match-all characters taken out, in both case
// settings, and a list made only of patterns that match nothing must not
// match any text.
#include <filtervalues/ValueFilterStringPattern.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static WildcardConfig config;
    config.setLogThreshold(MsgLoggerEnums::LogError);
    // The first byte chooses the settings, the rest is the list text.
    const uint8_t flags = size > 0 ? data[0] : 0;
    config.emptyIsMatchAll = flags & 1;
    const QString text = size > 0 ? QString::fromUtf8(reinterpret_cast<const char*>(data + 1), int(size - 1)) : QString();
    ValueFilterStringPattern filter(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm, flags & 2);
    filter.setFilterText(text);
    bool onlyMatchAll = true;
    for (const QString& pattern : ValueFilterStringPattern::splitPatterns(text))
        onlyMatchAll = onlyMatchAll && pattern.count(config.matchAllChar) == pattern.size() && config.emptyIsMatchAll;
    if (filter.isEmpty() != onlyMatchAll)
        abort();
    static const QStringList alarms = {QStringLiteral("Pump 1 failure"), QStringLiteral("Valve2;open"),
                                       QString(), QStringLiteral("\\,*;"), QStringLiteral("STRASSE")};
    for (const QString& alarm : alarms)
        filter.matchesText(alarm);
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString& pattern : filter.getPatterns()) {
            if (pattern.isEmpty() || pattern != pattern.trimmed())
                abort();
            if (!filter.matchesText(QString(pattern).remove(config.matchAllChar)))
                abort();
        }
        filter.setMatchCase(!filter.isMatchCase());
    }
    return 0;
}
