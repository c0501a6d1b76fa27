#include "DemoMouseLibrary.h"

#include <scriptbridge/converter.h>
#include <scripts/Controller.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/TextVar.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const char* const DemoMouseLibrary::LibraryName = "qvasDemo/mouse.ctl";
const char* const DemoMouseLibrary::FunctionName = "demoMouseEvent";

void DemoMouseLibrary::registerWith(Controller& controller) const
{
    controller.registerFunction(QLatin1String(LibraryName), QLatin1String(FunctionName),
                                [](const DynVar& args) { return mouseEvent(args); });
}

Variable* DemoMouseLibrary::mouseEvent(const DynVar& arguments)
{
    const QVariantList args = converter::anyVariableToVariant(nullptr, &arguments).toList();
    const QVariantMap event = args.value(0).toMap();
    const QVariantMap alarm = args.value(1).toMap();
    const QString system = alarm.value(QStringLiteral("SYSTEM")).toString();
    auto push = [](const QString& label, int value, bool enabled = true) {
        return QJsonObject{{"type", "push"}, {"label", label}, {"value", value}, {"enabled", enabled}};
    };
    const bool unacknowledged = alarm.value(QStringLiteral("ACK_STATE")).toInt() == 0;
    const QJsonArray more{push(QStringLiteral("Acknowledge all of %1").arg(system), EntryAcknowledgeSystem),
                          push(QStringLiteral("Copy alarm text"), EntryCopyText)};
    const QJsonArray menu{
        QJsonObject{{"type", "label"}, {"label", alarm.value(QStringLiteral("ALERT_TEXT")).toString()}},
        QJsonObject{{"type", "separator"}},
        push(QStringLiteral("Acknowledge"), EntryAcknowledge, unacknowledged),
        push(QStringLiteral("Show details"), EntryDetails),
        push(QStringLiteral("Filter by system %1").arg(system), EntryFilterSystem),
        QJsonObject{{"type", "cascade"}, {"label", "More"}, {"items", more}}};
    auto* answer = new MappingVar;
    answer->setAt(new TextVar("menu"), new TextVar(QString::fromUtf8(QJsonDocument(menu).toJson(QJsonDocument::Compact))));
    answer->setAt(new TextVar("menuX"), new IntegerVar(event.value(QStringLiteral("screenX")).toInt()));
    answer->setAt(new TextVar("menuY"), new IntegerVar(event.value(QStringLiteral("screenY")).toInt()));
    return answer;
}
