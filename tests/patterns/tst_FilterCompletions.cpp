#include "LogCapture.h"
#include "ScriptValues.h"

#include <patterns/CompletionSourceDoneCb.h>
#include <patterns/FilterCompletions.h>

#include <filtervalues/WildcardConfig.h>

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString kProperty = QStringLiteral("ALERT_TEXT");

// "type/list/deps/perSystem" of a completions object.
QString stateOf(const FilterCompletions& c, const QStringList& systems = {"S1", "S2"})
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(c.getType())
        .arg(c.getCompletionList().join(QLatin1Char(',')), c.getDependencies().join(QLatin1Char(',')),
             c.getCompletionsForSystems(systems).join(QLatin1Char(',')));
}

// Answers by name; each builder returns a new value.
Variable* answerNamed(const QString& name)
{
    if (name == QLatin1String("fixed, empty middle"))
        return mapping({{text("type"), integer(1)}, {text("list"), texts({"a", "", "c"})}});
    if (name == QLatin1String("fixed in mixed values"))
        return mixed(mapping({{text("type"), mixed(integer(1))}, {text("list"), mixed(texts({"m"}))}}));
    if (name == QLatin1String("depends"))
        return mapping({{text("type"), integer(2)}, {text("list"), texts({"DPE"})}});
    if (name == QLatin1String("per system"))
        return mapping({{text("type"), integer(3)},
                        {text("map"), mapping({{text("S1"), texts({"a", "b"})}, {text("S2"), texts({"b", "c"})}})}});
    if (name == QLatin1String("none"))
        return mapping({{text("type"), integer(0)}, {text("extra"), text("ignored")}});
    if (name == QLatin1String("type 7"))
        return mapping({{text("type"), integer(7)}});
    if (name == QLatin1String("type as text"))
        return mapping({{text("type"), mixed(text("1"))}});
    if (name == QLatin1String("no type"))
        return mapping({{text("list"), texts({"a"})}});
    if (name == QLatin1String("list not a list"))
        return mapping({{text("type"), integer(1)}, {text("list"), text("a")}});
    if (name == QLatin1String("map key not text"))
        return mapping({{text("type"), integer(3)},
                        {text("map"), mapping({{text("S1"), texts({"x"})}, {integer(5), texts({"y"})}})}});
    if (name == QLatin1String("map value not a list"))
        return mapping({{text("type"), integer(3)},
                        {text("map"), mapping({{text("S1"), texts({"x"})}, {text("S2"), integer(1)}})}});
    if (name == QLatin1String("not a mapping"))
        return texts({"a"});
    return nullptr;
}

} // namespace

class tst_FilterCompletions : public QObject
{
    Q_OBJECT
private slots:
    void firstAnswer_data();
    void firstAnswer();
    void slaveAnswerGoesToItsConsumer();
    void systemsBookkeeping();
    void requestStartedTwiceWarns();
    void masterCallFailedClearsEverything();
    void answerAfterTargetIsGone();
};

void tst_FilterCompletions::firstAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("signalled");
    QTest::addColumn<QStringList>("logged");

    const QStringList none;
    const QString prefix = QStringLiteral("3|mapping returned by master for alarm property ALERT_TEXT: ");
    QTest::newRow("fixed list skips empty texts") << "fixed, empty middle" << "1/a,c//" << true << none;
    QTest::newRow("mixed values are looked through") << "fixed in mixed values" << "1/m//" << true << none;
    QTest::newRow("depends on another property") << "depends" << "2//DPE/" << true << none;
    QTest::newRow("per system") << "per system" << "3///a,b,c" << true << none;
    QTest::newRow("no completions") << "none" << "0///" << true << none;
    QTest::newRow("unexpected type") << "type 7" << "0///" << false
                                     << QStringList{"3|unexpected type value 7returned by master for alarm property "
                                                    "ALERT_TEXT, expected one of: 0, 1, 2, 3"};
    QTest::newRow("type given as text, in a mixed value")
        << "type as text" << "0///" << false
        << QStringList{prefix + "mapping value for key 'type' has a type string, expected type int"};
    QTest::newRow("type missing") << "no type" << "0///" << false
                                  << QStringList{prefix + "mapping doesn't contain key 'type'"};
    QTest::newRow("list that is no list")
        << "list not a list" << "1///" << false
        << QStringList{prefix + "mapping value for key 'list' has a type string, expected type dyn_anytype"};
    QTest::newRow("map key that is no text") << "map key not text" << "3///x" << false
                                             << QStringList{"3|Map key is not TextVar, but rather int"};
    QTest::newRow("map value that is no list")
        << "map value not a list" << "3///x" << false
        << QStringList{prefix + "mapping value for key 'S2' has a type int, expected type dyn_anytype"};
    QTest::newRow("not a mapping") << "not a mapping" << "0///" << false
                                   << QStringList{"3|The value returned by CTRL function master for alarm property "
                                                  "ALERT_TEXT is dyn_anytype, expected type is mapping"};
    QTest::newRow("no answer") << "nothing" << "0///" << false
                               << QStringList{"3|No return value from CTRL function master for alarm property "
                                              "ALERT_TEXT"};
}

