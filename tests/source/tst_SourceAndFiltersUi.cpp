#include "TestAlarms.h"

#include <filters/StructuredFilterUi.h>
#include <patterns/QuickFilterEditor.h>
#include <source/BasicSourceAndFiltersUi.h>
#include <source/SourceUi.h>
#include <source/SourceUiLong.h>


#include <QLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Parts that write down what the panel asks of them.
class RecordingSource : public SourceUi
{
    Q_OBJECT
public:
    RecordingSource(const AlarmScreenConfiguration& config, QStringList& calls, QWidget* parent)
        : SourceUi(config, parent)
        , m_calls(calls)
    {
    }
    QStringList systems;

    void connectedSystemsChanged(const QStringList& s) override { m_calls << "source systems " + s.join(','); }
    void setTimeSpec(Qt::TimeSpec spec) override { m_calls << QStringLiteral("source timespec %1").arg(int(spec)); }
    void addToFilter(const SourceAndFilter& filter) const override
    {
        filter.setSourceMode(Constants::SourceModeArchive);
        filter.setSystems(systems);
    }
    void compareWithFilter(const SourceAndFilter&, bool flag) override { m_calls << QStringLiteral("source compare %1").arg(flag); }
    QString prepareArchiveMode(const QDateTime&, const QDateTime&, const QStringList& s) override
    {
        m_calls << "source archive " + s.join(',');
        return QStringLiteral("refused");
    }
    void prepareOnlineMode() override { m_calls << "source online"; }
    void displayFilterModified(bool same) override { m_calls << QStringLiteral("source same %1").arg(same); }
    void displaySourceState(Constants::SourceState state) override { m_calls << QStringLiteral("source state %1").arg(int(state)); }
    void displaySourceCounts(unsigned int read, unsigned int matching) override
    {
        m_calls << QStringLiteral("source counts %1 %2").arg(read).arg(matching);
    }
    void emitChanged() { emit changed(); }
    void emitApply() { emit apply(); }

private:
    QStringList& m_calls;
};

class RecordingStructured : public StructuredFilterUi
{
    Q_OBJECT
public:
    RecordingStructured(const AlarmScreenConfiguration& config, QStringList& calls, QWidget* parent)
        : StructuredFilterUi(config, parent)
        , m_calls(calls)
    {
    }
    SourceAndFilter edited;

    QList<QWidget*> getTabGroups() const override { return {}; }
    void connectedSystemsChanged(const QStringList& s) override { m_calls << "structured systems " + s.join(','); }
    SourceAndFilter getFilter() const override { return edited; }
    WFilter::FilterDisplayResult displayFilter(const SourceAndFilter&, StructuredFilterUi::FilterType type,
                                               QString&) override
    {
        m_calls << QStringLiteral("structured display %1").arg(int(type));
        return WFilter::FilterPartlyDisplayed;
    }
    void compareWithFilter(const SourceAndFilter&, bool flag) override { m_calls << QStringLiteral("structured compare %1").arg(flag); }
    void displayFilterModified(bool same) override { m_calls << QStringLiteral("structured same %1").arg(same); }
    void processNewCompletions(void*, const QSharedPointer<FilterCompletions>&) override {}
    void emitApply(const SourceAndFilter& f, int type) { emit applyStructuredFilter(f, type); }

private:
    QStringList& m_calls;
};

class Panel : public SourceAndFiltersUi
{
    Q_OBJECT
public:
    using SourceAndFiltersUi::SourceAndFiltersUi;
    QList<QWidget*> getTabGroups() const override { return {}; }
};

} // namespace

class tst_SourceAndFiltersUi : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void withoutParts();
    void forwardsToAndAppliesWithParts();
    void replacedPartsAreDeleted();
    void builtInPanel_data();
    void builtInPanel();

private:
    AlarmScreenConfiguration m_config;
};

