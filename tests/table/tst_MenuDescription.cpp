#include "LogCapture.h"
#include "ScriptValues.h"

#include <table/MouseEventDoneCb.h>

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// The answer of a function: "menu" text and integer position, each left
// out when null.
Variable* answer(const char* menu, Variable* x = integer(10), Variable* y = integer(20))
{
    auto* map = new MappingVar;
    if (menu)
        map->setAt(text("menu"), text(menu));
    if (x)
        map->setAt(text("menuX"), x);
    if (y)
        map->setAt(text("menuY"), y);
    return map;
}

// An item tree as text: "push(Ack)=3" and so on, cascades with their items in brackets.
QString treeOf(const MenuDescription& menu)
{
    QStringList items;
    for (const QSharedPointer<MenuDescription>& item : menu.getItems()) {
        QString entry = item->toString();
        if (item->getType() == MenuDescription::Push || item->getType() == MenuDescription::Check)
            entry += QLatin1Char('=') + QString::number(item->getValue());
        if (item->getType() == MenuDescription::Check && item->isChecked())
            entry += QLatin1Char('*');
        if (!item->isEnabled())
            entry += QStringLiteral("(off)");
        if (item->getType() == MenuDescription::Cascade)
            entry += QLatin1Char('[') + treeOf(*item) + QLatin1Char(']');
        items << entry;
    }
    return items.join(QLatin1Char(' '));
}

} // namespace

class tst_MenuDescription : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void callbackEmitsValidMenusOnly();
};

void tst_MenuDescription::answers_data()
{
    QTest::addColumn<void*>("result");  // Variable*, owned by the test row's run
    QTest::addColumn<QString>("tree");   // empty: invalid
    QTest::addColumn<QStringList>("log");
    const QString f = "fn";
    QTest::newRow("one push") << static_cast<void*>(answer(R"([{"type": "push", "label": "Ack", "value": 3}])"))
                              << "push(Ack)=3" << QStringList();
    QTest::newRow("all types")
        << static_cast<void*>(answer(R"([{"type": "label", "label": "Pump 1"}, {"type": "separator"},
            {"type": "check", "label": "Blink", "value": 2.9, "checked": true, "enabled": false},
            {"type": "cascade", "label": "More", "items": [{"type": "push", "label": "Copy", "value": -1.7},
                {"type": "cascade", "label": "Empty"}]}])"))
        << "label(Pump 1) separator check(Blink)=2*(off) cascade(More)[push(Copy)=-1 cascade(Empty)[]]" << QStringList();
    QTest::newRow("no result") << static_cast<void*>(nullptr) << ""
                               << QStringList{"3|No return value from CTRL function fn"};
    QTest::newRow("not a mapping") << static_cast<void*>(text("menu")) << ""
                                   << QStringList{"3|The value returned by CTRL function fn is string, expected type is mapping"};
    QTest::newRow("no menuY") << static_cast<void*>(answer(R"([{"type": "separator"}])", integer(1), nullptr)) << ""
                              << QStringList{"3|mapping returned by fn doesn't contain key 'menuY'"};
    QTest::newRow("menuX of the wrong type")
        << static_cast<void*>(answer(R"([{"type": "separator"}])", mixed(text("1")))) << ""
        << QStringList{"3|value for 'menuX' key in mapping returned by fn has a type string, expected int"};
    QTest::newRow("empty menu text fails the yes/no test") << static_cast<void*>(answer("")) << "" << QStringList();
    QTest::newRow("not JSON") << static_cast<void*>(answer("[{")) << ""
                              << QStringList{"3|Failed to parse menu description returned by fn: unterminated object"};
    QTest::newRow("not an array") << static_cast<void*>(answer(R"({"type": "separator"})")) << ""
                                  << QStringList{"3|the root of menu description, returned by fn, is not array"};
    QTest::newRow("empty array") << static_cast<void*>(answer("[]")) << ""
                                 << QStringList{"3|Empty menu returned by fn"};
    QTest::newRow("item not an object") << static_cast<void*>(answer("[1]")) << ""
                                        << QStringList{"3|The item is not oject for root - "};
    QTest::newRow("capitalised type") << static_cast<void*>(answer(R"([{"type": "Push", "label": "x", "value": 1}])"))
                                      << "" << QStringList{"3|Unexpected value 'Push' of 'type' for root - "};
    QTest::newRow("label missing") << static_cast<void*>(answer(R"([{"type": "label"}])")) << ""
                                   << QStringList{"3|JSON object does not contain 'label' for root - "};
    QTest::newRow("label not text") << static_cast<void*>(answer(R"([{"type": "push", "label": 5, "value": 1}])"))
                                    << "" << QStringList{"3|The value of 'label' is not string for root - "};
    QTest::newRow("value as text")
        << static_cast<void*>(answer(R"([{"type": "push", "label": "Ack", "value": "2"}])")) << ""
        << QStringList{"3|the value of 'value' (2) is not number for push(Ack) at root - "};
    QTest::newRow("value missing") << static_cast<void*>(answer(R"([{"type": "push", "label": "Ack"}])")) << ""
                                   << QStringList{"3|missing 'value' for push(Ack) at root - "};
    QTest::newRow("checked as text")
        << static_cast<void*>(answer(R"([{"type": "check", "label": "B", "value": 1, "checked": "yes"}])")) << ""
        << QStringList{"3|value of 'checked' is not bool for root - "};
    QTest::newRow("enabled as number")
        << static_cast<void*>(answer(R"([{"type": "label", "label": "L", "enabled": 1}])")) << ""
        << QStringList{"3|value of 'enabled' is not bool for root - "};
    QTest::newRow("items not an array")
        << static_cast<void*>(answer(R"([{"type": "cascade", "label": "More", "items": {}}])")) << ""
        << QStringList{"3|the value of 'items' is not array for cascade(More) at root - "};
    // Every child of a cascade is parsed, so all their errors are logged; a
    // later top-level item is not read once one is invalid.
    QTest::newRow("invalid child in a cascade")
        << static_cast<void*>(answer(R"([{"type": "cascade", "label": "More", "items": [
               {"type": "separator"}, {"type": "push", "label": "A"}, {"type": "check", "label": "B", "value": "x"}]},
               {"type": "bogus"}])"))
        << ""
        << QStringList{"3|missing 'value' for push(A) at root - cascade(More) - ",
                       "3|the value of 'value' (x) is not number for check(B) at root - cascade(More) - "};
}

