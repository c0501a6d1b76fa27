#include "LogCapture.h"
#include "TestAlarms.h"

#include <statistics/FilterConfigHotLink.h>
#include <statistics/FilterStatisticsTab.h>
#include <statistics/FilterStatisticsView.h>
#include <statistics/FilterStatisticsWidget.h>
#include <source/Spoiler.h>

#include <configuration/FilterJson.h>
#include <datapoints/DpHLGroup.h>
#include <datapoints/DpMsgAnswer.h>
#include <datapoints/Manager.h>
#include <filtervalues/WildcardConfig.h>
#include <statistics/FilterDpLink.h>
#include <variables/TextVar.h>

#include <QElapsedTimer>
#include <QGridLayout>
#include <QTabBar>
#include <QtTest>

namespace {

const char* const pumpsJson = R"({ "sets": [ { "include": true, "filters": [ { "property": "ALERT_TEXT",
                                    "rules": [ { "pattern": "Pump*" } ] } ] } ] })";

bool setValues(const QString& dp, const QList<QPair<QString, QString>>& values)
{
    QList<TextVar> texts;
    for (const auto& value : values)
        texts.append(TextVar(value.second));
    QList<QPair<QString, const Variable*>> list;
    for (int i = 0; i < values.size(); ++i)
        list.append({dp + values.at(i).first, &texts.at(i)});
    QString errMsg;
    const bool ok = Manager::dpSet(list, errMsg);
    if (!ok)
        qWarning() << errMsg;
    return ok;
}

// A filter set datapoint with its three values.
bool makeSet(const QString& dp, const QString& name, const QString& json)
{
    QString errMsg;
    return Manager::createDp(dp, FILTER_CONFIG_DP_TYPE, errMsg)
        && setValues(dp, {{".SetName", name}, {".ConfigDp", "Cfg"}, {".SetJSON", json}});
}

QString items(const QStringList& cells)
{
    QStringList list;
    for (const QString& cell : cells) {
        const QStringList parts = cell.split(',');
        list << QStringLiteral(R"({ "row": %1, "column": %2, "filter": "%3" })").arg(parts.at(0), parts.at(1), parts.at(2));
    }
    return QStringLiteral(R"({ "cell": { "text": "%name%=%count%" }, "items": [ %1 ] })").arg(list.join(", "));
}

QStringList counterTexts(QWidget* tab)
{
    QStringList texts;
    for (FilterStatisticsWidget* w : tab->findChildren<FilterStatisticsWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!FilterStatisticsTab::isCleared(w))
            texts << w->text();
    }
    return texts;
}

} // namespace

class tst_FilterStatisticsView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hotLinkMessages_data();
    void hotLinkMessages();
    void configDp();
    void tabsPerSet();
    void gridStretch();
    void treeAndBrokenLayouts_data();
    void treeAndBrokenLayouts();
    void compareOnCurrentTabOnly();
    void spoilerOnlyHorizontal();
    void testClearViewDanglingTabs();
    void fastChangingSet();

private:
    WildcardConfig m_wildcard;
};

void tst_FilterStatisticsView::init()
{
    QString errMsg;
    QVERIFY(Manager::defineType(FILTER_CONFIG_DP_TYPE,
                                {{".SetName", TEXT_VAR}, {".ConfigDp", TEXT_VAR}, {".SetJSON", TEXT_VAR}}, errMsg));
    QVERIFY(Manager::defineType(FilterDpLink::FILTER_DP_TYPE, {{".Name", TEXT_VAR}, {".Filter", TEXT_VAR}}, errMsg));
    QVERIFY(Manager::createDp("FPumps", FilterDpLink::FILTER_DP_TYPE, errMsg));
    QVERIFY(setValues("FPumps", {{".Name", "Pumps"}, {".Filter", pumpsJson}}));
}

void tst_FilterStatisticsView::cleanup()
{
    // Counters scheduled for deletion still hold connections.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Manager::reset();
}

