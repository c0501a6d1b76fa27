#include "LogCapture.h"

#include <access/EwoActions.h>
#include <Qvas.h>
#include <source/SourceUiLong.h>

#include <configuration/AlarmScreenConfiguration.h>
#include <systems/SysOracleArchive.h>

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

// Opens the protected query start time to the tests.
class TestSourceUi : public SourceUiLong
{
public:
    using SourceUiLong::SourceUiLong;
    void setQueryStart(const QDateTime& start) { m_queryStartTime = start; }
    QDateTime queryStart() const { return m_queryStartTime; }
};

template <typename T>
T* child(QWidget& w, const char* name)
{
    return w.findChild<T*>(QLatin1String(name));
}

// "abort labels colour" as shown: abort/progress and the three labels,
// 1 visible, 0 hidden; the state label's fill colour or "none".
QString stateShown(SourceUiLong& control)
{
    auto* state = child<QLabel>(control, "labelQueryState");
    const QString colour = state->autoFillBackground()
        ? state->palette().brush(QPalette::Active, control.backgroundRole()).color().name()
        : QStringLiteral("none");
    return QStringLiteral("%1%2 %3%4%5 %6")
        .arg(int(!child<QToolButton>(control, "buttonAbortQuery")->isHidden()))
        .arg(int(!child<QProgressBar>(control, "progressBarQuery")->isHidden()))
        .arg(int(!state->isHidden()))
        .arg(int(!child<QLabel>(control, "labelTimeSpent")->isHidden()))
        .arg(int(!child<QLabel>(control, "labelQueryCounts")->isHidden()))
        .arg(colour);
}

} // namespace

class tst_SourceUiLong : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void stateTable_data();
    void stateTable();
    void queryTimeKeptWhileRunning();
    void modeTransitions();
    void historySeedsSelectionOnce();
    void prepareArchiveModeAndAddToFilter();
    void countsAndMarkers();
    void unexpectedInput();
    void translations_data();
    void translations();

private:
    AlarmScreenConfiguration m_config;
};

void tst_SourceUiLong::init()
{
    SysOracleArchive::getInstance()->setSystems({"Plant1", "Plant2", "Lab"});
}

void tst_SourceUiLong::stateTable_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("shown");
    const QString red = QStringLiteral("#ffc0c0");
    const QString yellow = QStringLiteral("#ffffc0");
    QTest::newRow("0") << 0 << "00 000 " + red;
    QTest::newRow("2") << 2 << "00 000 " + yellow;
    QTest::newRow("3") << 3 << "00 000 " + yellow;
    QTest::newRow("4") << 4 << "00 000 none";
    QTest::newRow("5") << 5 << "11 111 " + yellow;
    QTest::newRow("6") << 6 << "11 111 " + yellow;
    QTest::newRow("7") << 7 << "00 111 none";
    QTest::newRow("8") << 8 << "00 111 " + red;
    QTest::newRow("9") << 9 << "00 111 none";
    QTest::newRow("12 keeps visibility") << 12 << "11 111 none";
}

void tst_SourceUiLong::stateTable()
{
    QFETCH(int, state);
    QFETCH(QString, shown);
    SourceUiLong control(m_config, nullptr);
    control.displaySourceState(Constants::SourceStateQueryReading);  // a running query first
    control.displaySourceState(Constants::SourceState(state));
    QCOMPARE(stateShown(control), shown);
    QCOMPARE(child<QLabel>(control, "labelQueryState")->text(),
             Constants::getSourceStateVisibleName(Constants::SourceState(state)));
}

void tst_SourceUiLong::queryTimeKeptWhileRunning()
{
    TestSourceUi control(m_config, nullptr);
    control.show();
    control.prepareArchiveMode(QDateTime::currentDateTime().addSecs(-60), QDateTime::currentDateTime(), {});
    control.displaySourceState(Constants::SourceStateQueryStarted);
    const QDateTime started = control.queryStart();
    QVERIFY(started.isValid());
    control.setQueryStart(started.addSecs(-3725));  // 1 h 2 min 5 s ago
    control.displaySourceState(Constants::SourceStateQueryReading);
    QCOMPARE(control.queryStart(), started.addSecs(-3725));

    QMetaObject::invokeMethod(&control, "stateTimerTick");
    QCOMPARE(child<QLabel>(control, "labelTimeSpent")->text(), QStringLiteral("01:02:05"));

    control.displaySourceState(Constants::SourceStateQueryDone);
    QVERIFY(!control.queryStart().isValid());
    QMetaObject::invokeMethod(&control, "stateTimerTick");
    QCOMPARE(child<QLabel>(control, "labelTimeSpent")->text(), QStringLiteral("01:02:05"));  // keeps its last text
}

