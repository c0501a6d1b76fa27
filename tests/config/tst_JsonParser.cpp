#include <configuration/AlarmScreenConfiguration.h>
#include <configuration/JsonParser.h>

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The parts of a configuration a test compares, as one line.
QString summary(const AlarmScreenConfiguration& c)
{
    const FilterWidgetConfiguration& fw = c.getFilterWidgetConfiguration();
    QStringList fixed;
    for (auto it = fw.fixedCompletions.cbegin(); it != fw.fixedCompletions.cend(); ++it)
        fixed << it.key() + QLatin1Char('=') + it.value().join(QLatin1Char(','));
    return QStringLiteral("log %1/%2 wc %3%4 src %5%6 fw %7|%8|%9|%10|%11|%12%13 us %14/%15")
        .arg(int(c.getLogThreshold()))
        .arg(c.getLogFunc())
        .arg(c.getWildcardConfig().matchAllChar)
        .arg(c.getWildcardConfig().emptyIsMatchAll ? "!" : "")
        .arg(c.getAlarmSourceConfiguration().archiveSourceMode)
        .arg(c.getAlarmSourceConfiguration().archiveTimesInUtc ? "utc" : "")
        .arg(fw.completionLibrary, fw.masterFunction, fw.slaveFunction, fixed.join(QLatin1Char(';')), fw.panelPlugin)
        .arg(fw.noPanel ? "none" : "")
        .arg(fw.sourceControl ? "src" : "")
        .arg(int(c.getUserSettings().defaultFilterAction))
        .arg(int(c.getUserSettings().areaVisibility));
}

} // namespace

class tst_JsonParser : public QObject
{
    Q_OBJECT
private slots:
    void readsEveryKey();
    void refusesWholeDocuments_data();
    void refusesWholeDocuments();
    void fileErrorsNameTheFile();
};

void tst_JsonParser::readsEveryKey()
{
    AlarmScreenConfiguration config;
    const QString defaults = summary(config);
    QString err;
    QVERIFY(JsonParser::parse("{}", config, err));
    QCOMPARE(summary(config), defaults);

    QVERIFY2(JsonParser::parse(R"({
        "log": {"threshold": 3, "functionNames": 2},
        "wildcard": {"matchAllChar": "%", "emptyIsMatchAll": true},
        "alarmSource": {"archiveSourceMode": 7, "archiveTimesInUtc": true},
        "filterWidgets": {"completionLibrary": "lib.ctl", "masterFunction": "m", "slaveFunction": "s",
                          "fixedCompletions": {"B": ["x", "y"], "A": []},
                          "panelPlugin": "myPanel", "noPanel": true, "sourceControl": false},
        "userSettings": {"defaultFilterAction": 2, "areaVisibility": 1}})",
                               config, err),
             qPrintable(err));
    QVERIFY(err.isEmpty());
    QCOMPARE(summary(config), QStringLiteral("log 3/2 wc %! src 7utc fw lib.ctl|m|s|A=;B=x,y|myPanel|none us 2/1"));
}