void tst_FilterStatisticsView::hotLinkMessages_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("valueCount");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("fed");
    QTest::newRow("answer of three") << true << 3 << false
                                     << QStringList{"1|[FilterConfigHotLink] Receiving DpMsgAnswer"} << 1;
    QTest::newRow("answer with error first")
        << true << 3 << true
        << QStringList{"1|[FilterConfigHotLink] Receiving DpMsgAnswer",
                       "3|[FilterConfigHotLink] Receiving DpMsgAnswer error: error 5: broken"}
        << 0;
    QTest::newRow("group of three") << false << 3 << false
                                    << QStringList{"1|[FilterConfigHotLink] Receiving  DpHLGroup"} << 1;
    QTest::newRow("group with error") << false << 3 << true
                                      << QStringList{"1|[FilterConfigHotLink] Receiving  DpHLGroup",
                                                     "3|[FilterConfigHotLink] error arrived: broken"}
                                      << 0;
    QTest::newRow("group of two")
        << false << 2 << false
        << QStringList{"1|[FilterConfigHotLink] Receiving  DpHLGroup",
                       "3|[FilterConfigHotLink]: list of variables contains 2, while 3 items are expected"}
        << 0;
}

void tst_FilterStatisticsView::hotLinkMessages()
{
    QFETCH(bool, answer);
    QFETCH(int, valueCount);
    QFETCH(bool, error);
    QFETCH(QStringList, log);
    QFETCH(int, fed);
    FilterStatisticsTab tab(m_wildcard, nullptr, 0);
    LogCapture tabLog(&tab);
    FilterConfigHotLink link(&tab);
    LogCapture linkLog(&link);

    DpValueGroup values;
    const QStringList texts{"Set", "Cfg", items({"0,0,FPumps"})};
    for (int i = 0; i < valueCount; ++i)
        values.appendItem(DpIdentifier(1, i, QString()), new TextVar(texts.at(i)));
    if (answer) {
        DpMsgAnswer message;
        AnswerGroup first;
        if (error)
            first.setError(ErrClass(5, "broken"));
        else
            static_cast<DpValueGroup&>(first) = values;
        message.appendGroup(first);
        // A second good group: fed after a good first group, never after an error.
        AnswerGroup second;
        static_cast<DpValueGroup&>(second) = values;
        message.appendGroup(second);
        static_cast<HotLinkWaitForAnswer&>(link).callBack(message);
        fed *= 2;
    } else {
        DpHLGroup group;
        static_cast<DpValueGroup&>(group) = values;
        if (error)
            group.setError(ErrClass(5, "broken"));
        static_cast<HotLinkWaitForAnswer&>(link).hotLinkCallBack(DpMsg(DpMsg::MsgHotLink), group);
    }
    QCOMPARE(linkLog.entries(), log);
    QCOMPARE(tabLog.entries().filter("0|newDataData(Set,Cfg,").size(), fed);
    QCOMPARE(tab.getSetName(), QString(fed ? "Set" : ""));
}

void tst_FilterStatisticsView::configDp()
{
    QVERIFY(makeSet("Set1", "Pumps", items({"0,0,FPumps"})));
    FilterStatisticsTab tab(m_wildcard, nullptr, 0);
    QString errMsg = "old";
    tab.setConfigDp("Set1", errMsg);
    QVERIFY(errMsg.isEmpty());
    QVERIFY(tab.isConnected());
    QTRY_COMPARE(counterTexts(&tab), QStringList{"Pumps=0"});
    // The same name again: nothing happens, not even to errMsg.
    errMsg = "kept";
    tab.setConfigDp("Set1", errMsg);
    QCOMPARE(errMsg, QStringLiteral("kept"));
    QCOMPARE(Manager::connectionCount(), 1 + 1);  // the tab and its counter's filter
    // An empty name disconnects and empties the tab.
    tab.setConfigDp("", errMsg);
    QVERIFY(!tab.isConnected());
    QCOMPARE(tab.getConfiguration().getViewKind(), 0);
    QVERIFY(counterTexts(&tab).isEmpty());
    // A datapoint whose elements do not exist.
    tab.setConfigDp("Nope", errMsg);
    QCOMPARE(errMsg, QStringLiteral("DP element 'Nope.SetName' not found"));
    QVERIFY(!tab.isConnected());
    QCOMPARE(tab.getConfigDp(), QStringLiteral("Nope"));
}

