#include "ScriptValues.h"

#include <scripts/Controller.h>
#include <scripts/DoneCB.h>

#include <QtTest>

namespace {

// Records what it is given and when it dies.
struct Probe
{
    QStringList results;
    int destroyed = 0;
};

class ProbeCallback : public DoneCB
{
public:
    explicit ProbeCallback(Probe* probe)
        : m_probe(probe)
    {
    }
    ~ProbeCallback() override { ++m_probe->destroyed; }
    DoneCB* clone() const override { return new ProbeCallback(m_probe); }
    void execute(const Variable* result) override
    {
        m_probe->results << (result && result->isA() == TEXT_VAR ? static_cast<const TextVar*>(result)->toQString()
                                                                  : QStringLiteral("<none>"));
    }

private:
    Probe* m_probe;
};

// echo(x) returns its first argument's text with "!" appended.
Variable* echo(const DynVar& args)
{
    const auto* first = static_cast<const TextVar*>(args.getAt(0));
    return first ? new TextVar(first->toQString() + QLatin1Char('!')) : nullptr;
}

} // namespace

class tst_Controller : public QObject
{
    Q_OBJECT
private slots:
    void checkIn_data();
    void checkIn();
    void answersLaterOnTheEventLoopOrWhenReleased();
    void destroyedControllerDeletesWaitingCallbacks();
};

void tst_Controller::checkIn_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("ok");
    QTest::newRow("no library") << "main() {}" << true;
    QTest::newRow("one of two unknown") << "#uses \"demo\"\n#uses \"missing\"" << false;
    QTest::newRow("empty name") << "#uses \"\"" << false;
}

void tst_Controller::checkIn()
{
    QFETCH(QString, code);
    QFETCH(bool, ok);
    Controller controller;
    QCOMPARE(Controller::thisPtr, &controller);
    controller.registerFunction(QStringLiteral("demo"), QStringLiteral("echo"), echo);
    const int id = controller.checkIn(CharString::fromQString(code), DynVar(), nullptr, nullptr, false, false, false);
    QCOMPARE(id >= 0, ok);
}

void tst_Controller::answersLaterOnTheEventLoopOrWhenReleased()
{
    Controller controller;
    controller.registerFunction(QStringLiteral("demo"), QStringLiteral("echo"), echo);
    const int id = controller.checkIn("#uses \"demo\"", DynVar(), nullptr, nullptr, false, false, false);
    Probe probe;
    // A refused call leaves its callback to the caller.
    ProbeCallback kept(&probe);
    QCOMPARE(controller.startFunc(id, "nope", nullptr, &kept), 1);
    QCOMPARE(controller.startFunc(12345, "echo", nullptr, &kept), 1);
    QCOMPARE(controller.pendingCalls(), 0);
    std::unique_ptr<DynVar> args(new DynVar);
    args->append(text("hello"));
    QCOMPARE(controller.startFunc(id, "echo", args.get(), new ProbeCallback(&probe)), 0);
    args.reset();  // the caller deletes its arguments right away
    QVERIFY(probe.results.isEmpty());  // never inside startFunc
    QTRY_COMPARE(probe.results, QStringList{"hello!"});
    QCOMPARE(probe.destroyed, 1);

    // Held answers wait for release, in the order of their calls.
    controller.setHoldAnswers(true);
    for (const char* word : {"a", "b", "c"}) {
        args.reset(new DynVar);
        args->append(text(word));
        controller.startFunc(id, "echo", args.get(), new ProbeCallback(&probe));
    }
    QTest::qWait(20);
    QCOMPARE(probe.results.size(), 1);
    QCOMPARE(controller.pendingCalls(), 3);
    QCOMPARE(controller.releaseAnswers(1), 1);
    QCOMPARE(probe.results, (QStringList{"hello!", "a!"}));
    controller.setHoldAnswers(false);
    QTRY_COMPARE(probe.results, (QStringList{"hello!", "a!", "b!", "c!"}));
    QCOMPARE(probe.destroyed, 4);
}

void tst_Controller::destroyedControllerDeletesWaitingCallbacks()
{
    Probe probe;
    {
        Controller controller;
        controller.registerFunction(QStringLiteral("demo"), QStringLiteral("echo"), echo);
        const int id = controller.checkIn("#uses \"demo\"", DynVar(), nullptr, nullptr, false, false, false);
        controller.setHoldAnswers(true);
        controller.startFunc(id, "echo", nullptr, new ProbeCallback(&probe));
    }
    QCOMPARE(probe.destroyed, 1);
    QVERIFY(probe.results.isEmpty());
    QCOMPARE(Controller::thisPtr, nullptr);
}

QTEST_GUILESS_MAIN(tst_Controller)
#include "tst_Controller.moc"
