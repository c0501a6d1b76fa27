#include <configuration/FilterJson.h>
#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/ValueFilterNumbers.h>
#include <models/AlarmInstance.h>

#include <QtTest>

namespace {

// Four alarms that the filter kinds tell apart.
class Alarms
{
public:
    Alarms()
    {
        const AlarmProp::Type types[] = {AlarmProp::TypeInteger, AlarmProp::TypeTime, AlarmProp::TypeText,
                                         AlarmProp::TypeInteger, AlarmProp::TypeBool};
        const char* const names[] = {"PRIORITY", "TIME", "SYSTEM", "ACK_STATE", "DIRECTION"};
        for (int i = 0; i < 5; ++i) {
            props << AlarmProp(QLatin1String(names[i]), Constants::ValueSourceAlarm, types[i]);
            props.last().setIndex(i);
        }
        add(1, "Plant1", 10, "2026-01-01T10:00:00", AlarmInstance::Unacknowledged, false);
        add(2, "Plant2", 55, "2026-01-02T10:00:00", AlarmInstance::Acknowledged, false);
        add(3, "Lab", -3, "2026-01-03T10:00:00", AlarmInstance::Unacknowledged, true);
        add(4, "plant1", 70.5, "", AlarmInstance::Acknowledged, true);
    }

    // The idents of the alarms that pass every filter of the first set.
    QString passing(const FilterRuleSet& set) const
    {
        QStringList idents;
        for (const AlarmInstance& alarm : alarms) {
            bool all = true;
            for (const QSharedPointer<ValueFilter>& filter : set.getValueFilters()) {
                for (const AlarmProp& prop : props) {
                    if (prop.getColumnId() == filter->getValueId())
                        all = all && filter->matches(alarm, prop);
                }
            }
            if (all)
                idents << QString::number(alarm.getIdent());
        }
        return idents.join(QLatin1Char(','));
    }

    QVector<AlarmProp> props;
    QVector<AlarmInstance> alarms;

private:
    void add(qint64 ident, const char* system, double priority, const char* time, AlarmInstance::AckState ack,
             bool went)
    {
        AlarmInstance alarm(ident, QLatin1String(system));
        alarm.setValue(props.at(0), priority);
        if (*time)
            alarm.setValue(props.at(1), QDateTime::fromString(QLatin1String(time), Qt::ISODate));
        alarm.setAckState(ack);
        alarm.setWent(went);
        alarms << alarm;
    }
};

QByteArray document(const QByteArray& filter)
{
    return "{ \"sets\": [ { \"include\": true, \"filters\": [ " + filter + " ] } ] }";
}

} // namespace

class tst_ValueFilterKinds : public QObject
{
    Q_OBJECT
private slots:
    void numberRuleParts_data();
    void numberRuleParts();
    void matchesAndRoundTrips_data();
    void matchesAndRoundTrips();
    void refusesMistypedKeys_data();
    void refusesMistypedKeys();
};

void tst_ValueFilterKinds::numberRuleParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<int>("failed");
    QTest::newRow("kinds") << "!3; >2,<-1.5 =4 -10--1 5-1" << "not equal to 3|greater than 2|less than -1.5|equal to 4|"
                                                              "from -10 to -1|from 1 to 5" << 0;
    QTest::newRow("bad parts") << "--5 1-2-3 !! . 1.2.3 <1-5 >-" << "" << 7;
    QTest::newRow("beyond double") << QStringLiteral("1%1 7").arg(QString(400, QLatin1Char('0'))) << "equal to 7" << 1;
    QTest::newRow("1 MB") << QStringLiteral("1-2-3 ").repeated(175000) + QStringLiteral("9") << "equal to 9" << 175000;
}

