#include "FakeCompletionLibrary.h"
#include "LogCapture.h"
#include "TestAlarms.h"

#include <access/EwoActions.h>
#include <filters/SingleFilterTab.h>
#include <filters/TabbedStructuredFilterUi.h>
#include <patterns/CompletionSource.h>

#include <environment/Resources.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// Pages come from the test panel plug-in: a widget that passes every
// filter on and a text rule list for ALERT_TEXT, one for DPE, and a widget
// that fails on BROKEN.
const QString kPlugin = QStringLiteral("tabPages");

SourceAndFilter filterOf(const QList<FilterRuleSet>& sets, bool matchCase = false)
{
    SourceAndFilter filter(new FilterRuleContainer(WildcardConfig(), sets, matchCase), QStringLiteral("stored"));
    return filter;
}

QTabWidget* tabsOf(TabbedStructuredFilterUi& panel)
{
    return panel.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
}

QStringList tabTexts(TabbedStructuredFilterUi& panel)
{
    QStringList texts;
    QTabWidget* tabs = tabsOf(panel);
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

void clickTab(TabbedStructuredFilterUi& panel, int index)
{
    emit tabsOf(panel)->tabBarClicked(index);
}

void deleteTab(TabbedStructuredFilterUi& panel, int index)
{
    QVERIFY(QMetaObject::invokeMethod(&panel, "delFilterTabConfirmed", Q_ARG(int, index)));
}

} // namespace

class tst_TabbedStructuredFilterUi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tabNumbering();
    void displayFilter_data();
    void displayFilter();
    void displayFilterFromChangeSlot();
    void ruleSetOfferedToCandidates();
    void filterMenu();
    void dependentCompletionsWiredOnce();

private:
    AlarmScreenConfiguration m_config;
    QTemporaryDir m_dir;
};

void tst_TabbedStructuredFilterUi::initTestCase()
{
    QVERIFY(QDir().mkpath(m_dir.path() + "/bin/plugins"));
    QVERIFY(QFile::copy(QStringLiteral(QVAS_PLUGIN_FIXTURES "/testGoodPanel.so"),
                        m_dir.path() + "/bin/plugins/" + kPlugin + ".so"));
    Resources::pathes_.setPathes({m_dir.path()});
    m_config.filterWidgetConfiguration().panelPlugin = kPlugin;
}

void tst_TabbedStructuredFilterUi::tabNumbering()
{
    TabbedStructuredFilterUi panel(m_config, nullptr);
    QSignalSpy changed(&panel, SIGNAL(structuredFilterChanged()));
    QTabWidget* tabs = tabsOf(panel);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Add filter set"));
    QVERIFY(!tabs->tabIcon(0).isNull());
    clickTab(panel, 0);
    QCOMPARE(tabTexts(panel), (QStringList{"Filter #1: Include", ""}));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(changed.count(), 1);
    clickTab(panel, 0);  // a set tab: nothing
    clickTab(panel, 1);
    clickTab(panel, 2);
    QCOMPARE(tabs->currentIndex(), 2);
    // The newest number is given again; an older one is not.
    deleteTab(panel, 2);
    clickTab(panel, 2);
    QCOMPARE(tabTexts(panel), (QStringList{"Filter #1: Include", "Filter #2: Include", "Filter #3: Include", ""}));
    deleteTab(panel, 0);
    clickTab(panel, 2);
    QCOMPARE(tabTexts(panel), (QStringList{"Filter #2: Include", "Filter #3: Include", "Filter #4: Include", ""}));
    // Closing the last set tab makes the one before it current, not the add tab.
    tabs->setCurrentIndex(2);
    deleteTab(panel, 2);
    QCOMPARE(tabs->currentIndex(), 1);
    deleteTab(panel, 2);  // the add tab stays
    QCOMPARE(tabs->count(), 3);
    // The tab names follow Include / Exclude, also of a tab that is not current.
    tabs->setCurrentIndex(0);
    tabs->widget(1)->findChild<QRadioButton*>("radioButtonExclude")->setChecked(true);
    QCOMPARE(tabs->tabText(1), QStringLiteral("Filter #3: Exclude"));
}

