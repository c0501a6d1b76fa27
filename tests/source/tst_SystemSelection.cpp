#include <source/SystemSelectionModel.h>
#include <source/SystemSelectionTable.h>

#include <systems/SysOracleArchive.h>
#include <filtervalues/WildcardConfig.h>

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

// The grid as text: one line a row, "name[x]" for a checked and "name*"
// for a highlighted system, "-" for an empty cell.
QString gridText(const SystemSelectionModel& model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) {
            const QModelIndex index = model.index(r, c);
            const QString name = model.data(index, Qt::DisplayRole).toString();
            if (name.isEmpty()) {
                cells << QStringLiteral("-");
                continue;
            }
            QString cell = name;
            if (model.data(index, Qt::CheckStateRole).toInt() == Qt::Checked)
                cell += QStringLiteral("[x]");
            if (model.data(index, Qt::BackgroundRole).value<QColor>() == QColor(Qt::cyan))
                cell += QLatin1Char('*');
            cells << cell;
        }
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('\n'));
}

} // namespace

class tst_SystemSelection : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void gridMapping();
    void wildcardHighlight_data();
    void wildcardHighlight();
    void selectAndUnselectMatching();
    void selectionByNames();
    void archiveListChanges();
    void checkBoxesToggle();
    void popupLabelsAndButtons();
};

void tst_SystemSelection::init()
{
    SysOracleArchive::getInstance()->setSystems({"SYS1", "sys2", "mysys", "Plant", "Lab", "sysA"});
}

void tst_SystemSelection::gridMapping()
{
    SystemSelectionModel model(nullptr, 4);
    QAbstractItemModelTester tester(&model);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(gridText(model), QStringLiteral("SYS1 sys2 mysys Plant\nLab sysA - -"));
    QVERIFY(!model.data(model.index(1, 2), Qt::DisplayRole).isValid());
    QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("System"));

    SystemSelectionModel narrow(nullptr, 0);  // at least one column
    QCOMPARE(narrow.columnCount(), 1);
    QCOMPARE(narrow.rowCount(), 6);
}

void tst_SystemSelection::wildcardHighlight_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("matching");
    QTest::addColumn<QString>("grid");
    QTest::newRow("empty highlights nothing") << "" << 0 << "SYS1 sys2 mysys Plant\nLab sysA - -";
    QTest::newRow("sys* ignores case, whole names")
        << "sys*" << 3 << "SYS1* sys2* mysys Plant\nLab sysA* - -";
    QTest::newRow("part of a name is no match") << "lan" << 0 << "SYS1 sys2 mysys Plant\nLab sysA - -";
}

void tst_SystemSelection::wildcardHighlight()
{
    QFETCH(QString, pattern);
    QFETCH(int, matching);
    QFETCH(QString, grid);
    SystemSelectionModel model(nullptr, 4);
    QAbstractItemModelTester tester(&model);
    QSignalSpy changed(&model, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)));
    QCOMPARE(model.setFilter(pattern), matching);
    QCOMPARE(gridText(model), grid);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(1).toModelIndex(), model.index(1, 3));
}

void tst_SystemSelection::selectAndUnselectMatching()
{
    SystemSelectionModel model(nullptr, 4);
    QSignalSpy selection(&model, SIGNAL(selectionChanged(int, int)));
    model.setSelection(true);  // no filter: nothing
    QCOMPARE(selection.count(), 0);

    QVERIFY(model.setSelectedSystems({"Lab"}).isEmpty());
    model.setFilter("sys*");
    model.setSelection(true);
    QCOMPARE(model.getSelectedSystems(), (QStringList{"Lab", "SYS1", "sys2", "sysA"}));
    QCOMPARE(selection.last(), (QList<QVariant>{4, 6}));
    model.setSelection(true);  // all already selected
    QCOMPARE(selection.count(), 2);
    model.setSelection(false);
    QCOMPARE(model.getSelectedSystems(), QStringList{"Lab"});
    QCOMPARE(selection.last(), (QList<QVariant>{1, 6}));
}

