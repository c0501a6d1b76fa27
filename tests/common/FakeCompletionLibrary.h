#pragma once

#include "ScriptValues.h"

#include <scriptbridge/converter.h>
#include <scripts/Controller.h>

#include <QStringList>

// A script library whose master function answers per property:
// "DPE" per system (each system S gets "S.dp1", "S.dp2"), "TEXT" and
// "ALERT_TEXT" depend on "DPE", any other a fixed list. The slave answers
// the texts typed for DPE.
class FakeLibrary
{
public:
    FakeLibrary(Controller& controller, const QString& name, bool withMaster = true)
    {
        if (withMaster)
            controller.registerFunction(name, QStringLiteral("master"), [this](const DynVar& a) { return master(a); });
        controller.registerFunction(name, QStringLiteral("slave"), [this](const DynVar& a) { return slave(a); });
    }

    QStringList calls;  // "function(arguments)" of every call, in order

private:
    Variable* master(const DynVar& args)
    {
        const QVariantList list = converter::anyVariableToVariant(nullptr, &args).toList();
        const QString property = list.value(0).toString();
        const QStringList systems = list.value(1).toStringList();
        calls << QStringLiteral("master(%1,%2)").arg(property, systems.join(QLatin1Char('|')));
        if (property == QLatin1String("DPE")) {
            auto* map = new MappingVar;
            for (const QString& s : systems)
                map->setAt(new TextVar(s), texts({s + ".dp1", s + ".dp2"}));
            return mapping({{text("type"), integer(3)}, {text("map"), map}});
        }
        if (property == QLatin1String("TEXT") || property == QLatin1String("ALERT_TEXT"))
            return mapping({{text("type"), integer(2)}, {text("list"), texts({"DPE"})}});
        return mapping({{text("type"), integer(1)}, {text("list"), texts({"1", "2", "3"})}});
    }

    Variable* slave(const DynVar& args)
    {
        const QVariantList list = converter::anyVariableToVariant(nullptr, &args).toList();
        const QString typed = list.value(1).toMap().value(QStringLiteral("DPE")).toString();
        calls << QStringLiteral("slave(%1,%2)").arg(list.value(0).toString(), typed);
        return mapping({{text("list"), texts({"alarm of " + typed})}});
    }
};
