// Feeds arbitrary bytes to the configuration parser. A refused document
// must leave the configuration exactly as it was and say why; an accepted
// one must say nothing.
#include <configuration/AlarmScreenConfiguration.h>
#include <configuration/JsonParser.h>

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

QString summary(const AlarmScreenConfiguration& c)
{
    const FilterWidgetConfiguration& fw = c.getFilterWidgetConfiguration();
    QStringList parts{QString::number(int(c.getLogThreshold())), QString::number(c.getLogFunc()),
                      QString(c.getWildcardConfig().matchAllChar),
                      QString::number(int(c.getWildcardConfig().emptyIsMatchAll)),
                      QString::number(c.getAlarmSourceConfiguration().archiveSourceMode),
                      fw.completionLibrary, fw.masterFunction, fw.slaveFunction, fw.panelPlugin,
                      QString::number(int(fw.noPanel)), QString::number(int(fw.sourceControl)),
                      QString::number(int(c.getUserSettings().defaultFilterAction))};
    for (auto it = fw.fixedCompletions.cbegin(); it != fw.fixedCompletions.cend(); ++it)
        parts << it.key() << it.value();
    return parts.join(QLatin1Char('|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AlarmScreenConfiguration config;
    config.filterWidgetConfiguration().completionLibrary = QStringLiteral("before");
    const QString before = summary(config);
    QString errMsg;
    const bool ok = JsonParser::parse(QByteArray(reinterpret_cast<const char*>(data), int(size)), config, errMsg);
    if (ok != errMsg.isEmpty())
        abort();
    if (!ok && summary(config) != before)
        abort();
    return 0;
}
