// Feeds arbitrary bytes to the filter set layout parser. A refused layout
// must leave the configuration empty and say why; an accepted one must say
// nothing and hold only items inside the grid.
#include <configuration/FilterViewConfiguration.h>

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FilterViewConfiguration config;
    const bool ok = config.fromJson(QByteArray(reinterpret_cast<const char*>(data), int(size)), QStringLiteral("F"));
    if (ok == !config.getErrorText().isEmpty())
        abort();
    if (!ok && (config.getViewKind() != 0 || !config.getItems().isEmpty()))
        abort();
    if (ok && config.getItems().size() > FilterViewConfiguration::MaxItems)
        abort();
    for (const FilterViewItemConfiguration& item : config.getItems()) {
        if (item.row < 0 || item.row > FilterViewConfiguration::MaxCell || item.column < 0
            || item.column > FilterViewConfiguration::MaxCell || item.filterDpName.isEmpty())
            abort();
    }
    return 0;
}
