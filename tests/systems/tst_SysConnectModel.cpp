#include <configuration/AlarmModelConfiguration.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <systems/SysConnectModel.h>
#include <systems/SysConnectMonitor.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The monitor with systems "S000".."S<n-1>", numbered in reverse name
// order so that the model has to sort them.
void fillMonitor(int count, int downIndex = -1)
{
    QMap<unsigned int, SystemInfo> systems;
    for (int i = 0; i < count; ++i)
        systems.insert(unsigned(count - i), SystemInfo(QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0')), i != downIndex));
    SysConnectMonitor::getInstance()->setSystems(systems);
}

// Every cell as "name" with "*" when checked and "!" when decorated; "-"
// for an empty cell; rows joined by "|".
QString gridText(const SysConnectModel& m)
{
    QStringList rows;
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m.columnCount(); ++c) {
            const QModelIndex i = m.index(r, c);
            QString cell = i.data().isValid() ? i.data().toString() : QStringLiteral("-");
            if (i.data(Qt::CheckStateRole).toInt() == Qt::Checked)
                cell += QLatin1Char('*');
            if (i.data(Qt::DecorationRole).isValid())
                cell += QLatin1Char('!');
            cells << cell;
        }
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('|'));
}

class Fixture
{
public:
    Fixture()
        : alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr))
        , proxy(alarms, ProxyModelConfiguration())
    {
    }
    QSharedPointer<AlarmsModel> alarms;
    AlarmsProxyModel proxy;
};

} // namespace

class tst_SysConnectModel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void grid_data();
    void grid();
    void checkFollowsProxyModel();
    void monitorChanges();
};

void tst_SysConnectModel::init()
{
    SysConnectMonitor::getInstance()->setSystems({});
}

void tst_SysConnectModel::grid_data()
{
    QTest::addColumn<int>("systems");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastRow");
    QTest::newRow("9") << 9 << 1 << 9 << "S008";
    QTest::newRow("10") << 10 << 1 << 10 << "S009";
    QTest::newRow("25") << 25 << 2 << 13 << "S024 -";
    QTest::newRow("49") << 49 << 4 << 13 << "S048 - - -";
    QTest::newRow("50") << 50 << 4 << 13 << "S048 S049 - -";
    QTest::newRow("120") << 120 << 4 << 30 << "S116 S117 S118 S119";
}

// The grid follows the number of systems, in name order; the empty cells
// of a short last row give nothing and take no check.
void tst_SysConnectModel::grid()
{
    QFETCH(int, systems);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QString, lastRow);
    Fixture f;
    fillMonitor(systems);
    SysConnectModel m(&f.proxy, true, nullptr);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(m.columnCount(), columns);
    QCOMPARE(m.rowCount(), rows);
    QCOMPARE(gridText(m).section(QLatin1Char('|'), -1), lastRow);
    QCOMPARE(m.index(0, 0).data().toString(), QStringLiteral("S000"));
    QCOMPARE(m.itemIndex(systems - 1).data().toString(), QStringLiteral("S%1").arg(systems - 1, 3, 10, QLatin1Char('0')));
    QVERIFY(!m.itemIndex(systems).isValid());
    QCOMPARE(m.findSystemIdx(QStringLiteral("S005")), 5);
    QCOMPARE(m.findSystemIdx(QStringLiteral("s005")), -1);

    const QModelIndex beyond = m.index(rows - 1, columns - 1);
    if (!beyond.data().isValid()) {
        QVERIFY(!beyond.data(Qt::CheckStateRole).isValid());
        QVERIFY(!m.setData(beyond, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(f.proxy.getConnectedSystems().isEmpty());
    }
}

// A click asks the proxy model; the check mark shows what the proxy model
// then reports, and nothing before.
void tst_SysConnectModel::checkFollowsProxyModel()
{
    Fixture f;
    fillMonitor(3);
    f.proxy.connectToSystem(QStringLiteral("S002"));
    SysConnectModel m(&f.proxy, true, nullptr);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(gridText(m), QStringLiteral("S000|S001|S002*"));
    QCOMPARE(int(m.flags(m.index(0, 0))), 51);
    QCOMPARE(m.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("System"));
    QVERIFY(!m.setData(m.index(0, 0), Qt::Checked, Qt::DisplayRole));

    QSignalSpy changed(&m, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)));
    {
        const QSignalBlocker silentProxy(&f.proxy);
        QVERIFY(m.setData(m.index(1, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(m.setData(m.index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
    }
    QCOMPARE(f.proxy.getConnectedSystems(), QStringList{"S001"});
    QCOMPARE(gridText(m), QStringLiteral("S000|S001|S002*"));
    QCOMPARE(changed.count(), 0);

    QMetaObject::invokeMethod(&f.proxy, "connectedSystemsChanged");
    QCOMPARE(gridText(m), QStringLiteral("S000|S001*|S002"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), m.index(1, 0));
    QCOMPARE(changed.at(1).at(0).toModelIndex(), m.index(2, 0));

    SysConnectModel readOnly(&f.proxy, false, nullptr);
    QCOMPARE(int(readOnly.flags(readOnly.index(0, 0))), 19);
}

// Systems going down and coming back change their cells; only a new system
// resets the model; a system the monitor forgets stays as it was.
void tst_SysConnectModel::monitorChanges()
{
    Fixture f;
    fillMonitor(10);
    SysConnectModel m(&f.proxy, true, nullptr);
    m.setIcon(QIcon(QPixmap(4, 4)));
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&m, SIGNAL(modelReset()));
    QSignalSpy changed(&m, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)));
    QSignalSpy widths(&m, SIGNAL(columnWidhtCanChange()));
    SysConnectMonitor* monitor = SysConnectMonitor::getInstance();

    // S003 is number 7 (numbers run in reverse name order). A call that
    // changes nothing says so and signals nothing.
    QVERIFY(monitor->setSystemConnected(7, false));
    QVERIFY(!monitor->setSystemConnected(7, false));
    QVERIFY(!monitor->setSystemConnected(99, false));
    QCOMPARE(m.index(3, 0).data().toString() + m.index(3, 0).data(Qt::DecorationRole).typeName(),
             QStringLiteral("S003QIcon"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), m.index(3, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), m.index(3, 0));
    QCOMPARE(widths.count(), 1);

    monitor->setSystemConnected(7, true);
    QVERIFY(!m.index(3, 0).data(Qt::DecorationRole).isValid());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(widths.count(), 1);

    monitor->setSystemConnected(7, false);
    QVERIFY(monitor->removeSystem(7));
    QVERIFY(!monitor->removeSystem(7));
    QCOMPARE(m.rowCount(), 10);
    QVERIFY(m.index(3, 0).data(Qt::DecorationRole).isValid());
    QCOMPARE(resets.count(), 0);

    // The eleventh system: a reset, and the forgotten one is still there.
    monitor->setSystem(20, QStringLiteral("A-new"), true);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(widths.count(), 3);
    QCOMPARE(m.rowCount(), 11);
    QCOMPARE(gridText(m).section(QLatin1Char('|'), 0, 4), QStringLiteral("A-new|S000|S001|S002|S003!"));
}

QTEST_MAIN(tst_SysConnectModel)
#include "tst_SysConnectModel.moc"