void tst_SourceUiLong::modeTransitions()
{
    SourceUiLong control(m_config, nullptr);
    control.show();
    auto* history = child<QWidget>(control, "sourceContainerHistory");
    auto* combo = child<QComboBox>(control, "comboBoxSourceMode");
    QSignalSpy changed(&control, SIGNAL(changed()));
    QVERIFY(history->isHidden());
    QCOMPARE(control.getMode(), Constants::SourceModeOnline);

    QTest::keyClick(combo, Qt::Key_Down);  // activates "History"
    QCOMPARE(control.getMode(), Constants::SourceModeArchive);
    QVERIFY(!history->isHidden());
    QCOMPARE(changed.count(), 1);

    QMetaObject::invokeMethod(&control, "sourceModeIndexActivated", Q_ARG(int, 1));  // already there
    QCOMPARE(changed.count(), 1);

    control.prepareOnlineMode();
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(history->isHidden());
    QCOMPARE(changed.count(), 2);
    control.prepareOnlineMode();
    QCOMPARE(changed.count(), 2);
}

void tst_SourceUiLong::historySeedsSelectionOnce()
{
    SourceUiLong control(m_config, nullptr);
    auto* systems = child<QToolButton>(control, "buttonSystems");
    QCOMPARE(systems->text(), QStringLiteral("Systems 0 / 3"));
    control.connectedSystemsChanged({"Plant1", "Lab"});
    QMetaObject::invokeMethod(&control, "sourceModeIndexActivated", Q_ARG(int, 1));
    QCOMPARE(systems->text(), QStringLiteral("Systems 2 / 3"));

    SourceAndFilter filter;
    control.addToFilter(filter);
    QCOMPARE(filter.getSystems(), (QStringList{"Plant1", "Lab"}));

    control.prepareOnlineMode();
    control.connectedSystemsChanged({"Plant2"});
    QMetaObject::invokeMethod(&control, "sourceModeIndexActivated", Q_ARG(int, 1));
    control.addToFilter(filter);
    QCOMPARE(filter.getSystems(), (QStringList{"Plant1", "Lab"}));  // the operator's selection stays
}

void tst_SourceUiLong::prepareArchiveModeAndAddToFilter()
{
    SourceUiLong control(m_config, nullptr);
    QSignalSpy changed(&control, SIGNAL(changed()));
    const QDateTime start(QDate(2026, 12, 1), QTime(8, 0));
    const QDateTime end(QDate(2026, 12, 1), QTime(9, 30));

    QCOMPARE(control.prepareArchiveMode(start, end, {"Lab", "Atlantis"}),
             QStringLiteral("Unknwon system name: Atlantis"));
    QCOMPARE(control.getMode(), Constants::SourceModeOnline);
    QCOMPARE(child<QComboBox>(control, "comboBoxSourceMode")->currentIndex(), 0);
    QCOMPARE(changed.count(), 0);

    QVERIFY(control.prepareArchiveMode(start, end, {"Lab"}).isEmpty());
    QCOMPARE(control.getMode(), Constants::SourceModeArchive);
    QCOMPARE(child<QComboBox>(control, "comboBoxSourceMode")->currentIndex(), 1);
    QCOMPARE(control.getTimeRange().getRangeType(), TimeRange::FixedInterval);
    QCOMPARE(control.getTimeRange().getStartTime(), start);
    QCOMPARE(child<QToolButton>(control, "buttonTimeRange")->text(),
             QStringLiteral("2026.12.01 08:00:00 - 2026.12.01 09:30:00"));
    QCOMPARE(changed.count(), 2);  // the added system, then the mode

    // The source is written into the filter, replacing a fixed datapoint source.
    SourceAndFilter filter;
    filter.setFixedDpSource(true);
    filter.setDpNames({"dp1"});
    control.addToFilter(filter);
    QCOMPARE(filter.getSourceMode(), Constants::SourceModeArchive);
    QCOMPARE(filter.getTimeRange(), control.getTimeRange());
    QCOMPARE(filter.getSystems(), QStringList{"Lab"});
    QVERIFY(!filter.isFixedDpSource());

    // An applied archive filter brings its time range back into the control.
    SourceAndFilter applied;
    TimeRange lastDay;
    lastDay.setRangeType(TimeRange::LastDays);
    applied.setSourceMode(Constants::SourceModeArchive);
    applied.setTimeRange(lastDay);
    control.compareWithFilter(applied, true);
    QCOMPARE(child<QToolButton>(control, "buttonTimeRange")->text(), QStringLiteral("Last 1 days"));
}

