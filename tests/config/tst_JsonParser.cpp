#include <configuration/AlarmScreenConfiguration.h>
#include <configuration/FilterJson.h>
#include <configuration/JsonFile.h>
#include <configuration/JsonParser.h>
#include <filtervalues/FilterRuleContainer.h>

#include <QTemporaryDir>

#include <sys/stat.h>
#include <QtTest>

namespace {

// The alarm model, table, grouping and mouse parts, as one line.
QString modelSummary(const AlarmScreenConfiguration& c)
{
    QStringList props;
    for (const AlarmProp& p : c.getAlarmModelConfiguration().properties)
        props << QStringLiteral("%1/%2/%3/%4").arg(p.getName()).arg(int(p.getSource())).arg(int(p.getType())).arg(p.getColumnId());
    QStringList columns;
    for (const ProxyModelConfiguration::Column& col : c.getProxyModelConfiguration().columns)
        columns << col.property + QLatin1Char(':') + col.title;
    QStringList rules;
    for (const GroupingConfiguration::Rule& rule : c.getGroupingConfiguration().getRules())
        rules << QString::number(rule.kind) + QLatin1Char(':') + rule.text;
    const MouseProcessorConfiguration& mp = c.getMouseProcessorConfiguration();
    return QStringLiteral("am %1 pm %2 '%3' gr %4 mp %5|%6|%7")
        .arg(props.join(QLatin1Char(',')), columns.join(QLatin1Char(',')),
             c.getProxyModelConfiguration().groupColumnTitle, rules.join(QLatin1Char(',')),
             mp.forwardToEwo ? "host" : "script", mp.ctrlLibrary, mp.ctrlFunction);
}

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
        .arg(int(c.getUserSettings().areaVisibility))
        + QStringLiteral(" | ") + modelSummary(c);
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
    void filters_data();
    void filters();
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
        "userSettings": {"defaultFilterAction": 2, "areaVisibility": 1},
        "alarmModel": {"properties": [{"name": "SYSTEM"}, {"name": "PRIO", "source": 1, "type": "integer",
                                       "id": "_alert_hdl.._prior"}, {"name": "TIME", "type": "time"}]},
        "proxyModel": {"columns": [{"property": "TIME", "title": "Came"}, {"property": "PRIO"}],
                       "groupColumnTitle": "Tree"},
        "grouping": {"rules": [{"kind": 1, "text": "SYSTEM"}, {"text": "PRIO"}]},
        "mouseProcessor": {"forwardToHost": false, "ctrlLibrary": "mouse.ctl", "ctrlFunction": "onMouse"}})",
                               config, err),
             qPrintable(err));
    QVERIFY(err.isEmpty());
    QCOMPARE(summary(config), QStringLiteral("log 3/2 wc %! src 7utc fw lib.ctl|m|s|A=;B=x,y|myPanel|none us 2/1 | "
                                             "am SYSTEM/0/0/SYSTEM,PRIO/1/1/_alert_hdl.._prior,TIME/0/2/TIME "
                                             "pm TIME:Came,PRIO: 'Tree' gr 1:SYSTEM,0:PRIO mp script|mouse.ctl|onMouse"));
}

void tst_JsonParser::refusesWholeDocuments_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("not JSON") << QByteArray("{\"log\": ") << "not JSON: unterminated object at offset 8";
    QTest::newRow("array") << QByteArray("[1]") << "the document must be a JSON object";
    QTest::newRow("bare number") << QByteArray(" 1 ") << "the document must be a JSON object";
    QTest::newRow("two bare numbers") << QByteArray("1, 2") << "not JSON: illegal value at offset 1";
    QTest::newRow("unknown top-level key")
        << QByteArray(R"({"filterWidget": {}})")
        << "unknown key 'filterWidget'; expected one of: log, wildcard, alarmSource, filterWidgets, userSettings, "
           "alarmModel, proxyModel, grouping, mouseProcessor";
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
    QTest::newRow("unknown property type")
        << QByteArray(R"({"alarmModel": {"properties": [{"name": "A"}, {"name": "B", "type": "float"}]}})")
        << "key 'alarmModel.properties[1].type' must be one of text, integer, time, bool";
    QTest::newRow("property named twice")
        << QByteArray(R"({"alarmModel": {"properties": [{"name": "A"}, {"name": "A"}]}})")
        << "key 'alarmModel.properties[1].name' must be a name not used before ('A' is)";
    QTest::newRow("unknown property key")
        << QByteArray(R"({"alarmModel": {"properties": [{"name": "A", "kind": 1}]}})")
        << "unknown key 'alarmModel.properties[0].kind'; expected one of: name, source, type, id";
    QTest::newRow("column of an unknown property")
        << QByteArray(R"({"alarmModel": {"properties": [{"name": "A"}]},
                          "proxyModel": {"columns": [{"property": "A"}, {"property": "B"}]}})")
        << "key 'proxyModel.columns[1].property' must be the name of an alarm property (unknown: 'B')";
    QTest::newRow("columns not objects") << QByteArray(R"({"proxyModel": {"columns": ["A"]}})")
                                         << "key 'proxyModel.columns[0]' must be an object";
    QTest::newRow("unknown grouping kind")
        << QByteArray(R"({"alarmModel": {"properties": [{"name": "A"}]},
                          "grouping": {"rules": [{"kind": 2, "text": "A"}]}})")
        << "key 'grouping.rules[0].kind' must be a whole number from 0 to 1";
    QTest::newRow("grouping by an unknown property")
        << QByteArray(R"({"grouping": {"rules": [{"text": "SYSTEM"}]}})")
        << "key 'grouping.rules[0].text' must be the name of an alarm property (unknown: 'SYSTEM')";
    // The first keys are fine; the error comes last and nothing may stick.
    QTest::newRow("error after good keys")
        << QByteArray(R"({"log": {"threshold": 0}, "filterWidgets": {"completionLibrary": "x"},
                          "alarmModel": {"properties": [{"name": "A"}]},
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

    // Devices and pipes are refused before they are opened (a pipe would
    // block, /dev/zero fill the memory); so is a file over the limit.
    const QString pipe = dir.filePath("pipe.json");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), pipe}) {
        QVERIFY(!JsonParser::parseFile(path, config, err));
        QCOMPARE(err, path + ": not a regular file");
    }
    QByteArray text;
    QVERIFY(!JsonFile::read(bad, text, err, 10));
    QCOMPARE(err, QStringLiteral("larger than 10 bytes"));
}