void tst_FilterStatisticsView::tabsPerSet()
{
    QVERIFY(makeSet("Set1", "Pumps", items({"0,0,FPumps"})));
    QVERIFY(makeSet("Set2", "Valves", items({"0,0,FPumps", "0,1,FPumps"})));
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    FilterStatisticsView view(m_wildcard);
    view.show();
    QString errMsg;
    QVERIFY(view.addConnections({"Set1"}, model, errMsg));
    QTRY_COMPARE(view.tabWidget()->tabText(0), QStringLiteral("Pumps"));
    QVERIFY(!view.tabWidget()->tabBar()->isVisible());

    QVERIFY(view.addConnections({"Set1", "Set2"}, model, errMsg));
    QTRY_COMPARE(view.tabWidget()->tabText(1), QStringLiteral("Valves"));
    QCOMPARE(view.tabWidget()->count(), 2);
    QVERIFY(view.tabWidget()->tabBar()->isVisible());
    QCOMPARE(view.getAllIds(), QStringList{"FPumps"});
    // A new set name renames its tab.
    QVERIFY(setValues("Set2", {{".SetName", "Gates"}}));
    QTRY_COMPARE(view.tabWidget()->tabText(1), QStringLiteral("Gates"));

    // Live counts reach the counters through their filter datapoint.
    model->addAlarms({testAlarm(*model, 1, "A", "Pump 1", 0), testAlarm(*model, 2, "A", "Door", 0)});
    QTRY_COMPARE(counterTexts(view.tabWidget()->widget(1)), (QStringList{"Pumps=1", "Pumps=1"}));
    QCOMPARE(view.getFilterStatistics("FPumps").value("%count%").toInt(), 1);
    QCOMPARE(view.getFilterStatistics("Other"),
             (QVariantMap{{"error", "filter with ID 'Other' not found"}}));

    // The first name that fails ends the list; the tabs made so far stay.
    QVERIFY(!view.addConnections({"Set1", "Nope", "Set2"}, model, errMsg));
    QCOMPARE(errMsg, QStringLiteral("DP element 'Nope.SetName' not found"));
    QCOMPARE(view.tabWidget()->count(), 1);
    QVERIFY(view.addConnections({}, model, errMsg));
    QCOMPARE(view.tabWidget()->count(), 0);
}

void tst_FilterStatisticsView::gridStretch()
{
    FilterStatisticsTab tab(m_wildcard, nullptr, 0);
    QCOMPARE(tab.newDpData("S", "Cfg", items({"0,0,A", "2,1,B"})), QString());
    auto* grid = qobject_cast<QGridLayout*>(tab.layout());
    QVERIFY(grid);
    auto cellOf = [grid](int row, int column) {
        QLayoutItem* item = grid->itemAtPosition(row, column);
        if (!item)
            return QString("-");
        if (auto* w = qobject_cast<FilterStatisticsWidget*>(item->widget()))
            return w->getFilterDpName();
        return QString(item->spacerItem() ? "spacer" : "?");
    };
    QCOMPARE(cellOf(0, 0), QStringLiteral("A"));
    QCOMPARE(cellOf(2, 1), QStringLiteral("B"));
    QCOMPARE(cellOf(0, 2), QStringLiteral("spacer"));
    QCOMPARE(cellOf(2, 2), QStringLiteral("spacer"));
    QCOMPARE(cellOf(3, 1), QStringLiteral("spacer"));
    QCOMPARE(grid->columnStretch(2), 10);
    QCOMPARE(grid->rowStretch(3), 10);

    // A smaller set rebuilds the same grid without the old spacers and stretches.
    QCOMPARE(tab.newDpData("S", "Cfg", items({"0,0,C"})), QString());
    QCOMPARE(cellOf(0, 0), QStringLiteral("C"));
    QCOMPARE(cellOf(0, 1), QStringLiteral("spacer"));
    QCOMPARE(cellOf(1, 0), QStringLiteral("spacer"));
    QCOMPARE(cellOf(3, 1), QStringLiteral("-"));
    QCOMPARE(grid->columnStretch(2), 0);
    QCOMPARE(grid->rowStretch(3), 0);
    QCOMPARE(grid->rowStretch(1), 10);
    QCOMPARE(tab.getAllIds(), QSet<QString>{"C"});
}