void tst_ValueFilterKinds::numberRuleParts()
{
    QFETCH(QString, accepted);
    QFETCH(int, failed);
    QFETCH(QString, text);
    WildcardConfig config;
    ValueFilterNumbers filter(config, QStringLiteral("PRIORITY"), Constants::ValueSourceAlarm, false);
    filter.setFilterText(text);
    QCOMPARE(filter.getAcceptedRules().join(QLatin1Char('|')), accepted);
    QCOMPARE(filter.getFailedParts().size(), failed);
    QCOMPARE(filter.isEmpty(), filter.getAcceptedRules().isEmpty());
}

void tst_ValueFilterKinds::matchesAndRoundTrips_data()
{
    QTest::addColumn<QByteArray>("filter");
    QTest::addColumn<QString>("passing");
    const QByteArray prio = "\"property\": \"PRIORITY\", \"type\": \"numbers\", \"text\": ";
    QTest::newRow("numbers with negation") << prio + "\">5 !55\"" << "1,4";
    QTest::newRow("range, decimal") << prio + "\"50-60, 70.5\"" << "2,4";
    QTest::newRow("failed parts ignored") << prio + "\"!! 1-2-3 10\"" << "1";
    const QByteArray time = "\"property\": \"TIME\", \"type\": \"date\", ";
    QTest::newRow("before") << time + "\"method\": \"before\", \"first\": \"2026-01-02T00:00:00\"" << "1";
    QTest::newRow("after, no time fails")
        << time + "\"method\": \"after\", \"first\": \"2026-01-02T00:00:00\", \"second\": \"2020-01-01T00:00:00\""
        << "2,3";
    QTest::newRow("between reversed")
        << time + "\"method\": \"between\", \"first\": \"2026-01-03T00:00:00\", \"second\": \"2026-01-02T10:00:00\""
        << "2";
    QTest::newRow("system") << QByteArray("\"property\": \"SYSTEM\", \"type\": \"single\", \"value\": \"Plant1\"")
                            << "1,4";
    QTest::newRow("system, match case")
        << QByteArray("\"property\": \"SYSTEM\", \"type\": \"single\", \"value\": \"Plant1\", \"matchCase\": true")
        << "1";
    QTest::newRow("ack state text") << QByteArray("\"property\": \"ACK_STATE\", \"type\": \"single\", \"value\": \"acknowledged\"")
                                    << "2,4";
    // Text rules: literal rules take a shortcut past the regular expression.
    const QByteArray text = "\"property\": \"SYSTEM\", \"rules\": ";
    QTest::newRow("text prefix") << text + "[{\"pattern\": \"plant*\"}]" << "1,2,4";
    QTest::newRow("text prefix, match case") << text + "[{\"pattern\": \"plant*\"}], \"matchCase\": true" << "4";
    QTest::newRow("text suffix, part, exclude")
        << text + "[{\"pattern\": \"*1\"}, {\"pattern\": \"*AB\"}, {\"pattern\": \"*ant*\", \"exclude\": true}]" << "3";
    QTest::newRow("text exact, inner wildcard")
        << text + "[{\"pattern\": \"PLANT2\", \"method\": \"exact\"}, {\"pattern\": \"L*b\"}]" << "2,3";
    QTest::newRow("text match all") << text + "[{\"pattern\": \"*\"}]" << "1,2,3,4";
    const QByteArray fixed = "\"property\": \"ACK_STATE\", \"type\": \"fixed\", \"kind\": \"unacknowledged\", ";
    QTest::newRow("fixed on") << fixed + "\"include\": true" << "1,3";
    QTest::newRow("fixed off") << fixed + "\"include\": false" << "1,2,3,4";
    const QByteArray multi = "\"property\": \"DIRECTION\", \"type\": \"fixedMulti\", \"fixed\": ";
    QTest::newRow("came only") << multi + "[{\"kind\": \"came\", \"include\": true}, {\"kind\": \"went\"}]" << "1,2";
    QTest::newRow("came and went")
        << multi + "[{\"kind\": \"came\", \"include\": true}, {\"kind\": \"went\", \"include\": true}]" << "1,2,3,4";
    QTest::newRow("group off") << multi + "[{\"kind\": \"came\"}, {\"kind\": \"went\"}]" << "1,2,3,4";
}

