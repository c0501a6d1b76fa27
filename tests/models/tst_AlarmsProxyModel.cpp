#include "LogCapture.h"
#include "TestAlarms.h"

#include <configuration/AlarmModelConfiguration.h>
#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/QuickCellFilter.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/ValueFilterText.h>
#include <models/AlarmsModel.h>
#include <models/AlarmTextPool.h>
#include <models/AlarmsProxyModel.h>
#include <statistics/FilterStatistics.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {

ProxyModelConfiguration columns()
{
    ProxyModelConfiguration c;
    c.columns = {{"SYSTEM", "System"}, {"ALERT_TEXT", "Alarm text"}, {"PRIORITY", ""}, {"ACK_STATE", "Ack"}};
    return c;
}

GroupingConfiguration grouping(const QStringList& properties)
{
    GroupingConfiguration g;
    for (const QString& p : properties)
        g.addRule(GroupingConfiguration::GroupByValue, p);
    return g;
}

// Rows as text: an alarm is its identifier, a group its shown text with
// its rows in brackets.
QString treeText(const AlarmsProxyModel& m, const QModelIndex& parent = QModelIndex())
{
    QStringList rows;
    for (int r = 0; r < m.rowCount(parent); ++r) {
        const QModelIndex i = m.index(r, 0, parent);
        const AlarmPtr alarm = m.getAlarmAtRow(i);
        rows << (alarm ? QString::number(alarm->getIdent())
                       : i.data().toString() + QLatin1Char('[') + treeText(m, i) + QLatin1Char(']'));
    }
    return rows.join(QLatin1Char(' '));
}

QStringList shownIdents(const AlarmsProxyModel& m)
{
    QStringList ids;
    for (int r = 0; r < m.rowCount(); ++r)
        ids << QString::number(m.getAlarmAtRow(m.index(r, 0))->getIdent());
    return ids;
}

class Fixture
{
public:
    Fixture()
        : model(new AlarmsModel(testAlarmProperties(), nullptr))
    {
    }

    AlarmPtr make(qint64 ident, const QString& system, const QString& text, int priority,
                  AlarmInstance::AckState ack = AlarmInstance::Unacknowledged) const
    {
        return testAlarm(*model, ident, system, text, priority, ack);
    }

    QSharedPointer<AlarmsModel> model;
};

} // namespace

class tst_AlarmsProxyModel : public QObject
{
    Q_OBJECT
private slots:
    void incrementalEqualsRebuilt_data();
    void incrementalEqualsRebuilt();
    void groupNodes();
    void filterMatching_data();
    void filterMatching();
    void quickFilter_data();
    void quickFilter();
    void systemConnections();
    void refusedSettingsKeepThePrevious();
    void slicedBatches_data();
    void slicedBatches();
};

void tst_AlarmsProxyModel::incrementalEqualsRebuilt_data()
{
    QTest::addColumn<QStringList>("groupBy");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<int>("order");
    QTest::newRow("flat") << QStringList() << -1 << int(Qt::AscendingOrder);
    QTest::newRow("flat, by priority down") << QStringList() << 2 << int(Qt::DescendingOrder);
    QTest::newRow("by system") << QStringList{"SYSTEM"} << -1 << int(Qt::AscendingOrder);
    QTest::newRow("by system, by text") << QStringList{"SYSTEM"} << 2 << int(Qt::AscendingOrder);
    QTest::newRow("by system and priority") << QStringList{"SYSTEM", "PRIORITY"} << -1 << int(Qt::AscendingOrder);
    QTest::newRow("groups down") << QStringList{"SYSTEM", "PRIORITY"} << 0 << int(Qt::DescendingOrder);
}

