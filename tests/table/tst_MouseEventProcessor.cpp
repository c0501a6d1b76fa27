#include "LogCapture.h"
#include "ScriptValues.h"

#include <access/ActionAccessOwner.h>
#include <access/EwoActions.h>
#include <table/MouseEventProcessor.h>

#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <scriptbridge/converter.h>
#include <scripts/Controller.h>

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

namespace {

// A processor that receives script-described menus, as a host's does.
class MenuProcessor : public MouseEventProcessor
{
    Q_OBJECT
public:
    using MouseEventProcessor::MouseEventProcessor;
    QList<QPair<QSharedPointer<MenuDescription>, QVariantList>> menus;

private slots:
    void menuRequested(const QSharedPointer<MenuDescription>& menu, const QVariantList& args)
    {
        menus.append({menu, args});
    }
};

// The alarm table grouped by system and priority, in a shown view.
struct Table
{
    Table()
        : model(new AlarmsModel(properties(), nullptr))
        , proxy(model, columns())
    {
        proxy.setConnectedSystems({"A"});
        GroupingConfiguration grouping;
        grouping.addRule(GroupingConfiguration::GroupByValue, "SYSTEM");
        grouping.addRule(GroupingConfiguration::GroupByValue, "PRIORITY");
        proxy.setGroupingConfiguration(grouping);
        QSharedPointer<AlarmInstance> went(new AlarmInstance(1, "A"));
        went->setValue(model->findProperty("ALERT_TEXT"), "Pump failure");
        went->setValue(model->findProperty("PRIORITY"), 70);
        went->setWent(true);
        QSharedPointer<AlarmInstance> alarm(new AlarmInstance(2, "A"));
        alarm->setValue(model->findProperty("ALERT_TEXT"), "Pump failure");
        alarm->setValue(model->findProperty("PRIORITY"), 80);
        alarm->setRelatedIdent(1);
        model->addAlarms({went, alarm});
        view.setModel(&proxy);
        view.expandAll();
        view.resize(600, 300);
        view.show();
    }
    static AlarmModelConfiguration properties()
    {
        AlarmModelConfiguration c;
        c.properties = {AlarmProp("SYSTEM", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                        AlarmProp("ALERT_TEXT", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                        AlarmProp("PRIORITY", Constants::ValueSourceDpe, AlarmProp::TypeInteger, "_prio"),
                        AlarmProp("COMMENT", Constants::ValueSourceAlarm, AlarmProp::TypeText)};
        return c;
    }
    static ProxyModelConfiguration columns()
    {
        ProxyModelConfiguration c;
        c.columns = {{"ALERT_TEXT", ""}, {"PRIORITY", ""}};
        return c;
    }
    // The index of the alarm with priority 80 in column, and its group nodes.
    QModelIndex alarmIndex(int column) const
    {
        const QModelIndex system = proxy.index(0, 0);
        return proxy.index(0, column, proxy.index(1, 0, system));
    }
    void press(const QModelIndex& index, Qt::MouseButton button, bool release = true)
    {
        const QPoint at = view.viewport()->mapTo(&view, view.visualRect(index).center());
        QTest::mousePress(view.windowHandle(), button, Qt::NoModifier, at);
        if (release)
            QTest::mouseRelease(view.windowHandle(), button, Qt::NoModifier, at);
    }

    QSharedPointer<AlarmsModel> model;
    AlarmsProxyModel proxy;
    QTreeView view;
};

MouseProcessorConfiguration scriptConfig(const QString& library, const QString& function)
{
    MouseProcessorConfiguration config;
    config.forwardToEwo = false;
    config.ctrlLibrary = library;
    config.ctrlFunction = function;
    return config;
}

} // namespace

class tst_MouseEventProcessor : public QObject
{
    Q_OBJECT
private slots:
    void clickCallsTheScriptTwice();
    void hostForwardingAndRoles();
    void groupNodeMenu();
    void sharedCheckInAndFailures();
};

// A click is a press and a click, each one call with the event, the alarm
// and its related alarm; the answer's menu reaches the derived slot.
void tst_MouseEventProcessor::clickCallsTheScriptTwice()
{
    Controller controller;
    QList<QVariantList> calls;
    controller.registerFunction("mouse.ctl", "onMouse", [&calls](const DynVar& args) -> Variable* {
        calls.append(converter::anyVariableToVariant(nullptr, &args).toList());
        return mapping({{text("menu"), text(R"([{"type": "push", "label": "Ack", "value": 1}])")},
                        {text("menuX"), integer(3)}, {text("menuY"), integer(4)}});
    });
    Table table;
    ActionAccessOwner access;
    MenuProcessor processor(nullptr, &access, nullptr);
    processor.setConfig(scriptConfig("mouse.ctl", "onMouse"));
    processor.connectToTable(&table.view);
    const QModelIndex alarm = table.alarmIndex(2);
    table.press(alarm, Qt::LeftButton);
    QTRY_COMPARE(calls.size(), 2);
    const QVariantMap pressed = calls.at(0).at(0).toMap();
    const QVariantMap clicked = calls.at(1).at(0).toMap();
    QCOMPARE(pressed.value("type").toInt(), 0);
    QCOMPARE(pressed.value("button").toInt(), 1);
    QCOMPARE(clicked.value("type").toInt(), 1);
    QCOMPARE(clicked.value("button").toInt(), 1);
    // The row of an alarm two groups deep, and back to its index.
    QCOMPARE(pressed.value("row").toList(), (QVariantList{0, 1, 0}));
    QCOMPARE(processor.buildRowIndex(&table.proxy, pressed.value("row").toList()), alarm.siblingAtColumn(0));
    QCOMPARE(processor.buildRowValue(alarm.parent()), (QVariantList{0, 1}));
    QVERIFY(!processor.buildRowIndex(&table.proxy, {0, 7}).isValid());
    QCOMPARE(pressed.value("columnSource").toInt(), int(Constants::ValueSourceDpe));
    QCOMPARE(pressed.value("columnId").toString(), QStringLiteral("_prio"));
    // Typed values; a property without value is sent with its shown text.
    const QVariantMap values = calls.at(0).at(1).toMap();
    QCOMPARE(values.value("PRIORITY").toInt(), 80);
    QCOMPARE(values.value("COMMENT"), QVariant(QString()));
    QCOMPARE(calls.at(0).at(2).toMap().value("PRIORITY").toInt(), 70);
    QTRY_COMPARE(processor.menus.size(), 2);
    QCOMPARE(processor.menus.first().first->getMenuX(), 3);
    QCOMPARE(processor.menus.first().second.at(0).toMap().value("type").toInt(), 0);
}

void tst_MouseEventProcessor::hostForwardingAndRoles()
{
    Table table;
    ActionAccessOwner access;
    MouseEventProcessor processor(nullptr, &access, nullptr);
    LogCapture log(&processor);
    processor.connectToTable(&table.view);
    QSignalSpy events(&processor, SIGNAL(tableMouseEvent(const QVariantList&)));
    processor.setAlarmDataRole(Qt::ToolTipRole);
    QCOMPARE(log.entries(), QStringList{"3|unexpected data role 3 for MouseEventProcessor"});
    processor.setAlarmDataRole(Qt::DisplayRole);
    table.press(table.alarmIndex(1), Qt::LeftButton);
    QCOMPARE(events.count(), 2);
    const QVariantList args = events.first().at(0).toList();
    QCOMPARE(args.size(), 3);
    QCOMPARE(args.at(1).toMap().value("PRIORITY"), QVariant(QStringLiteral("80")));
    QCOMPARE(args.at(0).toMap().value("columnId").toString(), QStringLiteral("ALERT_TEXT"));
    // A group row is no event; another model is logged and dropped.
    table.press(table.proxy.index(0, 0), Qt::LeftButton);
    QCOMPARE(events.count(), 2);
    QStandardItemModel other(1, 1);
    processor.tableCellClicked(other.index(0, 0));
    QCOMPARE(log.entries().last(), QStringLiteral("3|Table model is not AlarmsProxyModel"));
    QCOMPARE(events.count(), 2);
}

void tst_MouseEventProcessor::groupNodeMenu()
{
    Table table;
    ActionAccessOwner access;
    MouseEventProcessor processor(nullptr, &access, nullptr);
    processor.connectToTable(&table.view);
    QSignalSpy events(&processor, SIGNAL(tableMouseEvent(const QVariantList&)));
    table.view.collapseAll();
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            entries << action->text();
        menu->setActiveAction(menu->actions().first());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    table.press(table.proxy.index(0, 0), Qt::RightButton);
    QCOMPARE(entries, (QStringList{"Expand all nodes", "Collapse all nodes"}));
    QVERIFY(table.view.isExpanded(table.proxy.index(1, 0, table.proxy.index(0, 0))));
    // Hidden for this operator: only the other entry.
    access.setActionState(EwoActions::ExpandAllNodes, ActionAccess::Hidden);
    entries.clear();
    QTimer::singleShot(0, [&entries] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                entries << action->text();
            menu->close();
        }
    });
    table.press(table.proxy.index(0, 0), Qt::RightButton);
    QCOMPARE(entries, QStringList{"Collapse all nodes"});
    QCOMPARE(events.count(), 0);
}