void tst_JsonParser::refusesWholeDocuments_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("not JSON") << QByteArray("{\"log\": ") << "not JSON: unterminated object at offset 8";
    QTest::newRow("array") << QByteArray("[1]") << "the document must be a JSON object";
    QTest::newRow("bare number") << QByteArray(" 1 ") << "the document must be a JSON object";
    QTest::newRow("bare text") << QByteArray("\"log\"") << "the document must be a JSON object";
    QTest::newRow("two bare numbers") << QByteArray("1, 2") << "not JSON: illegal value at offset 1";
    QTest::newRow("unknown top-level key")
        << QByteArray(R"({"filterWidget": {}})")
        << "unknown key 'filterWidget'; expected one of: log, wildcard, alarmSource, filterWidgets, userSettings";
    QTest::newRow("unknown nested key")
        << QByteArray(R"({"log": {"threshold": 1, "treshold": 2}})")
        << "unknown key 'log.treshold'; expected one of: threshold, functionNames";
    QTest::newRow("section not an object") << QByteArray(R"({"alarmSource": 2})")
                                           << "key 'alarmSource' must be an object";
    QTest::newRow("threshold out of range") << QByteArray(R"({"log": {"threshold": 4}})")
                                            << "key 'log.threshold' must be a whole number from 0 to 3";
    QTest::newRow("far out of range") << QByteArray(R"({"log": {"threshold": -1e300}})")
                                      << "key 'log.threshold' must be a whole number from 0 to 3";
    QTest::newRow("fraction") << QByteArray(R"({"userSettings": {"defaultFilterAction": 1.5}})")
                              << "key 'userSettings.defaultFilterAction' must be a whole number from 0 to 3";
    QTest::newRow("number as text") << QByteArray(R"({"alarmSource": {"archiveSourceMode": "2"}})")
                                    << "key 'alarmSource.archiveSourceMode' must be a whole number from 0 to 1000";
    QTest::newRow("flag as number") << QByteArray(R"({"filterWidgets": {"noPanel": 1}})")
                                    << "key 'filterWidgets.noPanel' must be true or false";
    QTest::newRow("two-character match-all")
        << QByteArray(R"({"wildcard": {"matchAllChar": "**"}})")
        << "key 'wildcard.matchAllChar' must be a string of one character";
    QTest::newRow("list with a number")
        << QByteArray(R"({"filterWidgets": {"fixedCompletions": {"P": ["a", 1]}}})")
        << "key 'filterWidgets.fixedCompletions.P' must be an array of strings";
    QTest::newRow("property name with a blank")
        << QByteArray(R"({"filterWidgets": {"fixedCompletions": {"ACK_STATE": [], "ALERT TEXT": ["a"]}}})")
        << "key 'filterWidgets.fixedCompletions' must name properties by letters, digits and underscores, not "
           "'ALERT TEXT'";
    QTest::newRow("empty property name")
        << QByteArray(R"({"filterWidgets": {"fixedCompletions": {"": ["a"]}}})")
        << "key 'filterWidgets.fixedCompletions' must name properties by letters, digits and underscores, not ''";
    QTest::newRow("fixed completions not an object")
        << QByteArray(R"({"filterWidgets": {"fixedCompletions": ["a"]}})")
        << "key 'filterWidgets.fixedCompletions' must be an object of string arrays";
    // The first keys are fine; the error comes last and nothing may stick.
    QTest::newRow("error after good keys")
        << QByteArray(R"({"log": {"threshold": 0}, "filterWidgets": {"completionLibrary": "x"},
                          "userSettings": {"areaVisibility": 9}})")
        << "key 'userSettings.areaVisibility' must be a whole number from 0 to 2";
}

void tst_JsonParser::refusesWholeDocuments()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    AlarmScreenConfiguration config;
    config.filterWidgetConfiguration().completionLibrary = QStringLiteral("before");
    const QString before = summary(config);
    QString err;
    QVERIFY(!JsonParser::parse(json, config, err));
    QCOMPARE(err, error);
    QCOMPARE(summary(config), before);
}

void tst_JsonParser::fileErrorsNameTheFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.json");
    AlarmScreenConfiguration config;
    QString err;
    QVERIFY(!JsonParser::parseFile(missing, config, err));
    QVERIFY2(err.startsWith(missing + ": cannot read: "), qPrintable(err));

    const QString bad = dir.filePath("bad.json");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"log\": {\"functionNames\": 5}}");
    file.close();
    QVERIFY(!JsonParser::parseFile(bad, config, err));
    QCOMPARE(err, bad + ": key 'log.functionNames' must be a whole number from 0 to 2");
}

QTEST_GUILESS_MAIN(tst_JsonParser)
#include "tst_JsonParser.moc"