void tst_SourceUiLong::countsAndMarkers()
{
    SourceUiLong control(m_config, nullptr);
    // The state it starts in (1) again changes nothing.
    auto* label = child<QLabel>(control, "labelQueryState");
    QCOMPARE(label->text(), QStringLiteral("NoQuery"));
    label->setText(QStringLiteral("marker"));
    control.displaySourceState(Constants::SourceStateIdle);
    QCOMPARE(label->text(), QStringLiteral("marker"));

    control.displaySourceCounts(10, 3);
    QCOMPARE(child<QLabel>(control, "labelQueryCounts")->text(), QStringLiteral("Matching: 3 / Total read: 10"));

    auto* marker = child<QLabel>(control, "labelFilterModified");
    auto* apply = child<QToolButton>(control, "buttonApply");
    control.displayFilterModified(false);
    QVERIFY(marker->isHidden());  // applying is not offered
    control.setMayApplySettings(true);
    QVERIFY(!apply->isHidden());
    control.displayFilterModified(false);
    QVERIFY(!marker->isHidden());
    control.displayFilterModified(true);
    QVERIFY(marker->isHidden());
    control.setMayApplySettings(false);
    QVERIFY(apply->isHidden());

    QSignalSpy applied(&control, SIGNAL(apply()));
    QSignalSpy aborted(&control, SIGNAL(abortQuery()));
    apply->click();
    child<QToolButton>(control, "buttonAbortQuery")->click();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(aborted.count(), 1);

    // The mode selector follows the switchSourceMode right.
    control.setActionState(EwoActions::SwitchSourceMode, ActionAccess::Disabled);
    QVERIFY(!child<QComboBox>(control, "comboBoxSourceMode")->isEnabled());
}

void tst_SourceUiLong::unexpectedInput()
{
    SourceUiLong control(m_config, nullptr);
    LogCapture log(&control, 1);
    QSignalSpy changed(&control, SIGNAL(changed()));
    QMetaObject::invokeMethod(&control, "sourceModeIndexActivated", Q_ARG(int, 5));
    QMetaObject::invokeMethod(&control, "sourceButtonClicked");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(control.getMode(), Constants::SourceModeOnline);
    QCOMPARE(log.entries(), (QStringList{"2|sourceModeIndexActivated: unexpected combo box index for new mode: 5",
                                         "3|sourceButtonClicked: click signal from unexpected button"}));
}

void tst_SourceUiLong::translations_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("applyText");
    QTest::newRow("German") << "de" << true << "Anwenden";
    QTest::newRow("German, Swiss") << "de_CH" << true << "Anwenden";
    // No French: the German one installed before must be gone too.
    QTest::newRow("French") << "fr" << false << "Apply";
}

void tst_SourceUiLong::translations()
{
    QFETCH(QString, locale);
    QFETCH(bool, installed);
    QFETCH(QString, applyText);
    QCOMPARE(Qvas::installTranslator(QLocale(locale)), installed);
    SourceUiLong control(m_config, nullptr);
    QCOMPARE(child<QToolButton>(control, "buttonApply")->text(), applyText);
    // Log lines are content, not interface: the same in every language.
    LogCapture log(&control, 1);
    QMetaObject::invokeMethod(&control, "sourceButtonClicked");
    QCOMPARE(log.entries(), QStringList{"3|sourceButtonClicked: click signal from unexpected button"});
}

QTEST_MAIN(tst_SourceUiLong)
#include "tst_SourceUiLong.moc"