void tst_MouseEventProcessor::sharedCheckInAndFailures()
{
    Controller controller;
    int calls = 0;
    controller.registerFunction("shared.ctl", "onMouse", [&calls](const DynVar&) -> Variable* {
        ++calls;
        return nullptr;
    });
    // Each check-in takes the next script id, so a check-in of our own tells how many happened.
    auto checkIns = [&controller] {
        return controller.checkIn(CharString("#uses \"shared.ctl\""), DynVar(), nullptr, nullptr, false, false, false);
    };
    QCOMPARE(checkIns(), 0);
    Table table;
    ActionAccessOwner access;
    const QModelIndex alarm = table.alarmIndex(1);
    {
        MouseEventProcessor first(nullptr, &access, nullptr);
        MouseEventProcessor second(nullptr, &access, nullptr);
        first.setConfig(scriptConfig("shared.ctl", "onMouse"));
        second.setConfig(scriptConfig("shared.ctl", "onMouse"));
        first.tableCellClicked(alarm);
        second.tableCellClicked(alarm);
        QTRY_COMPARE(calls, 2);
        QCOMPARE(checkIns(), 2);
    }
    // The last processor gone, the next one checks the library in again.
    MouseEventProcessor third(nullptr, &access, nullptr);
    LogCapture log(&third);
    third.setConfig(scriptConfig("shared.ctl", "onMouse"));
    third.tableCellDoubleClicked(alarm);
    QTRY_COMPARE(calls, 3);
    QCOMPARE(checkIns(), 4);
    // The function answered nothing: no menu.
    QTRY_COMPARE(log.entries(), QStringList{"3|No return value from CTRL function onMouse"});
    log.clear();
    // Empty names and unknown libraries or functions: logged, nothing called.
    third.setConfig(scriptConfig("shared.ctl", ""));
    third.tableCellClicked(alarm);
    third.setConfig(scriptConfig("", "onMouse"));
    third.tableCellClicked(alarm);
    third.setConfig(scriptConfig("shared.ctl", "noSuchFunction"));
    third.tableCellClicked(alarm);
    third.setConfig(scriptConfig("missing.ctl", "onMouse"));
    third.tableCellClicked(alarm);
    QCOMPARE(log.entries().join("\n"), QStringList({"3|Empty event CTRL function for MouseEventProcessor",
                                         "3|Empty CTRL library for MouseEventProcessor",
                                         "3|call of function noSuchFunction in library shared.ctl failed",
                                         "3|Failed to check in script, returned value -1, script: #uses \"missing.ctl\""}).join("\n"));
    QTest::qWait(20);
    QCOMPARE(calls, 3);
    // The retried check-in of the shared library logs through the processor
    // whose event retried it, not through the one that first checked it in.
    log.clear();
    MouseEventProcessor fourth(nullptr, &access, nullptr);
    LogCapture fourthLog(&fourth);
    fourth.setConfig(scriptConfig("missing.ctl", "onMouse"));
    fourth.tableCellClicked(alarm);
    QCOMPARE(fourthLog.entries(),
             QStringList{"3|Failed to check in script, returned value -1, script: #uses \"missing.ctl\""});
    QCOMPARE(log.count(), 0);
}

QTEST_MAIN(tst_MouseEventProcessor)
#include "tst_MouseEventProcessor.moc"