void tst_TabbedStructuredFilterUi::displayFilter_data()
{
    QTest::addColumn<SourceAndFilter>("filter");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<int>("applied");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("barFocused");
    const auto pump = textFilter("ALERT_TEXT", "Pump*");
    const auto lab = textFilter("DPE", "Lab:*");
    const auto unknown = textFilter("NOPE", "x");
    QTest::newRow("three sets, one not shown")
        << filterOf({ruleSet(true, {pump}), ruleSet(true, {unknown}), ruleSet(false, {lab})}) << 1
        << QStringList{"Filter #1: Include", "Filter #2: Exclude", ""} << 1 << "" << 1 << false;
    QTest::newRow("set partly shown")
        << filterOf({ruleSet(true, {pump, unknown})}) << 1 << QStringList{"Filter #1: Include", ""} << 1 << "" << 1 << false;
    QTest::newRow("nothing of a non-empty filter")
        << filterOf({ruleSet(false, {unknown})}) << 2 << QStringList{"Filter #1: Include", ""} << 0 << "" << 1 << false;
    QTest::newRow("empty container") << filterOf({}) << 0 << QStringList{"Filter #1: Include", ""} << 1 << "" << 0 << false;
    QTest::newRow("no container") << SourceAndFilter() << 0 << QStringList{"Filter #1: Include", ""} << 1 << "" << 0 << true;
    // Past 16 sets the posted events are delivered during the load.
    QList<FilterRuleSet> twenty;
    QStringList twentyTabs;
    for (int i = 1; i <= 20; ++i) {
        twenty << ruleSet(i % 2, {pump});
        twentyTabs << QStringLiteral("Filter #%1: %2").arg(i).arg(i % 2 ? "Include" : "Exclude");
    }
    QTest::newRow("twenty sets") << filterOf(twenty) << 0 << (twentyTabs << "") << 1 << "" << 0 << false;
    QTest::newRow("widget error")
        << filterOf({ruleSet(true, {pump}), ruleSet(true, {textFilter("BROKEN", "b")})}) << 3
        << QStringList{"Filter #1: Include", "Filter #2: Include", ""} << 0
        << "error displaying filter for 'BROKEN': cannot show it" << 0 << true;
}

void tst_TabbedStructuredFilterUi::displayFilter()
{
    QFETCH(SourceAndFilter, filter);
    QFETCH(int, result);
    QFETCH(QStringList, tabs);
    QFETCH(int, applied);
    QFETCH(QString, error);
    QFETCH(int, warnings);
    QFETCH(bool, barFocused);
    TabbedStructuredFilterUi panel(m_config, nullptr);
    panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    // Tabs of an earlier filter go, numbering starts again.
    clickTab(panel, 0);
    clickTab(panel, 1);
    auto* tabWidget = panel.findChild<QTabWidget*>();
    (barFocused ? static_cast<QWidget*>(tabWidget->tabBar()) : panel.findChild<QToolButton*>("buttonApply"))
        ->setFocus();
    LogCapture log(&panel);
    QSignalSpy applySpy(&panel, SIGNAL(applyStructuredFilter(SourceAndFilter, int)));
    QString errMsg;
    QCOMPARE(int(panel.displayFilter(filter, StructuredFilterUi::DefaultFilter, errMsg)), result);
    QCOMPARE(errMsg, error);
    QCOMPARE(tabTexts(panel), tabs);
    // The earlier tabs left the panel.
    QCOMPARE(panel.findChildren<SingleFilterTab*>().size(), tabs.size() - 1);
    // Shown again, focused and painted after the tabs were changed in one go, also after an error.
    QVERIFY(tabWidget->tabBar()->isVisible());
    QCOMPARE(tabWidget->tabBar()->hasFocus(), barFocused);
    QVERIFY(tabWidget->updatesEnabled());
    QVERIFY(!tabWidget->sizePolicy().retainSizeWhenHidden() && !tabWidget->tabBar()->sizePolicy().retainSizeWhenHidden());
    QCOMPARE(tabWidget->currentIndex(), tabWidget->count() - 2);
    // Each set tab has its close button, placed on its shown tab; the add tab none.
    QTabBar* bar = tabWidget->tabBar();
    QVERIFY(tabWidget->tabsClosable());
    const auto side = QTabBar::ButtonPosition(bar->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, bar));
    for (int i = 0; i < bar->count(); ++i) {
        QWidget* close = bar->tabButton(i, side);
        QVERIFY(close);
        const bool addTab = i == bar->count() - 1;
        QCOMPARE(close->size().isEmpty(), addTab);
        if (!addTab) {
            QVERIFY(close->isVisible());
            QVERIFY2(bar->tabRect(i).contains(close->geometry()), qPrintable(QString::number(i)));
        }
    }
    QCOMPARE(applySpy.count(), applied);
    int logged = 0;
    for (const QString& entry : log.entries())
        logged += entry == QLatin1String("2|No widget found to display filter [text NOPE@0: W*'x']") ? 1 : 0;
    QVERIFY2(logged == warnings, qPrintable(log.entries().join('\n')));
    if (applied) {
        const SourceAndFilter sent = applySpy.first().at(0).value<SourceAndFilter>();
        QCOMPARE(applySpy.first().at(1).toInt(), int(StructuredFilterUi::DefaultFilter));
        QCOMPARE(sent.getName(), filter.getName());
        QVERIFY(sent.isEqual(panel.getFilter()));
    }
}

