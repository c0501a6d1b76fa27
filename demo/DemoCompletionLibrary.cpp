#include "DemoCompletionLibrary.h"

#include <scripts/Controller.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/TextVar.h>
#include <scriptbridge/converter.h>

const char* const DemoCompletionLibrary::LibraryName = "qvasDemo/completions.ctl";

namespace {

DynVar* textList(const QStringList& list)
{
    auto* dyn = new DynVar;
    for (const QString& text : list)
        dyn->append(new TextVar(text));
    return dyn;
}

MappingVar* answer(int type)
{
    auto* map = new MappingVar;
    map->setAt(new TextVar("type"), new IntegerVar(type));
    return map;
}

} // namespace

DemoCompletionLibrary::DemoCompletionLibrary(const DemoAlarmData& data)
    : m_data(data)
{
}

void DemoCompletionLibrary::registerWith(Controller& controller) const
{
    const QString library = QLatin1String(LibraryName);
    controller.registerFunction(library, QStringLiteral("demoMasterCompletions"),
                                [this](const DynVar& args) { return master(args); });
    controller.registerFunction(library, QStringLiteral("demoSlaveCompletions"),
                                [this](const DynVar& args) { return slave(args); });
}

Variable* DemoCompletionLibrary::master(const DynVar& arguments) const
{
    const QVariantList args = converter::anyVariableToVariant(nullptr, &arguments).toList();
    const QString property = args.value(0).toString();
    if (property == QLatin1String("PRIORITY")) {
        MappingVar* result = answer(1);
        result->setAt(new TextVar("list"), textList(m_data.priorities()));
        return result;
    }
    if (property == QLatin1String("DPE")) {
        auto* perSystem = new MappingVar;
        for (const QString& system : args.value(1).toStringList())
            perSystem->setAt(new TextVar(system), textList(m_data.dpesOfSystem(system)));
        MappingVar* result = answer(3);
        result->setAt(new TextVar("map"), perSystem);
        return result;
    }
    if (property == QLatin1String("ALERT_TEXT")) {
        MappingVar* result = answer(2);
        result->setAt(new TextVar("list"), textList({QStringLiteral("DPE")}));
        return result;
    }
    return answer(0);
}

Variable* DemoCompletionLibrary::slave(const DynVar& arguments) const
{
    const QVariantList args = converter::anyVariableToVariant(nullptr, &arguments).toList();
    const QString dpePattern = args.value(1).toMap().value(QStringLiteral("DPE")).toString();
    auto* result = new MappingVar;
    result->setAt(new TextVar("list"), textList(m_data.textsForDpePattern(dpePattern)));
    return result;
}