void tst_SourceAndFiltersUi::withoutParts()
{
    Panel panel(m_config, nullptr);
    QSignalSpy applied(&panel, SIGNAL(applyStructuredFilter(const SourceAndFilter&, int)));
    const SourceAndFilter filter = panel.getFilter();
    const SourceAndFilter fresh;
    QVERIFY(filter.getRuleContainer());
    QVERIFY(filter.getRuleContainer()->getRuleSets().isEmpty());
    QCOMPARE(filter.getSourceMode(), fresh.getSourceMode());
    QVERIFY(filter.getTimeRange() == fresh.getTimeRange());
    QVERIFY(!filter.isFixedDpSource());
    QCOMPARE(panel.prepareArchiveMode(QDateTime(), QDateTime(), {}),
             QStringLiteral("as EWO doesn't contains source control, archive mode can't be set"));
    QString error = "untouched";
    QCOMPARE(panel.displayFilter(filter, StructuredFilterUi::EditorFilter, error), WFilter::FilterNotDisplayed);
    QCOMPARE(error, QStringLiteral("untouched"));
    SourceAndFilter rules;
    rules.setRuleContainer(alertTextRules("Pump*"));
    QCOMPARE(panel.displayFilter(rules, StructuredFilterUi::EditorFilter, error), WFilter::FilterDisplayError);
    QCOMPARE(error, QStringLiteral("there is no editor to display content of structured filter"));
    QVERIFY(!panel.isUseDefaultFilter());
    QVERIFY(panel.getDefaultFilter().isEmpty());

    // Fixed datapoints stand for the source, and are applied at once,
    // also when the very list held is given again.
    const QStringList names{"Plant1:Pump1.state", "Plant1:Pump2.state"};
    panel.setFixedDpNames(names);
    panel.setFixedDpNames(panel.getFixedDpNames());
    QCOMPARE(applied.count(), 2);
    const SourceAndFilter last = applied.last().at(0).value<SourceAndFilter>();
    QVERIFY(last.isFixedDpSource());
    QCOMPARE(last.getDpNames(), names);
    QCOMPARE(applied.last().at(1).toInt(), 0);
}

void tst_SourceAndFiltersUi::forwardsToAndAppliesWithParts()
{
    QStringList calls;
    Panel panel(m_config, nullptr);
    auto* source = new RecordingSource(m_config, calls, &panel);
    auto* structured = new RecordingStructured(m_config, calls, &panel);
    structured->edited.setRuleContainer(alertTextRules("Pump*"));
    panel.setSourceUi(source);
    panel.setStructuredFilterUI(structured);

    panel.connectedSystemsChanged({"A", "B"});
    panel.setTimeSpec(Qt::UTC);
    panel.displaySourceState(Constants::SourceStateQueryReading);
    panel.displaySourceCounts(120, 7);
    panel.prepareOnlineMode();
    QCOMPARE(panel.prepareArchiveMode(QDateTime(), QDateTime(), {"A"}), QStringLiteral("refused"));
    QString error;
    QCOMPARE(panel.displayFilter(SourceAndFilter(), StructuredFilterUi::DefaultFilter, error),
             WFilter::FilterPartlyDisplayed);
    // The panel's own filter compared: the markers hide.
    panel.compareWithFilter(panel.getFilter(), true);
    SourceAndFilter other;
    other.setRuleContainer(alertTextRules("Valve*"));
    panel.compareWithFilter(other, false);
    QCOMPARE(calls, (QStringList{"source systems A,B", "structured systems A,B", "source timespec 1",
                                 "source state 6", "source counts 120 7", "source online", "source archive A",
                                 "structured display 1", "source compare 1", "structured compare 1",
                                 "source same 1", "structured same 1", "source compare 0", "structured compare 0",
                                 "source same 0", "structured same 0"}));

    // With systems selected the fixed datapoint names are not used.
    source->systems = QStringList{"A"};
    panel.setFixedDpNames({"A:Pump.state"});
    const SourceAndFilter filter = panel.getFilter();
    QVERIFY(!filter.isFixedDpSource());
    QCOMPARE(filter.getSystems(), QStringList{"A"});
    QVERIFY(filter.getRuleContainer()->isEqual(*alertTextRules("Pump*")));

    source->systems = QStringList{"B"};
    auto* quick = new QuickFilterEditor(&panel);
    panel.setQuickFilterEditor(quick);
    QSignalSpy applied(&panel, SIGNAL(applyStructuredFilter(const SourceAndFilter&, int)));
    QSignalSpy changed(&panel, SIGNAL(structuredFilterChanged()));
    QSignalSpy quickChanged(&panel, SIGNAL(quickFilterChanged(const QuickCellFilter&)));

    // The structured panel asks to apply a default filter: the source part is written into it.
    SourceAndFilter request;
    request.setRuleContainer(alertTextRules("Door*"));
    structured->emitApply(request, StructuredFilterUi::DefaultFilter);
    QCOMPARE(applied.count(), 1);
    const SourceAndFilter withSource = applied.last().at(0).value<SourceAndFilter>();
    QCOMPARE(applied.last().at(1).toInt(), 1);
    QCOMPARE(withSource.getSourceMode(), Constants::SourceModeArchive);
    QCOMPARE(withSource.getSystems(), QStringList{"B"});
    QVERIFY(withSource.getRuleContainer()->isEqual(*alertTextRules("Door*")));

    // The source control's apply button applies the panel's whole filter as an edit.
    source->emitApply();
    QCOMPARE(applied.count(), 2);
    QCOMPARE(applied.last().at(1).toInt(), 0);
    QCOMPARE(applied.last().at(0).value<SourceAndFilter>().getSystems(), QStringList{"B"});
    source->emitChanged();
    QCOMPARE(changed.count(), 1);

    quick->setText("valve");
    emit quick->editingFinished();
    QCOMPARE(quickChanged.count(), 1);
    QuickCellFilter shown;
    shown.setString("pump");
    panel.setAppliedQuickFilter(shown);
    QCOMPARE(quick->text(), QStringLiteral("pump"));
    panel.clearQuickFilter();
    QCOMPARE(quick->text(), QString());
    QCOMPARE(quickChanged.count(), 1);
}