// Alarms come, change and go in batches while a view-like tester watches:
// after every batch the model equals one built from scratch, and only the
// filter change resets it.
void tst_AlarmsProxyModel::incrementalEqualsRebuilt()
{
    QFETCH(QStringList, groupBy);
    QFETCH(int, sortColumn);
    QFETCH(int, order);
    Fixture f;
    auto configure = [&](AlarmsProxyModel& m) {
        m.setConnectedSystems({"A", "B", "C"});
        QVERIFY(m.setGroupingConfiguration(grouping(groupBy)));
        m.sort(sortColumn, Qt::SortOrder(order));
    };
    AlarmsProxyModel live(f.model, columns());
    configure(live);
    QAbstractItemModelTester tester(&live, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&live, SIGNAL(modelReset()));
    // A persistent index follows its alarm through sorting and insertions.
    f.model->addAlarms({f.make(1, "A", "Pump 1 failure", 80)});
    const QPersistentModelIndex first = live.findAlarmIndex(1);
    QVERIFY(first.isValid());

    QVector<std::function<void()>> steps{
        [&] { f.model->addAlarms({f.make(2, "B", "Door open", 10), f.make(3, "A", "Tank low", 40),
                                  f.make(4, "C", "Valve stuck", 60), f.make(5, "A", "Pump 2 failure", 80),
                                  f.make(6, "D", "not connected", 99)}); },
        [&] { f.model->addAlarms({f.make(7, "B", "Feeder lost", 95), f.make(8, "B", "Door open", 10),
                                  f.make(9, "A", "Tank high", 40)}); },
        [&] { f.model->acknowledge({2, 3, 6}); },
        // A new priority moves alarms between groups and rows.
        [&] { f.model->updateAlarms({f.make(4, "C", "Valve stuck", 10), f.make(9, "A", "Tank high", 95)}); },
        [&] { f.model->removeAlarms({4, 8, 42}); },
        // The last alarm of a group takes the group with it.
        [&] { f.model->removeAlarms({7, 2}); },
        [&] { f.model->addAlarms({f.make(10, "C", "Compressor hot", 90), f.make(11, "C", "Door open", 10)}); },
    };
    for (int s = 0; s < steps.size(); ++s) {
        steps[s]();
        AlarmsProxyModel rebuilt(f.model, columns());
        configure(rebuilt);
        QCOMPARE(treeText(live), treeText(rebuilt));
        QCOMPARE(live.getShownAlarmCount(), rebuilt.getShownAlarmCount());
        QVERIFY2(first.isValid() && live.getAlarmAtRow(first)->getIdent() == 1, qPrintable(QString::number(s)));
    }
    QCOMPARE(resets.count(), 0);

    // Unacknowledged alarms only: one reset.
    SourceAndFilter filter;
    const auto unacknowledged = textFilter("ACK_STATE", "unacknowledged", ValueFilterTextItem::MatchExact);
    filter.setRuleContainer(QSharedPointer<FilterRuleContainer>(
        new FilterRuleContainer(WildcardConfig(), {ruleSet(true, {unacknowledged})}, false)));
    live.setFilter(filter);
    QCOMPARE(resets.count(), 1);
    AlarmsProxyModel rebuilt(f.model, columns());
    configure(rebuilt);
    rebuilt.setFilter(filter);
    QCOMPARE(treeText(live), treeText(rebuilt));
    QCOMPARE(live.getShownAlarmCount(), 5);
    QCOMPARE(live.getConnectedAlarmCount(), 6);
}

