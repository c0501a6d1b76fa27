#include <configuration/AlarmModelConfiguration.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <systems/DialogSystemConnections.h>
#include <systems/SysConnectModel.h>
#include <systems/SysConnectMonitor.h>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

class tst_DialogSystemConnections : public QObject
{
    Q_OBJECT
private slots:
    void checkBoxesConnectAndCloseDeletes();
};

// The table's check boxes connect the proxy model; Close deletes the
// dialog together with its model.
void tst_DialogSystemConnections::checkBoxesConnectAndCloseDeletes()
{
    QMap<unsigned int, SystemInfo> systems;
    systems.insert(1, SystemInfo(QStringLiteral("North"), true));
    systems.insert(2, SystemInfo(QStringLiteral("South"), false));
    SysConnectMonitor::getInstance()->setSystems(systems);
    QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
    AlarmsProxyModel proxy(alarms, ProxyModelConfiguration());
    QWidget host;

    QPointer<DialogSystemConnections> dialog(new DialogSystemConnections(&proxy, true, &host));
    QCOMPARE(dialog->objectName(), QStringLiteral("DialogSystemConnections"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("System Connections"));
    auto* table = dialog->findChild<QTableView*>(QStringLiteral("tableView"));
    QVERIFY(table && table->verticalHeader()->isHidden());
    QPointer<QAbstractItemModel> model(table->model());
    QVERIFY(qobject_cast<SysConnectModel*>(model.data()));
    QVERIFY(!model->index(0, 0).data(Qt::DecorationRole).isValid());
    QVERIFY(!model->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QRect south = table->visualRect(model->index(1, 0));
    // The check box sits at the left of the cell, in its middle.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(south.left() + 8, south.center().y()));
    QCOMPARE(proxy.getConnectedSystems(), QStringList{"South"});
    QCOMPARE(model->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Close)->click();
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(model.isNull());
}

QTEST_MAIN(tst_DialogSystemConnections)
#include "tst_DialogSystemConnections.moc"