void tst_FilterCompletions::firstAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, state);
    QFETCH(bool, signalled);
    QFETCH(QStringList, logged);

    WildcardConfig producer;
    LogCapture log(&producer);
    FilterCompletions completions(&producer, kProperty, {});
    completions.functionName = QStringLiteral("master");
    QSignalSpy done(&completions, SIGNAL(requestCompleted(void*, const FilterCompletions*)));
    completions.requestStarted();
    QVERIFY(completions.isRequestRunning());

    int consumer = 0;
    std::unique_ptr<Variable> result(answerNamed(answer));
    completions.applyCtrlCallReturnValue(&consumer, result.get());
    QVERIFY(!completions.isRequestRunning());
    QCOMPARE(stateOf(completions), state);
    QCOMPARE(done.count(), signalled ? 1 : 0);
    if (signalled)  // a master answer is for every consumer
        QCOMPARE(done.first().at(0).value<void*>(), nullptr);
    QCOMPARE(log.entries(), logged);
}

void tst_FilterCompletions::slaveAnswerGoesToItsConsumer()
{
    WildcardConfig producer;
    FilterCompletions completions(&producer, kProperty, {});
    std::unique_ptr<Variable> first(answerNamed("depends"));
    completions.applyCtrlCallReturnValue(nullptr, first.get());
    QVERIFY(completions.dependsOnFilter("DPE"));
    QVERIFY(!completions.dependsOnFilter("dpe"));

    QSignalSpy done(&completions, SIGNAL(requestCompleted(void*, const FilterCompletions*)));
    int consumer = 0;
    std::unique_ptr<Variable> slave(mapping({{text("list"), texts({"Pump 1 failure"})}}));
    completions.applyCtrlCallReturnValue(&consumer, slave.get());
    QCOMPARE(stateOf(completions), QStringLiteral("2/Pump 1 failure/DPE/"));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().at(0).value<void*>(), static_cast<void*>(&consumer));

    // A broken slave answer leaves the strings as they were.
    std::unique_ptr<Variable> broken(text("oops"));
    completions.applyCtrlCallReturnValue(&consumer, broken.get());
    QCOMPARE(stateOf(completions), QStringLiteral("2/Pump 1 failure/DPE/"));
    QCOMPARE(done.count(), 1);
}

void tst_FilterCompletions::systemsBookkeeping()
{
    WildcardConfig producer;
    FilterCompletions completions(&producer, kProperty, {"S1"});
    QCOMPARE(completions.findMissingSystems({"S1", "S2", "S3"}), (QStringList{"S2", "S3"}));
    completions.addPendingSystems({"S1", "S2", "S2", "S3"});
    QVERIFY(completions.getPendingSystems().isEmpty());  // only a per-system object tells its pending systems

    std::unique_ptr<Variable> answer(answerNamed("per system"));
    completions.applyCtrlCallReturnValue(nullptr, answer.get());
    QCOMPARE(completions.getPendingSystems(), QStringList{"S3"});  // S2 got answered meanwhile
    QCOMPARE(completions.getCompletionsForSystems({"S2", "S1", "S9"}), (QStringList{"b", "c", "a"}));
    completions.clearPendingSystems();
    QVERIFY(completions.getPendingSystems().isEmpty());

    completions.setFixedList({});
    QCOMPARE(completions.getType(), int(FilterCompletions::TypeNone));
    completions.addPendingSystems({"S7"});
    completions.setFixedList({"x"});
    QCOMPARE(completions.getType(), int(FilterCompletions::TypeFixed));
}

void tst_FilterCompletions::requestStartedTwiceWarns()
{
    WildcardConfig producer;
    LogCapture log(&producer, 1);
    FilterCompletions completions(&producer, kProperty, {});
    completions.requestStarted();
    completions.requestStarted();
    QCOMPARE(log.entries(), QStringList{"2|requestStarted: call to fix request start for FilterCompletions with "
                                        "valid time, property ALERT_TEXT"});
}

void tst_FilterCompletions::masterCallFailedClearsEverything()
{
    WildcardConfig producer;
    FilterCompletions completions(&producer, kProperty, {"S1"});
    std::unique_ptr<Variable> answer(answerNamed("per system"));
    completions.applyCtrlCallReturnValue(nullptr, answer.get());
    QSignalSpy done(&completions, SIGNAL(requestCompleted(void*, const FilterCompletions*)));
    int consumer = 0;
    completions.masterCallFailed(&consumer);
    QCOMPARE(stateOf(completions), QStringLiteral("0///"));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().at(0).value<void*>(), nullptr);
    QCOMPARE(completions.findMissingSystems({"S1"}), QStringList{"S1"});
}

void tst_FilterCompletions::answerAfterTargetIsGone()
{
    WildcardConfig producer;
    auto* target = new FilterCompletions(&producer, kProperty, {});
    CompletionSourceDoneCb callback(target, QStringLiteral("master"), nullptr);
    std::unique_ptr<DoneCB> copy(callback.clone());
    std::unique_ptr<Variable> answer(answerNamed("fixed, empty middle"));

    copy->execute(answer.get());  // a copy has no target
    QCOMPARE(target->getType(), int(FilterCompletions::TypeUnknown));
    callback.execute(answer.get());
    QCOMPARE(target->getType(), int(FilterCompletions::TypeFixed));

    delete target;
    callback.execute(answer.get());  // must not touch the destroyed object
}

QTEST_GUILESS_MAIN(tst_FilterCompletions)
#include "tst_FilterCompletions.moc"