void tst_AlarmsProxyModel::groupNodes()
{
    Fixture f;
    AlarmsProxyModel m(f.model, columns());
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setConnectedSystems({"A", "B"});
    f.model->addAlarms({f.make(1, "B", "x", 10), f.make(2, "A", "y", 80), f.make(3, "A", "z", 10),
                        f.make(4, "A", "w", 80)});
    // Sorted by priority while flat; the sort stays on it when the tree column comes.
    m.sort(2, Qt::DescendingOrder);
    QVERIFY(m.setGroupingConfiguration(grouping({"SYSTEM"})));
    QCOMPARE(treeText(m), QStringLiteral("A (3)[2 4 3] B (1)[1]"));
    QVERIFY(m.setGroupingConfiguration(grouping({"SYSTEM", "PRIORITY"})));
    QCOMPARE(treeText(m), QStringLiteral("A (3)[10 (1)[3] 80 (2)[2 4]] B (1)[10 (1)[1]]"));
    // The tree column comes first; group nodes carry their value for the edit role.
    QCOMPARE(m.columnCount(), 5);
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Group"));
    QCOMPARE(m.headerData(3, Qt::Horizontal).toString(), QStringLiteral("PRIORITY"));
    const QModelIndex a80 = m.index(1, 0, m.index(0, 0));
    QCOMPARE(a80.data(Qt::EditRole), QVariant(80));
    QVERIFY(!m.getAlarmAtRow(a80));
    QCOMPARE(m.getColumnsDefinition(true).size(), 5);
    QVERIFY(!m.getColumnsDefinition(true).first().isValid());
    QCOMPARE(m.getColumnsDefinition(false).first().getName(), QStringLiteral("SYSTEM"));
    const QModelIndex alarm = m.index(0, 2, a80);
    QCOMPARE(alarm.data().toString(), QStringLiteral("y"));
    QCOMPARE(m.index(0, 4, a80).data().toString(), QStringLiteral("unacknowledged"));
    QCOMPARE(m.index(0, 4, a80).data(Qt::EditRole), QVariant(0));
    // A property without a value answers an invalid edit value and an empty text.
    const AlarmProp comment = f.model->findProperty("COMMENT");
    QVERIFY(!m.getAlarmAtRow(alarm)->getProperty(comment, Qt::EditRole).isValid());
    QCOMPARE(m.getAlarmAtRow(alarm)->getProperty(comment, Qt::DisplayRole), QVariant(QString()));
}

void tst_AlarmsProxyModel::filterMatching_data()
{
    // Alarms: 1 A "Pump 1 failure" 80, 2 A "Pump 2 FAILURE" 80, 3 B "Valve stuck" 60,
    // 4 B "Test pump" 10, 5 C "Door open" 10.
    QTest::addColumn<QString>("rules");  // sets separated by ';': "+" or "-", then property=method:pattern[/c],...
    QTest::addColumn<QStringList>("systems");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no filter") << "" << QStringList() << "1 2 3 4 5";
    QTest::newRow("exact is whole text") << "+ALERT_TEXT=0:Valve" << QStringList() << "";
    QTest::newRow("wildcard") << "+ALERT_TEXT=1:Pump * failure" << QStringList() << "1 2";
    QTest::newRow("wildcard, match case") << "+ALERT_TEXT=1:Pump * failure/c" << QStringList() << "1";
    QTest::newRow("filters of a set all match") << "+ALERT_TEXT=2:pump,PRIORITY=0:10" << QStringList() << "4";
    QTest::newRow("include sets: either") << "+SYSTEM=0:C;+PRIORITY=0:60" << QStringList() << "3 5";
    QTest::newRow("exclude set") << "-SYSTEM=0:A" << QStringList() << "3 4 5";
    QTest::newRow("include and exclude") << "+ALERT_TEXT=2:pump;-SYSTEM=0:B" << QStringList() << "1 2";
    QTest::newRow("unknown property matches nothing") << "+NOPE=1:*" << QStringList() << "";
    QTest::newRow("excluded by unknown property: nothing") << "-NOPE=1:*" << QStringList() << "1 2 3 4 5";
    QTest::newRow("systems of the source") << "" << QStringList{"B", "C"} << "3 4 5";
}

