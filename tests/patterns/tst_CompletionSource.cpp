#include "FakeCompletionLibrary.h"
#include "LogCapture.h"

#include <patterns/CompletionSource.h>

#include <filtervalues/WildcardConfig.h>

#include <QSignalSpy>
#include <QtTest>

namespace {

FilterWidgetConfiguration configFor(const QString& library)
{
    FilterWidgetConfiguration config;
    config.completionLibrary = library;
    config.masterFunction = QStringLiteral("master");
    config.slaveFunction = QStringLiteral("slave");
    return config;
}

// "consumer:property=strings" of every completionsReady, strings per type.
QStringList readyOf(QSignalSpy& spy, const QStringList& systems = {})
{
    QStringList result;
    for (const QList<QVariant>& args : spy) {
        const auto completions = args.at(1).value<QSharedPointer<FilterCompletions>>();
        const QStringList strings = completions->getType() == FilterCompletions::TypePerSystem
            ? completions->getCompletionsForSystems(systems)
            : completions->getCompletionList();
        result << QStringLiteral("%1:%2=%3")
                      .arg(args.at(0).value<void*>() ? QStringLiteral("mine") : QStringLiteral("all"),
                           completions->getProperty(), strings.join(QLatin1Char(',')));
    }
    spy.clear();
    return result;
}

} // namespace

class tst_CompletionSource : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void instancesAreSharedPerConfiguration();
    void fixedListNeedsNoScript();
    void failuresFallBackToNoCompletions_data();
    void failuresFallBackToNoCompletions();
    void failedCheckInIsTriedAgain();
    void systemsAskedWhileARequestRuns();
    void slaveCompletionsFollowTypedTexts();
    void newSystemsAreAskedFor();

private:
    Controller* m_controller = nullptr;
    int m_consumer = 0;
};

void tst_CompletionSource::init()
{
    m_controller = new Controller;
}

void tst_CompletionSource::cleanup()
{
    delete m_controller;
    m_controller = nullptr;
}

void tst_CompletionSource::instancesAreSharedPerConfiguration()
{
    WildcardConfig panel1;
    WildcardConfig panel2;
    LogCapture log1(&panel1);
    LogCapture log2(&panel2);
    FilterWidgetConfiguration config = configFor(QStringLiteral("shared-lib"));
    config.fixedCompletions.insert(QStringLiteral("PRIO"), {"low", "high"});

    const auto first = CompletionSource::getInstance(&panel1, config);
    QCOMPARE(CompletionSource::getInstance(&panel2, config), first);
    FilterWidgetConfiguration other = config;
    other.fixedCompletions[QStringLiteral("PRIO")] = QStringList{"high", "low"};
    QVERIFY(CompletionSource::getInstance(&panel2, other) != first);
    other = config;
    other.slaveFunction = QStringLiteral("slave2");
    QVERIFY(CompletionSource::getInstance(&panel2, other) != first);

    // The shared instance logs to both panels: the library is not registered.
    first->requestCompletions(&m_consumer, QStringLiteral("DPE"), {});
    const QString message = QStringLiteral("3|Failed to check in script: #uses \"shared-lib\"");
    QCOMPARE(log1.entries().filter(QStringLiteral("3|")), QStringList{message});
    QCOMPARE(log2.entries().filter(QStringLiteral("3|")), QStringList{message});
}

void tst_CompletionSource::fixedListNeedsNoScript()
{
    WildcardConfig panel;
    LogCapture log(&panel);
    FilterWidgetConfiguration config;
    config.fixedCompletions.insert(QStringLiteral("PRIO"), {"low", "high"});
    config.fixedCompletions.insert(QStringLiteral("EMPTY"), {});
    CompletionSource source(&panel, config);
    QSignalSpy ready(&source, SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)));
    source.requestCompletions(&m_consumer, QStringLiteral("PRIO"), {"S1"});
    source.requestCompletions(&m_consumer, QStringLiteral("EMPTY"), {"S1"});
    QCOMPARE(readyOf(ready), (QStringList{"mine:PRIO=low,high", "mine:EMPTY="}));
    QCOMPARE(log.count(), 0);
}

void tst_CompletionSource::failuresFallBackToNoCompletions_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("master");
    QTest::addColumn<QString>("logged");
    QTest::newRow("empty library name")
        << "" << "master" << "3|loadCtrlLib: Empty CTRL library name for requesting gilter completions";
    QTest::newRow("empty master name") << "lib-a" << ""
                                       << "3|queryMasterCompletions: Empty CTRL function name for requesting filter "
                                          "completions";
    QTest::newRow("function not started")
        << "lib-without-master" << "master"
        << "3|callMasterCompletionsCtrl: call of function master in library lib-without-master failed";
}

void tst_CompletionSource::failuresFallBackToNoCompletions()
{
    QFETCH(QString, library);
    QFETCH(QString, master);
    QFETCH(QString, logged);
    FakeLibrary lib(*m_controller, QStringLiteral("lib-a"));
    FakeLibrary noMaster(*m_controller, QStringLiteral("lib-without-master"), false);
    WildcardConfig panel;
    LogCapture log(&panel, 1);
    FilterWidgetConfiguration config = configFor(library);
    config.masterFunction = master;
    CompletionSource source(&panel, config);
    QSignalSpy ready(&source, SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)));

    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"S1"});
    QCOMPARE(log.entries().filter(QStringLiteral("3|")), QStringList{logged});
    QCOMPARE(source.getCompletions(QStringLiteral("DPE"))->getType(), int(FilterCompletions::TypeNone));
    QCOMPARE(ready.count(), 0);
    // Asked again, the property is answered at once, without another call.
    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"S1"});
    QCOMPARE(readyOf(ready), QStringList{"mine:DPE="});
    QCOMPARE(log.entries().filter(QStringLiteral("3|")).size(), 1);
}