void tst_TabbedStructuredFilterUi::displayFilterFromChangeSlot()
{
    // A host that shows another filter when the panel first changes, while
    // the panel is showing one of more than 16 sets: the outer filter ends
    // up in the tabs, each set with its close button.
    TabbedStructuredFilterUi panel(m_config, nullptr);
    panel.show();
    clickTab(panel, 0);
    QList<FilterRuleSet> sets;
    QStringList names;
    for (int i = 1; i <= 20; ++i) {
        sets << ruleSet(true, {textFilter("ALERT_TEXT", "Pump*")});
        names << QStringLiteral("Filter #%1: Include").arg(i);
    }
    int inner = 0;
    connect(&panel, &StructuredFilterUi::structuredFilterChanged, &panel, [&]() {
        QString ignored;
        if (inner++ == 0)
            panel.displayFilter(filterOf({ruleSet(false, {textFilter("DPE", "Lab:*")})}),
                                StructuredFilterUi::DefaultFilter, ignored);
    });
    QString errMsg;
    QCOMPARE(int(panel.displayFilter(filterOf(sets), StructuredFilterUi::DefaultFilter, errMsg)),
             int(WFilter::FilterDisplayed));
    QVERIFY(inner > 1);
    QCOMPARE(tabTexts(panel), names << "");
    QCOMPARE(panel.findChildren<SingleFilterTab*>().size(), 20);
    QTabBar* bar = panel.findChild<QTabWidget*>()->tabBar();
    QVERIFY(bar->isVisible() && bar->updatesEnabled());
    const auto side = QTabBar::ButtonPosition(bar->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, bar));
    for (int i = 0; i < 20; ++i)
        QVERIFY(bar->tabButton(i, side) && !bar->tabButton(i, side)->size().isEmpty());
}

void tst_TabbedStructuredFilterUi::ruleSetOfferedToCandidates()
{
    QStringList properties;
    QSharedPointer<CompletionSource> none;
    SingleFilterTab tab(nullptr, 3, nullptr);
    tab.configure(m_config, none, properties);
    QCOMPARE(properties, (QStringList{"ALERT_TEXT", "DPE"}));
    QSignalSpy names(&tab, SIGNAL(newName(SingleFilterTab*, QString)));
    QString errMsg;
    // The passing widget comes first and passes the filter on to the text rule list.
    QCOMPARE(tab.displayRuleSet(ruleSet(false, {textFilter("ALERT_TEXT", "Pump*")}), true, errMsg),
             WFilter::FilterDisplayed);
    QCOMPARE(tab.findChild<QWidget*>("passing")->property("offered").toInt(), 1);
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.last().at(1).toString(), QStringLiteral("Filter #3: Exclude"));
    const FilterRuleSet back = tab.getFilterSet(true);
    QVERIFY(!back.isInclude());
    QCOMPARE(back.getValueFilters().size(), 1);
    QCOMPARE(back.getValueFilters().first()->toString(), textFilter("ALERT_TEXT", "Pump*")->toString());
    // An empty set only sets the choice.
    QCOMPARE(tab.displayRuleSet(ruleSet(true, {}), false, errMsg), WFilter::FilterDisplayed);
    QCOMPARE(tab.getName(), QStringLiteral("Filter #3: Include"));
    QVERIFY(errMsg.isEmpty());
}