void tst_AlarmsProxyModel::filterMatching()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, systems);
    QFETCH(QString, shown);
    Fixture f;
    AlarmsProxyModel m(f.model, columns());
    m.setConnectedSystems({"A", "B", "C"});
    f.model->addAlarms({f.make(1, "A", "Pump 1 failure", 80), f.make(2, "A", "Pump 2 FAILURE", 80),
                        f.make(3, "B", "Valve stuck", 60), f.make(4, "B", "Test pump", 10),
                        f.make(5, "C", "Door open", 10)});
    LogCapture log(&m);
    const WildcardConfig wc;
    QList<FilterRuleSet> sets;
    for (const QString& setText : rules.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        FilterRuleSet set(wc, setText.startsWith(QLatin1Char('+')), false);
        for (const QString& filterText : setText.mid(1).split(QLatin1Char(','))) {
            const QString property = filterText.section(QLatin1Char('='), 0, 0);
            QString ruleText = filterText.section(QLatin1Char('='), 1);
            const bool matchCase = ruleText.endsWith(QLatin1String("/c"));
            ruleText.remove(QLatin1String("/c"));
            QSharedPointer<ValueFilterText> filter(
                new ValueFilterText(wc, property, Constants::ValueSourceAlarm, matchCase));
            QVERIFY(filter->addItem(ruleText.mid(2), ruleText.left(1).toInt(), false));
            set.addValueFilter(filter);
        }
        sets << set;
    }
    SourceAndFilter filter;
    filter.setRuleContainer(QSharedPointer<FilterRuleContainer>(new FilterRuleContainer(wc, sets, false)));
    filter.setSystems(systems);
    m.setFilter(filter);
    QCOMPARE(shownIdents(m).join(QLatin1Char(' ')), shown);
    // A filter of an unknown property is logged once, not per alarm.
    QCOMPARE(log.count(), rules.contains(QLatin1String("NOPE")) ? 1 : 0);
    if (log.count())
        QCOMPARE(log.entries().first(),
                 QStringLiteral("2|filter of 'NOPE' (source 0) names no alarm property and matches nothing"));
}

void tst_AlarmsProxyModel::quickFilter_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fullColumn");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("shown");
    // Cells: 1 "A", "Pump 1 failure", "80"; 2 "A", "Pump (2)", "10"; 3 "B", "pump.x", "60".
    QTest::newRow("empty") << 1 << "" << false << false << "1 2 3";
    QTest::newRow("literal anywhere") << 0 << "pump" << false << false << "1 2 3";
    QTest::newRow("literal, case") << 0 << "pump" << false << true << "3";
    // As a regular expression "p (2)" would match "p 2", which no cell holds.
    QTest::newRow("literal special characters") << 0 << "p (2)" << false << false << "2";
    QTest::newRow("literal whole cell hit") << 0 << "80" << true << false << "1";
    QTest::newRow("wildcard") << 1 << "pump*fail" << false << false << "1";
    QTest::newRow("wildcard whole cell") << 1 << "pump*" << true << false << "1 2 3";
    QTest::newRow("wildcard other characters literal") << 1 << "pump.?" << false << false << "";
    QTest::newRow("regexp whole cell") << 2 << "\\d" << true << false << "";
    QTest::newRow("regexp anywhere") << 2 << "\\(\\d\\)" << false << false << "2";
}

void tst_AlarmsProxyModel::quickFilter()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(bool, fullColumn);
    QFETCH(bool, matchCase);
    QFETCH(QString, shown);
    Fixture f;
    AlarmsProxyModel m(f.model, columns());
    m.setConnectedSystems({"A", "B"});
    f.model->addAlarms({f.make(1, "A", "Pump 1 failure", 80), f.make(2, "A", "Pump (2)", 10),
                        f.make(3, "B", "pump.x", 60)});
    QuickCellFilter quick;
    quick.setMode(mode);
    quick.setString(text);
    quick.setMatchFullColumn(fullColumn);
    quick.setMatchCase(matchCase);
    QVERIFY(quick.isValid());
    QVERIFY(m.setQuickFilter(quick));
    QCOMPARE(shownIdents(m).join(QLatin1Char(' ')), shown);
}