void tst_CompletionSource::failedCheckInIsTriedAgain()
{
    WildcardConfig panel;
    LogCapture log(&panel);
    CompletionSource source(&panel, configFor(QStringLiteral("late-lib")));
    source.requestCompletions(&m_consumer, QStringLiteral("PRIO"), {});
    QCOMPARE(log.entries().filter(QStringLiteral("3|")), QStringList{"3|Failed to check in script: #uses \"late-lib\""});

    FakeLibrary lib(*m_controller, QStringLiteral("late-lib"));
    QSignalSpy ready(&source, SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)));
    source.requestCompletions(&m_consumer, QStringLiteral("OTHER"), {});
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(readyOf(ready), QStringList{"all:OTHER=1,2,3"});
    QCOMPARE(lib.calls, QStringList{"master(OTHER,)"});
}

void tst_CompletionSource::systemsAskedWhileARequestRuns()
{
    FakeLibrary lib(*m_controller, QStringLiteral("sys-lib"));
    WildcardConfig panel;
    LogCapture log(&panel, 1);
    CompletionSource source(&panel, configFor(QStringLiteral("sys-lib")));
    QSignalSpy ready(&source, SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)));
    m_controller->setHoldAnswers(true);

    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"A"});
    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"A", "B"});  // first answer awaited
    QCOMPARE(m_controller->pendingCalls(), 1);
    QCOMPARE(ready.count(), 0);

    m_controller->releaseAnswers(1);
    // B is asked for in a new call, and what is known is offered at once.
    QCOMPARE(lib.calls, QStringList{"master(DPE,A)"});
    QCOMPARE(m_controller->pendingCalls(), 1);
    QCOMPARE(readyOf(ready, {"A", "B"}), QStringList{"all:DPE=A.dp1,A.dp2"});
    QVERIFY(log.entries().contains("0|completionsUpdated: query for pending systems: B"));

    // While B's call runs, C only becomes pending.
    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"A", "C"});
    QCOMPARE(m_controller->pendingCalls(), 1);
    QCOMPARE(ready.count(), 0);
    m_controller->releaseAnswers(1);
    QCOMPARE(lib.calls, (QStringList{"master(DPE,A)", "master(DPE,B)"}));
    QCOMPARE(readyOf(ready, {"A", "B", "C"}), QStringList{"all:DPE=A.dp1,A.dp2,B.dp1,B.dp2"});
    m_controller->releaseAnswers(1);
    QCOMPARE(lib.calls.last(), QStringLiteral("master(DPE,C)"));
    QCOMPARE(readyOf(ready, {"A", "B", "C"}), QStringList{"all:DPE=A.dp1,A.dp2,B.dp1,B.dp2,C.dp1,C.dp2"});
    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"C", "A"});
    QCOMPARE(readyOf(ready, {"C"}), QStringList{"mine:DPE=C.dp1,C.dp2"});
    QCOMPARE(m_controller->pendingCalls(), 0);
    QVERIFY(log.entries().filter(QStringLiteral("3|")).isEmpty());
}

void tst_CompletionSource::slaveCompletionsFollowTypedTexts()
{
    FakeLibrary lib(*m_controller, QStringLiteral("slave-lib"));
    WildcardConfig panel;
    CompletionSource source(&panel, configFor(QStringLiteral("slave-lib")));
    QSignalSpy ready(&source, SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)));
    source.requestCompletions(&m_consumer, QStringLiteral("TEXT"), {});
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(readyOf(ready), QStringList{"all:TEXT="});

    source.filterChanged(&m_consumer, QStringLiteral("PRIO"), {{"PRIO", "1"}});  // TEXT does not depend on it
    source.filterChanged(&m_consumer, QStringLiteral("DPE"), {{"DPE", "Pump*"}, {"PRIO", "1"}});
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(readyOf(ready), QStringList{"mine:TEXT=alarm of Pump*"});
    QCOMPARE(lib.calls, (QStringList{"master(TEXT,)", "slave(TEXT,Pump*)"}));
}

void tst_CompletionSource::newSystemsAreAskedFor()
{
    FakeLibrary lib(*m_controller, QStringLiteral("conn-lib"));
    WildcardConfig panel;
    CompletionSource source(&panel, configFor(QStringLiteral("conn-lib")));
    QSignalSpy ready(&source, SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)));
    source.requestCompletions(&m_consumer, QStringLiteral("DPE"), {"A"});
    source.requestCompletions(&m_consumer, QStringLiteral("PRIO"), {});
    QTRY_COMPARE(ready.count(), 2);
    ready.clear();

    source.systemConnectionChanged(&m_consumer, {"A"});
    QCOMPARE(readyOf(ready, {"A"}), QStringList{"mine:DPE=A.dp1,A.dp2"});
    source.systemConnectionChanged(&m_consumer, {"A", "B"});
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(readyOf(ready, {"B"}), QStringList{"all:DPE=B.dp1,B.dp2"});
    QCOMPARE(lib.calls.last(), QStringLiteral("master(DPE,B)"));
}

QTEST_GUILESS_MAIN(tst_CompletionSource)
#include "tst_CompletionSource.moc"