void tst_TabbedStructuredFilterUi::filterMenu()
{
    TabbedStructuredFilterUi panel(m_config, nullptr);
    panel.show();
    QSignalSpy requested(&panel, SIGNAL(filterActionRequested(QString)));
    QSignalSpy changed(&panel, SIGNAL(structuredFilterChanged()));
    panel.setActionState(EwoActions::SaveFilter, ActionAccess::Hidden);
    panel.setActionState(EwoActions::LoadFilter, ActionAccess::Enabled);
    // Opens the menu, notes its entries and chooses the one of that text.
    auto open = [&](const QString& choice) -> QStringList {
        QStringList texts;
        QTimer::singleShot(0, [&texts, choice] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                texts << action->text();
                if (action->text() == choice)
                    chosen = action;
            }
            if (chosen) {
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        if (!QMetaObject::invokeMethod(&panel, "filterButtonClicked"))
            return {"not opened"};
        return texts;
    };
    QCOMPARE(open("Load Filter..."), (QStringList{"Match case", "Clear", "Load Filter..."}));
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.last().at(0).toString(), EwoActions::LoadFilter);
    QCOMPARE(open("Match case"), (QStringList{"Match case", "Clear", "Load Filter..."}));
    QVERIFY(panel.isMatchCase());
    QCOMPARE(changed.count(), 1);
    // A default filter in use shows the reset submenu instead of Clear;
    // with both save and load hidden nothing follows it.
    panel.setActionState(EwoActions::LoadFilter, ActionAccess::Hidden);
    panel.setDefaultFilter(filterOf({ruleSet(true, {textFilter("ALERT_TEXT", "Pump*")})}),
                           UserSettings::ApplyDefaultFilter);
    QCOMPARE(open(QString()), (QStringList{"Match case", "Reset to"}));
    QCOMPARE(requested.count(), 1);
}

void tst_TabbedStructuredFilterUi::dependentCompletionsWiredOnce()
{
    // DPE completions per system, ALERT_TEXT depends on DPE.
    Controller controller;
    FakeLibrary library(controller, "tabs.ctl");
    AlarmScreenConfiguration config(m_config);
    config.filterWidgetConfiguration().completionLibrary = "tabs.ctl";
    config.filterWidgetConfiguration().masterFunction = "master";
    config.filterWidgetConfiguration().slaveFunction = "slave";
    TabbedStructuredFilterUi panel(config, nullptr);
    panel.connectedSystemsChanged({"Lab"});
    clickTab(panel, 0);
    clickTab(panel, 1);  // the first tab's answers find it when it is no longer current
    auto* tab = qobject_cast<SingleFilterTab*>(tabsOf(panel)->widget(0));
    // Completions go to the first widget of their property, the passing one for ALERT_TEXT.
    QList<WFilter*> widgets = tab->findChildren<WFilter*>();
    WFilter* alertText = widgets.at(0);
    WFilter* dpe = widgets.at(2);
    QTRY_COMPARE(dpe->property("completions").toStringList(), (QStringList{"Lab.dp1", "Lab.dp2"}));
    // The dependency announced again is not wired again.
    const QSharedPointer<FilterCompletions> dependent = panel.getCompletionSource()->getCompletions("ALERT_TEXT");
    QVERIFY(dependent);
    tab->completionsReady(dependent, {"Lab"});
    tab->completionsReady(QSharedPointer<FilterCompletions>(), {"Lab"});  // none from the host: ignored
    emit dpe->filterTextChanged("DPE", "Lab:P*");
    // Texts of properties nothing depends on are not forwarded.
    emit alertText->filterTextChanged("ALERT_TEXT", "Pump");
    QTRY_COMPARE(alertText->property("completions").toStringList(), QStringList{"alarm of Lab:P*"});
    QCOMPARE(library.calls.filter("slave").size(), 1);
}

QTEST_MAIN(tst_TabbedStructuredFilterUi)
#include "tst_TabbedStructuredFilterUi.moc"