void tst_AlarmsProxyModel::systemConnections()
{
    Fixture f;
    AlarmsProxyModel m(f.model, columns());
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&m, SIGNAL(connectedSystemsChanged()));
    f.model->addAlarms({f.make(1, "A", "x", 1), f.make(2, "B", "y", 2)});
    QCOMPARE(m.rowCount(), 0);
    m.connectToSystem("B");
    m.connectToSystem("B");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(shownIdents(m), QStringList{"2"});
    // Alarms of systems not connected never arrive.
    f.model->addAlarms({f.make(3, "A", "z", 3), f.make(4, "B", "w", 4)});
    QCOMPARE(shownIdents(m), (QStringList{"2", "4"}));
    m.connectToSystem("A");
    QCOMPARE(m.getConnectedSystems(), (QStringList{"A", "B"}));
    QCOMPARE(shownIdents(m), (QStringList{"1", "2", "3", "4"}));
    m.disconnectFromSystem("B");
    QCOMPARE(changed.count(), 3);
    QVERIFY(!m.isSystemConnected("B"));
    QCOMPARE(shownIdents(m), (QStringList{"1", "3"}));
    QCOMPARE(m.getConnectedAlarmCount(), 2);
    // The related alarm is looked up among all alarms, shown or not.
    QCOMPARE(m.getAlarmByIdent(4)->getSystem(), QStringLiteral("B"));
}

void tst_AlarmsProxyModel::refusedSettingsKeepThePrevious()
{
    Fixture f;
    AlarmsProxyModel m(f.model, columns());
    m.setConnectedSystems({"A"});
    f.model->addAlarms({f.make(1, "A", "x", 1)});
    QVERIFY(m.setGroupingConfiguration(grouping({"SYSTEM"})));
    LogCapture log(&m);
    QSignalSpy resets(&m, SIGNAL(modelReset()));
    QVERIFY(!m.setGroupingConfiguration(grouping({"SYSTEM", "NOPE"})));
    GroupingConfiguration badKind;
    badKind.addRule(7, "SYSTEM");
    QVERIFY(!m.setGroupingConfiguration(badKind));
    QCOMPARE(m.getGroupingDepth(), 1);
    QuickCellFilter broken;
    broken.setMode(QuickCellFilter::ModeRegExp);
    broken.setString("(unclosed");
    QVERIFY(!broken.isValid());
    QVERIFY(!m.setQuickFilter(broken));
    QCOMPARE(resets.count(), 0);
    QCOMPARE(treeText(m), QStringLiteral("A (1)[1]"));
    QCOMPARE(log.count(), 3);
}

void tst_AlarmsProxyModel::slicedBatches_data()
{
    QTest::addColumn<int>("slice");
    QTest::addColumn<QStringList>("groupBy");
    QTest::newRow("one alarm a turn, flat") << 1 << QStringList();
    QTest::newRow("three a turn, by system and priority") << 3 << QStringList{"SYSTEM", "PRIORITY"};
    QTest::newRow("batches cut across their groups") << 4 << QStringList{"SYSTEM"};
}