void tst_SourceAndFiltersUi::replacedPartsAreDeleted()
{
    QStringList calls;
    Panel panel(m_config, nullptr);
    QPointer<RecordingSource> first = new RecordingSource(m_config, calls, &panel);
    panel.setSourceUi(first);
    panel.setSourceUi(new RecordingSource(m_config, calls, &panel));
    QPointer<RecordingStructured> structured = new RecordingStructured(m_config, calls, &panel);
    panel.setStructuredFilterUI(structured);
    panel.setStructuredFilterUI(nullptr);
    QuickFilterEditor quick(nullptr);
    panel.setQuickFilterEditor(&quick);
    panel.setQuickFilterEditor(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!structured);
    QVERIFY(!panel.getStructuredFilterUi());
}

void tst_SourceAndFiltersUi::builtInPanel_data()
{
    QTest::addColumn<bool>("sourceControl");
    QTest::newRow("with source control") << true;
    QTest::newRow("quick filter only") << false;
}

void tst_SourceAndFiltersUi::builtInPanel()
{
    QFETCH(bool, sourceControl);
    AlarmScreenConfiguration config;
    config.filterWidgetConfiguration().sourceControl = sourceControl;
    config.wildcardConfig().emptyIsMatchAll = true;
    config.wildcardConfig().matchAllChar = QLatin1Char('%');
    BasicSourceAndFiltersUi panel(config, nullptr);
    QCOMPARE(bool(qobject_cast<SourceUiLong*>(panel.getSourceUi())), sourceControl);
    QVERIFY(!panel.getStructuredFilterUi());
    QVERIFY(panel.getQuickFilterEditor());
    QCOMPARE(panel.getQuickFilterEditor()->placeholderText(), QStringLiteral("%"));
    QCOMPARE(panel.layout()->contentsMargins(), QMargins(2, 0, 2, 0));
    QCOMPARE(panel.layout()->spacing(), 2);
    QCOMPARE(panel.layout()->count(), sourceControl ? 2 : 1);
    QCOMPARE(panel.prepareArchiveMode(QDateTime::currentDateTime().addSecs(-60), QDateTime::currentDateTime(), {})
                 .isEmpty(),
             sourceControl);
    QVERIFY(panel.getTabGroups().isEmpty());
}

// The clear button fades in and out (160 ms); an animation whose line edit
// is gone stops at its next tick and deletes itself later. Let that happen
// before the next test (and the process) ends.
void tst_SourceAndFiltersUi::cleanup()
{
    QTest::qWait(200);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(tst_SourceAndFiltersUi)
#include "tst_SourceAndFiltersUi.moc"
