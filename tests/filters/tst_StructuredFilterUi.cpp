#include "LogCapture.h"
#include "TestAlarms.h"
#include "TestTextRuleFilter.h"

#include <filters/StructuredFilterUi.h>

#include <QSignalSpy>
#include <QtTest>

namespace {

// A panel whose editor is one SourceAndFilter; it records what it is asked
// to display.
class TestPanel : public StructuredFilterUi
{
public:
    TestPanel(const AlarmScreenConfiguration& config)
        : StructuredFilterUi(config, nullptr)
        , editor(&config, QString())
        , rules(new TestTextRuleFilter(WildcardConfig(this), "ALERT_TEXT", Constants::ValueSourceAlarm, this))
    {
    }

    QList<QWidget*> getTabGroups() const override { return {}; }
    void connectedSystemsChanged(const QStringList& systems) override { m_connectedSystems = systems; }
    SourceAndFilter getFilter() const override { return editor; }
    WFilter::FilterDisplayResult displayFilter(const SourceAndFilter& filter, FilterType type,
                                               QString& errMsg) override
    {
        displayed << QStringLiteral("%1:%2").arg(int(type)).arg(filter.isEmpty() ? "empty" : filter.toString());
        if (!failWith.isEmpty()) {
            errMsg = failWith;
            return WFilter::FilterDisplayError;
        }
        editor.setRuleContainer(filter.getRuleContainer());
        return WFilter::FilterDisplayed;
    }
    void compareWithFilter(const SourceAndFilter&, bool) override {}
    void displayFilterModified(bool) override {}
    void processNewCompletions(void*, const QSharedPointer<FilterCompletions>&) override {}

    SourceAndFilter editor;
    TestTextRuleFilter* rules;
    QStringList displayed;
    QString failWith;
};

// A filter with one text rule for ALERT_TEXT, or none for an empty pattern.
SourceAndFilter filterOf(const QString& pattern)
{
    SourceAndFilter filter;
    filter.setRuleContainer(pattern.isEmpty() ? QSharedPointer<FilterRuleContainer>(
                                new FilterRuleContainer(WildcardConfig(), {}, false))
                                              : alertTextRules(pattern));
    return filter;
}

QString rulesOf(const SourceAndFilter& filter)
{
    return filter.isEmpty() ? QStringLiteral("empty") : filter.toString();
}

} // namespace

class tst_StructuredFilterUi : public QObject
{
    Q_OBJECT
private slots:
    void defaultFilterActions_data();
    void defaultFilterActions();
    void useFlagClearingAndFailedDisplay();
    void matchCaseReachesTheWidgets();

private:
    AlarmScreenConfiguration m_config;
};

void tst_StructuredFilterUi::defaultFilterActions_data()
{
    QTest::addColumn<QString>("editor");   // pattern in the editor ("" for none)
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("given");    // pattern of the filter given
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<QString>("default_"); // pattern of getDefaultFilter()
    QTest::addColumn<bool>("displayed");   // the default was put into the editor

    QTest::newRow("0 uses the stored default") << "a*" << 0 << "b*" << true << "" << false;
    QTest::newRow("1 forgets it") << "a*" << 1 << "b*" << false << "" << false;
    QTest::newRow("2 stores and shows another filter") << "a*" << 2 << "b*" << true << "b*" << true;
    QTest::newRow("2 with the editor's filter shows nothing") << "a*" << 2 << "a*" << true << "a*" << false;
    QTest::newRow("3 empties and shows the default") << "a*" << 3 << "b*" << true << "" << true;
    QTest::newRow("3 with an empty editor shows nothing") << "" << 3 << "b*" << true << "" << false;
    QTest::newRow("unknown action") << "a*" << 9 << "b*" << false << "" << false;
}

void tst_StructuredFilterUi::defaultFilterActions()
{
    QFETCH(QString, editor);
    QFETCH(int, action);
    QFETCH(QString, given);
    QFETCH(bool, useDefault);
    QFETCH(QString, default_);
    QFETCH(bool, displayed);

    TestPanel panel(m_config);
    panel.editor = filterOf(editor);
    panel.setDefaultFilter(filterOf(given), UserSettings::DefaultFilterAction(action));
    QCOMPARE(panel.isUseDefaultFilter(), useDefault);
    QCOMPARE(rulesOf(panel.getDefaultFilter()), rulesOf(filterOf(default_)));
    QCOMPARE(panel.displayed.size(), displayed ? 1 : 0);
    if (displayed)
        QCOMPARE(panel.displayed.first(), QStringLiteral("1:") + rulesOf(filterOf(default_)));
}

void tst_StructuredFilterUi::useFlagClearingAndFailedDisplay()
{
    TestPanel panel(m_config);
    LogCapture log(&panel);
    panel.setDefaultFilter(filterOf("pump*"), UserSettings::ApplyDefaultFilter);
    const QString stored = rulesOf(filterOf("pump*"));
    panel.setUseDefaultFilter(false);
    QCOMPARE(rulesOf(panel.getDefaultFilter()), QStringLiteral("empty"));
    panel.setUseDefaultFilter(true);
    QCOMPARE(rulesOf(panel.getDefaultFilter()), stored);
    // The default is a copy: later changes of the editor do not reach it.
    panel.editor = filterOf("valve*");
    QCOMPARE(rulesOf(panel.getDefaultFilter()), stored);

    panel.displayed.clear();
    panel.clearFilterToBasic();
    panel.clearFilterToDefault();
    QCOMPARE(panel.displayed, (QStringList{"2:empty", "1:" + stored}));

    panel.failWith = QStringLiteral("no widget for ALERT_TEXT");
    panel.setDefaultFilter(filterOf("x"), UserSettings::ApplyDefaultFilter);
    QCOMPARE(log.entries().filter("2|"), QStringList{"2|error applying default filter: no widget for ALERT_TEXT"});
}

void tst_StructuredFilterUi::matchCaseReachesTheWidgets()
{
    TestPanel panel(m_config);
    QSignalSpy changed(&panel, SIGNAL(structuredFilterChanged()));
    panel.setMatchCase(false);
    QCOMPARE(changed.count(), 0);
    panel.setMatchCase(true);
    QCOMPARE(changed.count(), 1);
    QVERIFY(panel.rules->matchCase);
    panel.setMatchCase(true);
    QCOMPARE(changed.count(), 1);
    // The default filter is built with the panel's match case.
    QVERIFY(panel.getDefaultFilter().getRuleContainer()->isMatchCase());
}

QTEST_MAIN(tst_StructuredFilterUi)
#include "tst_StructuredFilterUi.moc"