// Batches queued behind a sliced one are taken in order, a slice a turn:
// after every slice the table equals one built from the model, no reset is
// needed, and at the end table and counter equal an unsliced twin's.
void tst_AlarmsProxyModel::slicedBatches()
{
    QFETCH(int, slice);
    QFETCH(QStringList, groupBy);
    Fixture sliced;
    Fixture whole;
    sliced.model->setSliceSize(slice);
    SourceAndFilter filter;
    filter.setRuleContainer(alertTextRules("*failure*"));
    auto table = [&](Fixture& f) {
        auto* m = new AlarmsProxyModel(f.model, columns());
        m->setConnectedSystems({"A", "B"});
        m->setGroupingConfiguration(grouping(groupBy));
        m->setFilter(filter);
        return QSharedPointer<AlarmsProxyModel>(m);
    };
    const QSharedPointer<AlarmsProxyModel> live = table(sliced);
    const QSharedPointer<AlarmsProxyModel> twin = table(whole);
    QAbstractItemModelTester tester(live.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    FilterStatistics counter(sliced.model, filter, nullptr);
    FilterStatistics twinCounter(whole.model, filter, nullptr);
    QSignalSpy resets(live.data(), SIGNAL(modelReset()));
    int slices = 0;
    int held = 0;
    const auto watch = connect(sliced.model.data(), &AlarmsModel::alarmCountChanged, [&](int count) {
        ++slices;
        QVERIFY(qAbs(count - held) <= slice);
        held = count;
        QCOMPARE(treeText(*live), treeText(*table(sliced)));
    });
    for (Fixture* f : {&sliced, &whole}) {
        AlarmList flood;
        for (int i = 1; i <= 12; ++i)
            flood << f->make(i, i % 3 ? "A" : "B", i % 4 ? "Pump failure" : "Door open", 10 * (i % 3));
        f->model->addAlarms(flood);
        // Behind the flood: a move to another group, a removal, a new system's alarm.
        f->model->updateAlarms({f->make(2, "B", "Feeder failure", 90), f->make(12, "A", "Door open", 0)});
        f->model->removeAlarms({1, 5, 6});
        f->model->addAlarms({f->make(13, "C", "Tank failure", 50), f->make(14, "A", "Tank failure", 50)});
    }
    QVERIFY(sliced.model->getPendingCount() > 0);
    QCOMPARE(sliced.model->getAlarmCount(), 0);
    QTRY_COMPARE(sliced.model->getPendingCount(), 0);
    QVERIFY(slices >= (12 + 2 + 3 + 2) / slice);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(treeText(*live), treeText(*twin));
    QCOMPARE(live->getConnectedAlarmCount(), 10);
    for (int c = 0; c < FilterStatistics::CounterCount; ++c)
        QCOMPARE(counter.getCount(FilterStatistics::Counter(c)), twinCounter.getCount(FilterStatistics::Counter(c)));
    QCOMPARE(counter.getHighestPriority(), QVariant(90));
    // Acknowledging takes in what is still pending first, all at once.
    disconnect(watch);
    sliced.model->addAlarms({sliced.make(15, "A", "Pump failure", 20), sliced.make(16, "A", "Pump failure", 20),
                             sliced.make(17, "A", "Pump failure", 20), sliced.make(18, "A", "Pump failure", 20),
                             sliced.make(19, "A", "Pump failure", 20)});
    QCOMPARE(sliced.model->acknowledge({2, 3, 19}), 3);
    QCOMPARE(sliced.model->getPendingCount(), 0);
    QCOMPARE(counter.getCount(FilterStatistics::CountAcknowledged), 3);

    // Equal texts of held alarms share one buffer; the texts of dropped alarms leave the pool.
    const AlarmProp text = sliced.model->findProperty("ALERT_TEXT");
    QCOMPARE(sliced.model->getAlarmByIdent(15)->getDisplayText(text).constData(),
             sliced.model->getAlarmByIdent(19)->getDisplayText(text).constData());
    AlarmList many;
    for (int i = 0; i < 5000; ++i)
        many << sliced.make(100 + i, "A", QString::number(i), 1);
    sliced.model->setSliceSize(0);
    sliced.model->addAlarms(many);
    const int pooled = AlarmTextPool::size();
    QVERIFY(pooled >= 5000);
    many.clear();
    sliced.model->clear();
    // The pool sweeps once it has doubled; texts that only it holds are gone then.
    int n = 0;
    while (AlarmTextPool::size() >= pooled && n < 3 * pooled)
        AlarmTextPool::intern(QString::number(-++n));
    QVERIFY(AlarmTextPool::size() < pooled);
}

QTEST_MAIN(tst_AlarmsProxyModel)
#include "tst_AlarmsProxyModel.moc"