void tst_ValueFilterKinds::matchesAndRoundTrips()
{
    QFETCH(QString, passing);
    QFETCH(QByteArray, filter);
    const Alarms alarms;
    WildcardConfig wildcard;
    SourceAndFilter read;
    QString errMsg;
    QVERIFY2(FilterJson::fromText(document("{ " + filter + " }"), wildcard, nullptr, read, errMsg), qPrintable(errMsg));
    const FilterRuleSet& set = read.getRuleContainer()->getRuleSets().first();
    QCOMPARE(alarms.passing(set), passing);

    SourceAndFilter again;
    QVERIFY2(FilterJson::fromText(FilterJson::toText(read), wildcard, nullptr, again, errMsg), qPrintable(errMsg));
    QVERIFY2(again.getRuleContainer()->getRuleSets().first().isEqual(set), FilterJson::toText(again).constData());
}

void tst_ValueFilterKinds::refusesMistypedKeys_data()
{
    QTest::addColumn<QByteArray>("filter");
    QTest::addColumn<QString>("key");
    const QByteArray p = "\"property\": \"P\", ";
    QTest::newRow("type") << p + "\"type\": 5" << "type";
    QTest::newRow("unknown type") << p + "\"type\": \"pattern list\"" << "type";
    QTest::newRow("numbers text") << p + "\"type\": \"numbers\", \"text\": 5" << "text";
    QTest::newRow("numbers no rule") << p + "\"type\": \"numbers\", \"text\": \"!! --5\"" << "text";
    QTest::newRow("numbers with rules") << p + "\"type\": \"numbers\", \"text\": \"5\", \"rules\": []" << "rules";
    QTest::newRow("date method") << p + "\"type\": \"date\", \"method\": 2, \"first\": \"2026-01-01T00:00:00\"" << "method";
    QTest::newRow("date first") << p + "\"type\": \"date\", \"method\": \"after\", \"first\": \"yesterday\"" << "first";
    QTest::newRow("between, no second")
        << p + "\"type\": \"date\", \"method\": \"between\", \"first\": \"2026-01-01T00:00:00\"" << "second";
    QTest::newRow("single value") << p + "\"type\": \"single\", \"value\": [1]" << "value";
    QTest::newRow("fixed kind") << p + "\"type\": \"fixed\", \"kind\": \"gone\"" << "kind";
    QTest::newRow("fixed include") << p + "\"type\": \"fixed\", \"kind\": \"came\", \"include\": \"yes\"" << "include";
    QTest::newRow("multi fixed") << p + "\"type\": \"fixedMulti\", \"fixed\": {}" << "fixed";
    QTest::newRow("multi twice")
        << p + "\"type\": \"fixedMulti\", \"fixed\": [{\"kind\": \"came\"}, {\"kind\": \"came\"}]" << "fixed[1].kind";
    QTest::newRow("multi item key") << p + "\"type\": \"fixedMulti\", \"fixed\": [{\"kind\": \"came\", \"on\": 1}]"
                                    << "fixed[0].on";
}

void tst_ValueFilterKinds::refusesMistypedKeys()
{
    QFETCH(QByteArray, filter);
    QFETCH(QString, key);
    WildcardConfig wildcard;
    SourceAndFilter read;
    QString errMsg;
    QVERIFY(!FilterJson::fromText(document("{ " + filter + " }"), wildcard, nullptr, read, errMsg));
    QVERIFY2(errMsg.contains(QStringLiteral("'sets[0].filters[0].") + key + QLatin1Char('\'')), qPrintable(errMsg));
    QVERIFY(!read.getRuleContainer());
}

QTEST_GUILESS_MAIN(tst_ValueFilterKinds)
#include "tst_ValueFilterKinds.moc"
