#include <focus/InEwoFocusProcessor.h>

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

namespace {

// An EWO of line edits named by their place: "r<row>c<column>", placed at
// fixed positions so that screen order is known. Groups are plain widgets
// holding some of them.
struct Ewo
{
    QWidget outside;
    QLineEdit* before = new QLineEdit(&outside);
    QWidget* ewo = new QWidget(&outside);
    InEwoFocusProcessor processor{nullptr, ewo};

    Ewo()
    {
        before->setObjectName("before");
        before->setGeometry(0, 0, 50, 20);
        ewo->setGeometry(0, 30, 400, 200);
        outside.resize(400, 240);
    }

    QLineEdit* edit(const QString& name, int x, int y, QWidget* parent = nullptr)
    {
        auto* e = new QLineEdit(parent ? parent : ewo);
        e->setObjectName(name);
        e->setGeometry(x, y, 40, 20);
        return e;
    }

    QWidget* group(const QString& name, const QRect& geometry, QWidget* parent = nullptr)
    {
        auto* g = new QWidget(parent ? parent : ewo);
        g->setObjectName(name);
        g->setGeometry(geometry);
        return g;
    }

    bool show()
    {
        outside.show();
        return QTest::qWaitForWindowActive(&outside);
    }

    // The names of the focus widgets after each of count presses of key.
    QStringList walk(QWidget* start, int count, Qt::Key key = Qt::Key_Tab)
    {
        start->setFocus();
        QStringList names;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }
};

} // namespace

class tst_InEwoFocusProcessor : public QObject
{
    Q_OBJECT
private slots:
    void screenOrder();
    void tabGroups_data();
    void tabGroups();
    void nestedGroups();
    void focusTargets();
    void entryFromOutside_data();
    void entryFromOutside();
    void testGroupWidgetDeletedCrash();
};

// Rows top to bottom, left to right within a row, even when the widgets of
// a row sit a few pixels apart; the last target leaves Tab to Qt.
void tst_InEwoFocusProcessor::screenOrder()
{
    Ewo e;
    e.edit("r2c1", 10, 60);
    e.edit("r1c3", 110, 3);
    e.edit("r1c1", 10, 0);
    e.edit("r1c2", 60, 5);
    QVERIFY(e.show());
    QCOMPARE(e.walk(e.ewo->findChild<QWidget*>("r1c1"), 3), QStringList({"r1c2", "r1c3", "r2c1"}));
    QCOMPARE(e.walk(e.ewo->findChild<QWidget*>("r2c1"), 3, Qt::Key_Backtab), QStringList({"r1c3", "r1c2", "r1c1"}));
    // No wrap-around: the last target leaves Tab to Qt's own chain.
    e.ewo->findChild<QWidget*>("r2c1")->setFocus();
    QVERIFY(!e.processor.focusNextPrevEwoWidget(true));
    // A focus widget outside the EWO: nothing moves.
    e.before->setFocus();
    QVERIFY(!e.processor.focusNextPrevEwoWidget(true));
    QCOMPARE(QApplication::focusWidget(), e.before);
}

void tst_InEwoFocusProcessor::tabGroups_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("visited");
    // Screen order alone would visit w1 w2 w4 w5 w3: the group {w2, w3}
    // spans both rows and is one item of the top row.
    QTest::newRow("into and through the group") << "w1" << int(Qt::Key_Tab) << QStringList{"w2", "w3", "w4", "w5"};
    QTest::newRow("backwards out of the group") << "w5" << int(Qt::Key_Backtab)
                                                << QStringList{"w4", "w3", "w2", "w1"};
}

void tst_InEwoFocusProcessor::tabGroups()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QStringList, visited);
    Ewo e;
    e.edit("w5", 210, 0);
    QWidget* group = e.group("group", QRect(50, 0, 60, 60));
    e.edit("w3", 0, 35, group);
    e.edit("w4", 160, 0);
    e.edit("w1", 0, 0);
    e.edit("w2", 0, 0, group);
    e.processor.addTabGroup(group);
    e.processor.addTabGroup(group);  // the same group twice is registered once
    QVERIFY(e.show());
    QCOMPARE(e.walk(e.ewo->findChild<QWidget*>(start), visited.size(), Qt::Key(key)), visited);
}

