#include "LogCapture.h"

#include <configuration/AlarmModelConfiguration.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <systems/ConnectionMapWidget.h>
#include <systems/SysConnectMonitor.h>

#include <QPaintEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

namespace {

void fillMonitor(int count)
{
    QMap<unsigned int, SystemInfo> systems;
    for (int i = 0; i < count; ++i)
        systems.insert(unsigned(i + 1), SystemInfo(QStringLiteral("S%1").arg(i, 2, 10, QLatin1Char('0')), true));
    SysConnectMonitor::getInstance()->setSystems(systems);
}

QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

AlarmsProxyModel* newProxy(const QSharedPointer<AlarmsModel>& alarms)
{
    return new AlarmsProxyModel(alarms, ProxyModelConfiguration());
}

QString colourAt(QWidget& w, const QPoint& p)
{
    const QColor c = w.grab().toImage().pixelColor(p);
    if (c == QColor(255, 0, 0))
        return QStringLiteral("red");
    if (c == QColor(0, 255, 0))
        return QStringLiteral("green");
    if (c == QColor(255, 255, 0))
        return QStringLiteral("yellow");
    return c.name();
}

// The rectangles of the paint events of the widget it filters.
class PaintLog : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            rects.append(static_cast<QPaintEvent*>(e)->rect());
        return false;
    }
    QVector<QRect> rects;
};

} // namespace

class tst_ConnectionMapWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void geometry_data();
    void geometry();
    void hitTests_data();
    void hitTests();
    void keypadEnterOnly();
    void colours();
    void proxyModelConnections();
    void oneChangeRepaintsItsSquare_data();
    void oneChangeRepaintsItsSquare();
};

void tst_ConnectionMapWidget::init()
{
    SysConnectMonitor::getInstance()->setSystems({});
}

void tst_ConnectionMapWidget::geometry_data()
{
    QTest::addColumn<int>("systems");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("squares");  // of S00, S01, the first of row 2 and the last system
    QTest::addColumn<QSize>("hint");
    QTest::newRow("5") << 5 << 1 << QStringList{"0,0 40x40", "40,0 40x40", "", "160,0 40x40"} << QSize(201, 41);
    QTest::newRow("6") << 6 << 2 << QStringList{"0,0 20x20", "20,0 20x20", "0,20 20x20", "40,20 20x20"} << QSize(61, 41);
    QTest::newRow("50") << 50 << 4 << QStringList{"0,0 10x10", "10,0 10x10", "0,10 10x10", "100,30 10x10"}
                        << QSize(131, 41);
}

// Squares fill rows by the number of systems; their side follows the height.
void tst_ConnectionMapWidget::geometry()
{
    QFETCH(int, systems);
    QFETCH(int, rows);
    QFETCH(QStringList, squares);
    QFETCH(QSize, hint);
    QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
    QScopedPointer<AlarmsProxyModel> proxy(newProxy(alarms));
    fillMonitor(systems);
    ConnectionMapWidget w;
    w.setProxyModel(proxy.data());
    LogCapture log(&w);
    QCOMPARE(w.findNumberOfRows(QSize()), rows);
    QVERIFY(w.buildSystemGeometry(QSize(300, 41)));
    QVERIFY(!w.buildSystemGeometry(QSize(300, 41)));
    const QList<ConnectionMapWidget::SystemConnectionInfo> infos = w.getSystems().values();
    const int perRow = (systems + rows - 1) / rows;
    QCOMPARE(rectText(infos.at(0).rect), squares.at(0));
    QCOMPARE(rectText(infos.at(1).rect), squares.at(1));
    if (rows > 1)
        QCOMPARE(rectText(infos.at(perRow).rect), squares.at(2));
    QCOMPARE(rectText(infos.last().rect), squares.at(3));
    QCOMPARE(w.sizeHint(), hint);
    QCOMPARE(log.entries().last(), QStringLiteral("0|systems %1, limit %2 X %3, size 300 x 41")
                                       .arg(systems).arg(hint.width()).arg(hint.height()));
}

void tst_ConnectionMapWidget::hitTests_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("tip");
    // 50 systems in 41 pixels: squares of 10, 13 to a row, 11 in the last.
    QTest::newRow("inside") << QPoint(15, 5) << "S01" << "S01";
    QTest::newRow("right border") << QPoint(9, 5) << "S00" << "";
    QTest::newRow("left border of the next") << QPoint(10, 5) << "S01" << "";
    QTest::newRow("bottom border") << QPoint(15, 9) << "S01" << "";
    QTest::newRow("beyond the last") << QPoint(115, 35) << "" << "";
    QTest::newRow("below the rows") << QPoint(5, 40) << "" << "";
}

// Clicks include the square's edges, tool tips exclude them.
void tst_ConnectionMapWidget::hitTests()
{
    QFETCH(QPoint, pos);
    QFETCH(QString, clicked);
    QFETCH(QString, tip);
    QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
    QScopedPointer<AlarmsProxyModel> proxy(newProxy(alarms));
    fillMonitor(50);
    ConnectionMapWidget w;
    w.setProxyModel(proxy.data());
    w.resize(300, 41);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy activated(&w, SIGNAL(activated(QString)));
    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, pos);
    QCOMPARE(activated.count(), 0);
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.at(0).at(0).toString(), clicked);

    // The tip of an earlier row fades out before this row asks for one.
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QHelpEvent help(QEvent::ToolTip, pos, w.mapToGlobal(pos));
    QVERIFY(QApplication::sendEvent(&w, &help));
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
}