// Names add to the selection or are refused whole; the initial selection is
// taken only once, even when refused.
void tst_SystemSelection::selectionByNames()
{
    SystemSelectionModel model(nullptr, 4);
    QSignalSpy selection(&model, SIGNAL(selectionChanged(int, int)));
    QCOMPARE(model.setInitial({"Nowhere"}), QStringLiteral("Unknwon system name: Nowhere"));
    QVERIFY(model.setInitial({"Lab"}).isEmpty());
    QVERIFY(model.getSelectedSystems().isEmpty());
    QVERIFY(model.setSelectedSystems({"Lab", "Plant"}).isEmpty());
    QCOMPARE(model.setSelectedSystems({"sys2", "Nowhere", "Gone"}), QStringLiteral("Unknwon system name: Nowhere"));
    QCOMPARE(model.getSelectedSystems(), (QStringList{"Lab", "Plant"}));
    QVERIFY(model.setSelectedSystems({"sys2", "Lab"}).isEmpty());  // adds, never unselects
    QCOMPARE(model.getSelectedSystems(), (QStringList{"Lab", "Plant", "sys2"}));
    QVERIFY(model.setSelectedSystems({"Lab"}).isEmpty());  // nothing new: no signal
    QVERIFY(model.setSelectedSystems({}).isEmpty());
    QCOMPARE(selection.count(), 2);

    SystemSelectionModel fresh(nullptr, 4);
    QVERIFY(fresh.setInitial({"Lab"}).isEmpty());
    QVERIFY(fresh.setInitial({"Plant"}).isEmpty());
    QCOMPARE(fresh.getSelectedSystems(), QStringList{"Lab"});
}

void tst_SystemSelection::archiveListChanges()
{
    SystemSelectionModel model(nullptr, 4);
    QAbstractItemModelTester tester(&model);
    model.setSelectedSystems({"Lab", "mysys", "Plant"});
    QSignalSpy selection(&model, SIGNAL(selectionChanged(int, int)));
    SysOracleArchive::getInstance()->setSystems({"Plant", "Lab", "New1", "New2", "New3"});
    QCOMPARE(model.getSelectedSystems(), (QStringList{"Lab", "Plant"}));
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.first(), (QList<QVariant>{2, 5}));
    QCOMPARE(gridText(model), QStringLiteral("Plant[x] Lab[x] New1 New2\nNew3 - - -"));
}

void tst_SystemSelection::checkBoxesToggle()
{
    SystemSelectionModel model(nullptr, 4);
    QAbstractItemModelTester tester(&model);
    QSignalSpy selection(&model, SIGNAL(selectionChanged(int, int)));
    QVERIFY(model.setData(model.index(0, 1), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model.setData(model.index(0, 1), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(selection.count(), 1);
    QVERIFY(model.setData(model.index(0, 1), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(model.getSelectedSystems().isEmpty());
    QVERIFY(!model.setData(model.index(1, 3), Qt::Checked, Qt::CheckStateRole));  // empty cell
    QVERIFY(!model.setData(model.index(0, 0), "x", Qt::DisplayRole));
    QCOMPARE(selection.count(), 2);
}

void tst_SystemSelection::popupLabelsAndButtons()
{
    WildcardConfig producer;
    SystemSelectionTable popup(&producer, nullptr);
    auto* counts = popup.findChild<QLabel*>("labelCounts");
    auto* matching = popup.findChild<QLabel*>("labelMatchCount");
    auto* selectAll = popup.findChild<QToolButton*>("buttonSelectAll");
    auto* filter = popup.findChild<QLineEdit*>("lineEditFilter");
    QCOMPARE(counts->text(), QStringLiteral("Selected 0/6"));
    QCOMPARE(matching->text(), QStringLiteral("Matching 0"));
    QVERIFY(!selectAll->isEnabled());

    QSignalSpy selection(&popup, SIGNAL(selectionChanged(int, int)));
    QTest::keyClicks(filter, "sys*");
    QCOMPARE(matching->text(), QStringLiteral("Matching 3"));
    QVERIFY(selectAll->isEnabled());
    selectAll->click();
    QCOMPARE(counts->text(), QStringLiteral("Selected 3/6"));
    QCOMPARE(selection.last(), (QList<QVariant>{3, 6}));
    QCOMPARE(popup.getSelectedSystems(), (QStringList{"SYS1", "sys2", "sysA"}));
}

QTEST_MAIN(tst_SystemSelection)
#include "tst_SystemSelection.moc"