void tst_FilterStatisticsView::treeAndBrokenLayouts_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("tree") << R"({ "view": 2, "items": [ { "filter": "A" } ] })" << QString()
                          << QStringList{"2|Filter view organized as tree is not implemented yet"};
    QTest::newRow("not JSON") << R"({ "items": [ )" << "unterminated array at offset 13"
                              << QStringList{"3|Error parsing JSON for filter set S: unterminated array at offset 13",
                                             "2|input JSON text is: { \"items\": [ "};
    QTest::newRow("wrong layout") << R"({ "view": 3 })"
                                  << "filter set 'S': key 'view' must be a whole number from 1 to 2"
                                  << QStringList{"3|filter set 'S': key 'view' must be a whole number from 1 to 2",
                                                 "2|input JSON text is: { \"view\": 3 }"};
}

void tst_FilterStatisticsView::treeAndBrokenLayouts()
{
    QFETCH(QString, json);
    QFETCH(QString, returned);
    QFETCH(QStringList, log);
    FilterStatisticsTab tab(m_wildcard, nullptr, 0);
    QCOMPARE(tab.newDpData("S", "Cfg", items({"0,0,A"})), QString());
    QCOMPARE(counterTexts(&tab).size(), 1);
    LogCapture capture(&tab);
    QCOMPARE(tab.newDpData("S", "Cfg", json), returned);
    QVERIFY(counterTexts(&tab).isEmpty());
    QCOMPARE(capture.entries().mid(1), log);
}

void tst_FilterStatisticsView::compareOnCurrentTabOnly()
{
    QVERIFY(makeSet("Set1", "One", items({"0,0,FPumps"})));
    QVERIFY(makeSet("Set2", "Two", items({"0,0,FPumps"})));
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    FilterStatisticsView view(m_wildcard);
    QString errMsg;
    QVERIFY(view.addConnections({"Set1", "Set2"}, model, errMsg));
    auto counter = [&view](int tab) {
        for (auto* w : view.tabWidget()->widget(tab)->findChildren<FilterStatisticsWidget*>()) {
            if (!FilterStatisticsTab::isCleared(w))
                return w;
        }
        return static_cast<FilterStatisticsWidget*>(nullptr);
    };
    QTRY_VERIFY(counter(0) && counter(1) && counter(0)->getStatistics() && counter(1)->getStatistics());
    SourceAndFilter applied;
    QVERIFY(FilterJson::fromText(pumpsJson, m_wildcard, nullptr, applied, errMsg));
    view.compareWithCurrentFilter(applied);
    QVERIFY(counter(0)->isMatchingCurrentFilter());
    QVERIFY(!counter(1)->isMatchingCurrentFilter());
    view.tabWidget()->setCurrentIndex(1);
    QVERIFY(counter(1)->isMatchingCurrentFilter());
    // A rebuilt tab compares its new counters with the filter it was given.
    QVERIFY(setValues("Set2", {{".SetJSON", items({"0,0,FPumps", "1,0,FPumps"})}}));
    QTRY_COMPARE(counterTexts(view.tabWidget()->widget(1)).size(), 2);
    QTRY_VERIFY(counter(1)->getStatistics());
    for (FilterStatisticsWidget* w : view.tabWidget()->widget(1)->findChildren<FilterStatisticsWidget*>()) {
        if (!FilterStatisticsTab::isCleared(w))
            QTRY_VERIFY(w->isMatchingCurrentFilter());
    }
}