// A widget of a nested group belongs to the inner group only.
void tst_InEwoFocusProcessor::nestedGroups()
{
    Ewo e;
    QWidget* outer = e.group("outer", QRect(0, 0, 200, 30));
    QWidget* inner = e.group("inner", QRect(100, 0, 100, 30), outer);
    QLineEdit* w2 = e.edit("w2", 0, 0, outer);
    QLineEdit* w3 = e.edit("w3", 0, 0, inner);
    QVERIFY(e.show());
    InEwoFocusProcessor::WidgetRect outerRect(outer, e.ewo, true);
    InEwoFocusProcessor::WidgetRect innerRect(inner, e.ewo, true);
    outerRect.checkForOtherIsChild(&innerRect);
    innerRect.checkForOtherIsChild(&outerRect);
    QList<InEwoFocusProcessor::WidgetRect*> groups{&outerRect, &innerRect};
    const InEwoFocusProcessor::WidgetRectCollection rects(nullptr, e.ewo, groups);
    QCOMPARE(rects.at(rects.indexOfWidget(w2))->owner, &outerRect);
    QCOMPARE(rects.at(rects.indexOfWidget(w3))->owner, &innerRect);
    QCOMPARE(outerRect.children.size(), 1);
    QVERIFY(innerRect.children.isEmpty());
}

// Hidden, disabled and popup children are no targets; a focus proxy stands
// for its widget once.
void tst_InEwoFocusProcessor::focusTargets()
{
    Ewo e;
    QWidget* inside = e.edit("inside", 0, 0);
    e.edit("hidden", 50, 0)->hide();
    e.edit("disabled", 100, 0)->setEnabled(false);
    QLineEdit* proxied = e.edit("proxied", 150, 0);
    e.group("holder", QRect(200, 0, 40, 20))->setFocusProxy(proxied);
    auto* popup = new QWidget(e.ewo, Qt::Popup);
    popup->setFocusPolicy(Qt::StrongFocus);
    QVERIFY(!InEwoFocusProcessor::widgetCanAcceptFocus(popup, e.ewo));
    QVERIFY(!InEwoFocusProcessor::widgetCanAcceptFocus(e.ewo, e.ewo));
    QVERIFY(!InEwoFocusProcessor::widgetCanAcceptFocus(e.before, e.ewo));
    QVERIFY(e.show());
    const InEwoFocusProcessor::WidgetRectCollection rects(nullptr, e.ewo);
    QCOMPARE(rects.size(), 2);
    QCOMPARE(rects.getFirstWidget(true), inside);
    QCOMPARE(rects.getFirstWidget(false), proxied);
}

void tst_InEwoFocusProcessor::entryFromOutside_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<QString>("focus");
    QTest::newRow("tab: first") << int(Qt::TabFocusReason) << true << "a";
    QTest::newRow("backtab: last") << int(Qt::BacktabFocusReason) << true << "c";
    QTest::newRow("window: last focused") << int(Qt::ActiveWindowFocusReason) << true << "b";
    QTest::newRow("mouse: left to Qt") << int(Qt::MouseFocusReason) << false << "before";
}

void tst_InEwoFocusProcessor::entryFromOutside()
{
    QFETCH(int, reason);
    QFETCH(bool, passed);
    QFETCH(QString, focus);
    Ewo e;
    e.edit("a", 0, 0);
    QLineEdit* b = e.edit("b", 50, 0);
    e.edit("c", 100, 0);
    QVERIFY(e.show());
    b->setFocus();
    e.before->setFocus();
    QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
    QCOMPARE(e.processor.processEwoFocusIn(&in), passed);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void tst_InEwoFocusProcessor::testGroupWidgetDeletedCrash()
{
    Ewo e;
    QWidget* outer = e.group("outer", QRect(0, 0, 200, 30));
    QWidget* inner = e.group("inner", QRect(0, 0, 100, 30), outer);
    e.edit("x", 0, 0, inner);
    QLineEdit* y = e.edit("y", 150, 0, outer);
    e.edit("z", 250, 0);
    e.processor.addTabGroup(outer);
    e.processor.addTabGroup(inner);
    QVERIFY(e.show());
    delete inner;
    QCOMPARE(e.walk(y, 1), QStringList{"z"});
    e.processor.removeTabGroup(outer);
    e.processor.removeTabGroup(outer);  // nothing left to remove
    QCOMPARE(e.walk(y, 1), QStringList{"z"});
}

QTEST_MAIN(tst_InEwoFocusProcessor)
#include "tst_InEwoFocusProcessor.moc"