void tst_MenuDescription::answers()
{
    QFETCH(void*, result);
    QFETCH(QString, tree);
    QFETCH(QStringList, log);
    std::unique_ptr<Variable> owned(static_cast<Variable*>(result));
    MsgLoggingProducer producer;
    LogCapture capture(&producer);
    capture.clear();
    const MenuDescription menu(&producer, "fn", owned.get());
    QCOMPARE(menu.isValid(), !tree.isEmpty());
    QStringList errors;
    for (const QString& entry : capture.entries()) {
        if (!entry.startsWith(QLatin1String("0|")))
            errors << entry;
    }
    if (tree.isEmpty()) {
        QCOMPARE(errors.size(), log.size());
        for (int i = 0; i < log.size(); ++i)
            QVERIFY2(errors.at(i).startsWith(log.at(i)), qPrintable(errors.at(i)));
        return;
    }
    QCOMPARE(errors, QStringList());
    QCOMPARE(treeOf(menu), tree);
    QCOMPARE(menu.toString(), QStringLiteral("root"));
    QCOMPARE(menu.getItems().first()->getParent(), &menu);
}

void tst_MenuDescription::callbackEmitsValidMenusOnly()
{
    MsgLoggingProducer producer;
    const QVariantList args{QVariantMap{{"type", 0}}};
    MouseEventDoneCb callback(&producer, "fn", args);
    QSignalSpy requested(&callback, SIGNAL(menuRequested(const QSharedPointer<MenuDescription>&, const QVariantList&)));
    std::unique_ptr<Variable> good(answer(R"([{"type": "push", "label": "Ack", "value": 1}])", integer(5), integer(6)));
    std::unique_ptr<Variable> bad(answer("[]"));
    callback.execute(bad.get());
    QCOMPARE(requested.count(), 0);
    callback.execute(good.get());
    QCOMPARE(requested.count(), 1);
    const auto menu = requested.first().at(0).value<QSharedPointer<MenuDescription>>();
    QCOMPARE(menu->getMenuX(), 5);
    QCOMPARE(menu->getMenuY(), 6);
    QCOMPARE(requested.first().at(1).toList(), args);
    // A clone calls the same function with the same arguments, without the connections.
    std::unique_ptr<DoneCB> copy(callback.clone());
    auto* clone = dynamic_cast<MouseEventDoneCb*>(copy.get());
    QVERIFY(clone);
    QSignalSpy cloned(clone, SIGNAL(menuRequested(const QSharedPointer<MenuDescription>&, const QVariantList&)));
    clone->execute(good.get());
    QCOMPARE(cloned.count(), 1);
    QCOMPARE(cloned.first().at(1).toList(), args);
    QCOMPARE(requested.count(), 1);
}

QTEST_MAIN(tst_MenuDescription)
#include "tst_MenuDescription.moc"