void tst_ConnectionMapWidget::keypadEnterOnly()
{
    ConnectionMapWidget w;
    QSignalSpy activated(&w, SIGNAL(activated(QString)));
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.clearFocus();
    QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(activated.count(), 0);
    w.setFocus();
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(activated.count(), 0);
    QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.at(0).at(0).toString(), QString());
}

// Down is red whatever the connection; up is green or yellow by the model;
// a deleted model leaves every system not connected.
void tst_ConnectionMapWidget::colours()
{
    QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
    QScopedPointer<AlarmsProxyModel> proxy(newProxy(alarms));
    proxy->setConnectedSystems({"S00", "S01"});
    fillMonitor(3);
    ConnectionMapWidget w;
    w.setProxyModel(proxy.data());
    w.resize(200, 41);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint s0(20, 20), s1(60, 20), s2(100, 20);
    QCOMPARE(colourAt(w, s0) + colourAt(w, s1) + colourAt(w, s2), QStringLiteral("greengreenyellow"));

    SysConnectMonitor::getInstance()->setSystemConnected(1, false);
    proxy->connectToSystem(QStringLiteral("S02"));
    QCOMPARE(colourAt(w, s0) + colourAt(w, s1) + colourAt(w, s2), QStringLiteral("redgreengreen"));
    proxy->disconnectFromSystem(QStringLiteral("S00"));
    SysConnectMonitor::getInstance()->setSystemConnected(1, true);
    QCOMPARE(colourAt(w, s0), QStringLiteral("yellow"));

    proxy.reset();
    w.updateModelConnections();
    QCOMPARE(colourAt(w, s0) + colourAt(w, s1) + colourAt(w, s2), QStringLiteral("yellowyellowyellow"));
}

// The same model twice changes nothing; a second model replaces the first
// and the monitor stays connected once.
void tst_ConnectionMapWidget::proxyModelConnections()
{
    QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
    QScopedPointer<AlarmsProxyModel> first(newProxy(alarms));
    QScopedPointer<AlarmsProxyModel> second(newProxy(alarms));
    fillMonitor(2);
    ConnectionMapWidget w;
    LogCapture log(&w);
    w.setProxyModel(first.data());
    w.setProxyModel(first.data());
    w.setProxyModel(second.data());
    log.clear();
    first->connectToSystem(QStringLiteral("S00"));
    QVERIFY(!w.getSystems().value(QStringLiteral("S00")).modelConnected);
    second->connectToSystem(QStringLiteral("S01"));
    SysConnectMonitor::getInstance()->setSystem(3, QStringLiteral("S02"), false);
    QCOMPARE(log.entries().filter(QRegularExpression(QStringLiteral("^0\\|\\w+Changed$"))),
             QStringList({"0|connectedSystemsChanged", "0|systemListChanged"}));
    QVERIFY(w.getSystems().value(QStringLiteral("S01")).modelConnected);
    QCOMPARE(w.getSystems().size(), 3);
}

void tst_ConnectionMapWidget::oneChangeRepaintsItsSquare_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QRect>("square");
    // 50 systems 41 pixels high: 13 squares of 10 pixels to a row; S07 is system 8.
    QTest::newRow("system down") << "down" << QRect(70, 0, 10, 10);
    QTest::newRow("system back") << "up" << QRect(70, 0, 10, 10);
    QTest::newRow("model disconnected") << "disconnect" << QRect(70, 0, 10, 10);
    QTest::newRow("model connected") << "connect" << QRect(60, 0, 10, 10);
}

// One system changing among many repaints its own square, once.
void tst_ConnectionMapWidget::oneChangeRepaintsItsSquare()
{
    QFETCH(QString, change);
    QFETCH(QRect, square);
    QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
    QScopedPointer<AlarmsProxyModel> proxy(newProxy(alarms));
    proxy->setConnectedSystems({"S07"});
    fillMonitor(50);
    SysConnectMonitor* monitor = SysConnectMonitor::getInstance();
    if (change == QLatin1String("up"))
        monitor->setSystemConnected(8, false);
    ConnectionMapWidget w;
    w.setProxyModel(proxy.data());
    w.resize(200, 41);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.getSystems().value(QStringLiteral("S07")).rect, QRect(70, 0, 10, 10));
    PaintLog paints;
    w.installEventFilter(&paints);
    if (change == QLatin1String("down") || change == QLatin1String("up"))
        monitor->setSystemConnected(8, change == QLatin1String("up"));
    else if (change == QLatin1String("disconnect"))
        proxy->disconnectFromSystem(QStringLiteral("S07"));
    else
        proxy->connectToSystem(QStringLiteral("S06"));
    QTRY_COMPARE(paints.rects.size(), 1);
    QTest::qWait(20);
    // The outline reaches one pixel beyond the square.
    QCOMPARE(paints.rects, QVector<QRect>{square.adjusted(0, 0, 1, 1)});
}

QTEST_MAIN(tst_ConnectionMapWidget)
#include "tst_ConnectionMapWidget.moc"