void tst_FilterStatisticsView::spoilerOnlyHorizontal()
{
    QVERIFY(makeSet("Set1", "One", items({"0,0,FPumps"})));
    QVERIFY(makeSet("Set2", "Two", items({"0,0,FPumps"})));
    FilterStatisticsView view(m_wildcard);
    QString errMsg;
    QVERIFY(view.addConnections({"Set1", "Set2"}, QSharedPointer<AlarmsModel>(), errMsg));
    view.setUseSpoiler(true);
    QVERIFY(!view.spoiler());
    view.setOrientation(Qt::Horizontal);
    QVERIFY(!view.spoiler());  // not rebuilt by the orientation
    view.setUseSpoiler(false);
    view.setUseSpoiler(true);
    QVERIFY(view.spoiler());
    QVERIFY(view.spoiler()->isAncestorOf(view.tabWidget()));
    QTRY_COMPARE(view.tabWidget()->tabText(1), QStringLiteral("Two"));
    view.tabWidget()->setCurrentIndex(1);
    QCOMPARE(view.spoiler()->title(), QStringLiteral("Two"));
    // Back without a spoiler: the tabs survive the spoiler's deletion.
    view.setUseSpoiler(false);
    QVERIFY(!view.spoiler());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(view.tabWidget()->parentWidget(), &view);
    QCOMPARE(view.tabWidget()->count(), 2);
}

// clearView() with a spoiler once deleted the tab widget along with it.
void tst_FilterStatisticsView::testClearViewDanglingTabs()
{
    QVERIFY(makeSet("Set1", "One", items({"0,0,FPumps"})));
    FilterStatisticsView view(m_wildcard);
    QString errMsg;
    view.setOrientation(Qt::Horizontal);
    view.setUseSpoiler(true);
    QVERIFY(view.addConnections({"Set1"}, QSharedPointer<AlarmsModel>(), errMsg));
    QVERIFY(view.spoiler());
    view.clearView();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(view.tabWidget()->parentWidget(), &view);
    QCOMPARE(view.tabWidget()->count(), 1);
    view.buildView();
    QVERIFY(view.spoiler()->isAncestorOf(view.tabWidget()));
}

// A set whose layout changes 100 times a second: the event loop keeps
// turning and the tab ends with the last layout, counting right.
void tst_FilterStatisticsView::fastChangingSet()
{
    QVERIFY(makeSet("Set1", "One", items({"0,0,FPumps"})));
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    model->addAlarms({testAlarm(*model, 1, "A", "Pump 1", 0), testAlarm(*model, 2, "A", "Pump 2", 0)});
    FilterStatisticsView view(m_wildcard);
    view.show();
    QString errMsg;
    QVERIFY(view.addConnections({"Set1"}, model, errMsg));

    int changes = 0;
    qint64 longestGap = 0;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, [&] {
        longestGap = qMax(longestGap, sinceTick.restart());
        QStringList cells{"0,0,FPumps"};
        for (int i = 1; i <= changes % 4; ++i)
            cells << QStringLiteral("%1,0,FPumps").arg(i);
        setValues("Set1", {{".SetJSON", items(cells)}});
        if (++changes == 100)
            ticker.stop();
    });
    clock.start();
    sinceTick.start();
    ticker.start();
    QTRY_VERIFY_WITH_TIMEOUT(!ticker.isActive(), 10000);
    const qint64 elapsed = clock.elapsed();
    // The last change had 99 % 4 + 1 = 4 counters.
    QTRY_COMPARE(counterTexts(view.tabWidget()->widget(0)),
                 (QStringList{"Pumps=2", "Pumps=2", "Pumps=2", "Pumps=2"}));
    // Reported, not asserted: a loaded machine stretches any time.
    qInfo("100 layout changes in %lld ms, longest gap between timer ticks %lld ms", elapsed, longestGap);
}

QTEST_MAIN(tst_FilterStatisticsView)
#include "tst_FilterStatisticsView.moc"