void tst_JsonParser::filters_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");  // empty: read, and read back alike from its own JSON
    QTest::newRow("two sets") << QByteArray(R"({"userSettings": {"defaultFilterAction": 2, "defaultFilter":
        {"matchCase": true, "sets": [
            {"include": true, "filters": [{"property": "ALERT_TEXT", "rules": [
                {"pattern": "Pump *"}, {"pattern": "^Test", "method": "regexp", "exclude": true}]}]},
            {"include": false, "filters": [{"property": "PRIO", "source": 1, "matchCase": true,
                "rules": [{"pattern": "10", "method": "exact"}]}]}]}}})")
                              << "";
    QTest::newRow("pattern list") << QByteArray(R"({"userSettings": {"defaultFilter": {"matchCase": true, "sets": [
            {"filters": [{"property": "ALERT_TEXT", "matchCase": true, "patterns": "Pump*;Valve\\;1"}]},
            {"include": false, "filters": [{"property": "ALERT_TEXT", "rules": [{"pattern": "x"}]}]}]}}})")
                                  << "";
    QTest::newRow("patterns beside rules")
        << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [{"filters": [{"property": "ALERT_TEXT",
               "patterns": "a", "rules": []}]}]}}})")
        << "key 'userSettings.defaultFilter.sets[0].filters[0].rules' must be absent beside \"patterns\"";
    QTest::newRow("pattern list without a pattern")
        << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [{"filters": [{"property": "ALERT_TEXT",
               "patterns": " ; "}]}]}}})")
        << "key 'userSettings.defaultFilter.sets[0].filters[0].patterns' must be a text holding at least one pattern";
    QTest::newRow("unknown property")
        << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [{"filters": [{"property": "NOPE", "rules": []}]}]}}})")
        << "key 'userSettings.defaultFilter.sets[0].filters[0].property' must be the name of an alarm property "
           "(unknown: 'NOPE')";
    QTest::newRow("property of another source")
        << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [{"filters": [{"property": "PRIO", "rules": []}]}]}}})")
        << "key 'userSettings.defaultFilter.sets[0].filters[0].property' must be the name of an alarm property "
           "(unknown: 'PRIO')";
    QTest::newRow("unknown method")
        << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [{"filters": [{"property": "ALERT_TEXT",
               "rules": [{"pattern": "x", "method": "glob"}]}]}]}}})")
        << "key 'userSettings.defaultFilter.sets[0].filters[0].rules[0].method' must be one of exact, wildcard, regexp";
    QTest::newRow("regexp that does not compile")
        << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [{"filters": [{"property": "ALERT_TEXT",
               "rules": [{"pattern": "(x", "method": "regexp"}]}]}]}}})")
        << "key 'userSettings.defaultFilter.sets[0].filters[0].rules[0].pattern' must be a regular expression that "
           "compiles";
    QTest::newRow("sets not objects") << QByteArray(R"({"userSettings": {"defaultFilter": {"sets": [1]}}})")
                                      << "key 'userSettings.defaultFilter.sets[0]' must be an object";
}

// Stored and default filters: read whole or refused with the key named.
void tst_JsonParser::filters()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    AlarmScreenConfiguration config;
    QString err;
    QVERIFY2(JsonParser::parse(R"({"alarmModel": {"properties": [{"name": "ALERT_TEXT"},
                                   {"name": "PRIO", "source": 1, "type": "integer"}]}})", config, err),
             qPrintable(err));
    const QString before = summary(config);
    const bool read = JsonParser::parse(json, config, err);
    QCOMPARE(read ? QString() : err, error);
    if (!read) {
        QCOMPARE(summary(config), before);
        QVERIFY(!config.getUserSettings().defaultFilter.getRuleContainer());
        return;
    }
    const SourceAndFilter& stored = config.getUserSettings().defaultFilter;
    QCOMPARE(stored.getRuleContainer()->getRuleSets().size(), 2);
    QVERIFY(stored.getRuleContainer()->isMatchCase());
    SourceAndFilter back;
    QVERIFY2(FilterJson::fromText(FilterJson::toText(stored), config.getWildcardConfig(),
                                  &config.getAlarmModelConfiguration(), back, err),
             qPrintable(err));
    QVERIFY(back.isFilterEqual(stored));
    QCOMPARE(back.getRuleContainer()->toString(), stored.getRuleContainer()->toString());
}

QTEST_GUILESS_MAIN(tst_JsonParser)
#include "tst_JsonParser.moc"
