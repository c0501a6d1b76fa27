#include "LogCapture.h"

#include <datapoints/DpHLGroup.h>
#include <datapoints/DpMsgAnswer.h>
#include <datapoints/HotLinkWaitForAnswer.h>
#include <datapoints/Manager.h>
#include <scriptbridge/converter.h>
#include <variables/IntegerVar.h>
#include <variables/TextVar.h>

#include <QtTest>

namespace {

// Writes every message it receives as one line: "answer: a,b" or "hotlink: a,b" or "... error: text".
class Recorder : public HotLinkWaitForAnswer
{
public:
    explicit Recorder(QStringList* lines, bool* deleted = nullptr)
        : m_lines(lines)
        , m_deleted(deleted)
    {
    }
    ~Recorder() override
    {
        if (m_deleted)
            *m_deleted = true;
    }
    void hotLinkCallBack(DpMsgAnswer& answer) override { record("answer", answer.getGroup(0)); }
    void hotLinkCallBack(DpHLGroup& group) override { record("hotlink", group); }

private:
    void record(const QString& kind, const DpValueGroup& group)
    {
        if (group.getErrorPtr()) {
            m_lines->append(kind + " error: " + group.getErrorPtr()->getErrorText().toQString());
            return;
        }
        QStringList values;
        for (int i = 0; i < group.getNumberOfItems(); ++i)
            values << static_cast<const TextVar*>(group.getValue(i))->toQString();
        m_lines->append(kind + ": " + values.join(','));
    }

    QStringList* m_lines;
    bool* m_deleted;
};

DpIdentList idsOf(const QStringList& names)
{
    DpIdentList list;
    QString errMsg;
    if (!converter::getDpIds(nullptr, names, list, errMsg))
        qWarning() << errMsg;
    return list;
}

} // namespace

class tst_Manager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { Manager::reset(); }
    void valuesArriveSortedFromTheEventLoop();
    void disconnectDropsWaitingMessages();
    void deletedDatapointSendsError();
    void refusedValuesAndReceivers();
};

void tst_Manager::init()
{
    QString errMsg;
    QVERIFY(Manager::defineType("Set", {{".A", TEXT_VAR}, {".B", TEXT_VAR}, {".C", TEXT_VAR}, {".N", INTEGER_VAR}},
                                errMsg));
    QVERIFY(Manager::createDp("S1", "Set", errMsg));
}

void tst_Manager::valuesArriveSortedFromTheEventLoop()
{
    QString errMsg;
    QVERIFY(Manager::dpSet("S1.A", TextVar("a0"), errMsg));
    QStringList lines;
    // Connected in another order than the type's: values come in the type's order.
    QVERIFY(Manager::dpConnect(idsOf({"S1.C", "S1.A"}), Manager::eventId, new Recorder(&lines), true));
    QVERIFY(Manager::dpSet("S1.C", TextVar("c1"), errMsg));
    TextVar a2("a2");
    TextVar c2("c2");
    QVERIFY(Manager::dpSet({{"S1.A", &a2}, {"S1.C", &c2}}, errMsg));
    // An element outside the connection changes nothing for it.
    QVERIFY(Manager::dpSet("S1.B", TextVar("b"), errMsg));
    QVERIFY(lines.isEmpty());
    QTRY_COMPARE(lines, (QStringList{"answer: a0,", "hotlink: a0,c1", "hotlink: a2,c2"}));
}

void tst_Manager::disconnectDropsWaitingMessages()
{
    QStringList lines;
    bool deleted = false;
    auto* recorder = new Recorder(&lines, &deleted);
    const DpIdentList ids = idsOf({"S1.A"});
    QVERIFY(Manager::dpConnect(ids, Manager::eventId, recorder, true));
    QString errMsg;
    QVERIFY(Manager::dpSet("S1.A", TextVar("x"), errMsg));
    QCOMPARE(Manager::pendingMessages(), 2);
    QVERIFY(Manager::dpDisconnect(ids, recorder, Manager::eventId));
    QVERIFY(deleted);
    QCOMPARE(Manager::pendingMessages(), 0);
    QVERIFY(!Manager::dpDisconnect(ids, recorder, Manager::eventId));
    QTest::qWait(20);
    QVERIFY(lines.isEmpty());
}

void tst_Manager::deletedDatapointSendsError()
{
    QStringList lines;
    QVERIFY(Manager::dpConnect(idsOf({"S1.B"}), Manager::eventId, new Recorder(&lines), false));
    QVERIFY(Manager::deleteDp("S1"));
    QTRY_COMPARE(lines, QStringList{"hotlink error: datapoint 'S1' was deleted"});
}

void tst_Manager::refusedValuesAndReceivers()
{
    QString errMsg;
    // A value of the wrong type sets nothing, not even the other values of the call.
    IntegerVar number(3);
    TextVar text("t");
    QVERIFY(!Manager::dpSet({{"S1.A", &text}, {"S1.A", &number}}, errMsg));
    QCOMPARE(errMsg, QStringLiteral("datapoint element 'S1.A' holds values of type string"));
    std::unique_ptr<Variable> value(Manager::dpGet("S1.A"));
    QCOMPARE(static_cast<TextVar*>(value.get())->toQString(), QString());
    // A receiver refused by the manager is still deleted by it.
    bool deleted = false;
    QStringList lines;
    QVERIFY(!Manager::dpConnect(DpIdentList(), Manager::eventId, new Recorder(&lines, &deleted), true));
    QVERIFY(deleted);
}

QTEST_MAIN(tst_Manager)
#include "tst_Manager.moc"
