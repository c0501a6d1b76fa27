#include "ColorText.h"
#include "LogCapture.h"

#include <colors/ColorEngine.h>

#include <filtervalues/WildcardConfig.h>

#include <QtTest>

class tst_ColorParsing : public QObject
{
    Q_OBJECT
private slots:
    void parseColorLine_data();
    void parseColorLine();
    void takeFunctionsLeaveTextUnlessTaken_data();
    void takeFunctionsLeaveTextUnlessTaken();
    void traceNamesTheTakenItem();
    void megabyteLines_data();
    void megabyteLines();
};

void tst_ColorParsing::parseColorLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QStringList>("warnings");

    const QStringList none;
    QTest::newRow("0..255, three numbers") << R"("red" N {255,0,0})" << "red={255,0,0,255}/0" << none;
    QTest::newRow("0..255, alpha") << R"("a" N {1, 2, 3, 4})" << "a={1,2,3,4}/0" << none;
    QTest::newRow("blanks around numbers") << R"("a" N { 1 ,2 , 3 })" << "a={1,2,3,255}/0" << none;
    QTest::newRow("leading and trailing blanks") << "  \t\"w\"   N   {1,2,3}   " << "w={1,2,3,255}/0" << none;
    QTest::newRow("percent 100 truncates to 254") << R"("p" N [100,100,100])" << "p={254,254,254,254}/0" << none;
    QTest::newRow("percent 50, 10") << R"("p" N [50,10,0,100])" << "p={127,25,0,254}/0" << none;
    QTest::newRow("steady, two items") << R"("s" N {1,2,3} {4,5,6})" << "s={1,2,3,255}/0 {4,5,6,255}/0" << none;
    QTest::newRow("items separated by a comma") << R"("s" N {1,2,3},[0,0,0])" << "s={1,2,3,255}/0 {0,0,0,254}/0"
                                                << none;
    QTest::newRow("items following directly") << R"("s" N {1,2,3}{4,5,6})" << "s={1,2,3,255}/0 {4,5,6,255}/0"
                                              << none;
    QTest::newRow("blinking") << R"("b" N <{255,0,0} 4 {0,0,255} 4>)" << "b={255,0,0,255}/4 {0,0,255,255}/4"
                              << none;
    QTest::newRow("blinking with commas") << R"("b" N <{255,0,0},4,[0,0,100], 2>)"
                                          << "b={255,0,0,255}/4 {0,0,254,254}/2" << none;
    QTest::newRow("blinking item without duration is dropped")
        << R"("b" N <{1,1,1} {2,2,2} 3>)" << "b={2,2,2,255}/3" << none;
    QTest::newRow("blinking duration 0 ends the value")
        << R"("b" N <{1,1,1} 2 {2,2,2} 0 {3,3,3} 5>)" << "b={1,1,1,255}/2" << none;
    QTest::newRow("blinking alias") << R"("b" N <"red" 2 {0,0,0} 2>)" << "b=alias[red]/2 {0,0,0,255}/2" << none;
    QTest::newRow("alias line") << R"("A" "B")" << "A=alias[B]/0" << none;
    QTest::newRow("alias as value") << R"("A" N "B")" << "A=alias[B]/0" << none;
    QTest::newRow("alias keeps inner blanks") << R"("A" N " my color ")" << "A=alias[ my color ]/0" << none;
    QTest::newRow("hyphen in a line name") << R"("dark-red" "red")" << "dark-red=alias[red]/0" << none;
    QTest::newRow("empty value") << R"("e" N )" << "e=" << none;
    QTest::newRow("number line") << "12 34  5" << "null" << none;

    QTest::newRow("percent 101") << R"("p" N [101,0,0])" << "null"
                                 << QStringList{"2|unexpected syntax: don't known how to take next color from: ",
                                                "2|failed to parse color definition: [101,0,0], stopped on: "};
    QTest::newRow("256 passes over to the next item")
        << R"("x" N {256,0,0} [0,0,0])" << "x={0,0,0,254}/0" << none;
    QTest::newRow("256 alone") << R"("x" N {256,0,0})" << "null"
                               << QStringList{"2|unexpected syntax: don't known how to take next color from: ",
                                              "2|failed to parse color definition: {256,0,0}, stopped on: "};
    QTest::newRow("huge component") << R"("x" N {99999999999999999999,0,0})" << "null"
                                    << QStringList{"2|unexpected syntax: don't known how to take next color from: ",
                                                   "2|failed to parse color definition: {99999999999999999999,0,0}, "
                                                   "stopped on: "};
    QTest::newRow("second item broken drops the line")
        << R"("s" N {1,2,3} {1,2})" << "null"
        << QStringList{"2|unexpected syntax: don't known how to take next color from: {1,2}",
                       "2|failed to parse color definition: {1,2,3} {1,2}, stopped on: {1,2}"};
    QTest::newRow("empty line") << "" << "null"
                                << QStringList{"2|the syntax of color line was not recognized: "};
    QTest::newRow("unquoted name") << "red N {1,2,3}" << "null"
                                   << QStringList{"2|the syntax of color line was not recognized: red N {1,2,3}"};
    QTest::newRow("lower-case n") << R"("red" n {1,2,3})" << "null"
                                  << QStringList{"2|the syntax of color line was not recognized: \"red\" n {1,2,3}"};
}

void tst_ColorParsing::parseColorLine()
{
    QFETCH(QString, line);
    QFETCH(QString, color);
    QFETCH(QStringList, warnings);
    WildcardConfig producer;
    LogCapture log(&producer);
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    QCOMPARE(colorText(ColorEngine::parseColorLine(&producer, line)), color);
    QCOMPARE(log.entries(), warnings);
}

void tst_ColorParsing::takeFunctionsLeaveTextUnlessTaken_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("rest");
    QTest::newRow("255 taken") << "255" << "{1,2,3} , rest" << "{1,2,3,255}" << "rest";
    QTest::newRow("255 not at the start") << "255" << " {1,2,3}" << "invalid" << " {1,2,3}";
    QTest::newRow("255 out of range still taken") << "255" << "{1,2,300},x" << "invalid" << "x";
    QTest::newRow("100 taken, one comma removed") << "100" << "[0,0,0],,x" << "{0,0,0,254}" << ",x";
    QTest::newRow("100 two numbers") << "100" << "[1,2]" << "invalid" << "[1,2]";
    QTest::newRow("alias") << "alias" << R"("a b" "c")" << "a b" << R"("c")";
    QTest::newRow("alias unterminated") << "alias" << R"("abc)" << "" << R"("abc)";
}

void tst_ColorParsing::takeFunctionsLeaveTextUnlessTaken()
{
    QFETCH(QString, function);
    QFETCH(QString, text);
    QFETCH(QString, taken);
    QFETCH(QString, rest);
    WildcardConfig producer;
    QString result;
    if (function == QLatin1String("alias")) {
        result = ColorEngine::takeColorAlias(&producer, text);
    } else {
        const QColor c = function == QLatin1String("255") ? ColorEngine::takeColor255Based(&producer, text)
                                                          : ColorEngine::takeColor100Based(&producer, text);
        result = c.isValid() ? QStringLiteral("{%1,%2,%3,%4}").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha())
                             : QStringLiteral("invalid");
    }
    QCOMPARE(result, taken);
    QCOMPARE(text, rest);
}

void tst_ColorParsing::traceNamesTheTakenItem()
{
    WildcardConfig producer;
    LogCapture log(&producer, 1);
    QString text = QStringLiteral("{1, 2, 3} \"x\"");
    ColorEngine::takeColor255Based(&producer, text);
    ColorEngine::takeColorAlias(&producer, text);
    QCOMPARE(log.entries(), (QStringList{"0|takeColor255Based: 255 based: {1, 2, 3}", "0|takeColorAlias: alias: \"x\""}));
}

void tst_ColorParsing::megabyteLines_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QStringList>("warnings");
    const int count = 128 * 1024;
    const QString items = QStringLiteral("{1,2,3} ").repeated(count);
    QTest::newRow("steady items") << items << "x={1,2,3,255}/0 {1,2,3,255}/0 " << count << QStringList();
    // Items without a duration are dropped: each one looks for its number.
    QTest::newRow("blinking, every item but the last dropped")
        << "<" + items + "{4,5,6} 2>" << "x={4,5,6,255}/2" << 1 << QStringList();
    // The message holds the whole megabyte value; the log keeps its start.
    QTest::newRow("broken at the end")
        << items + "{1,2}" << "null" << 0
        << QStringList{"2|unexpected syntax: don't known how to take next color from: {1,2}",
                       "2|failed to parse color definition: {1,2,3} {1,2,3} "};
}

void tst_ColorParsing::megabyteLines()
{
    QFETCH(QString, value);
    QFETCH(QString, start);
    QFETCH(int, entries);
    QFETCH(QStringList, warnings);
    WildcardConfig producer;
    LogCapture log(&producer);
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    const QSharedPointer<Color> color = ColorEngine::parseColorLine(&producer, "\"x\" N " + value);
    QCOMPARE(colorText(color).left(start.size()), start);
    QCOMPARE(color ? color->m_entries.size() : 0, entries);
    const QStringList logged = log.entries();
    QCOMPARE(logged.size(), warnings.size());
    for (int i = 0; i < logged.size(); ++i) {
        QVERIFY2(logged.at(i).startsWith(warnings.at(i)), qPrintable(logged.at(i).left(100)));
        QVERIFY2(logged.at(i).size() < 4200, qPrintable(logged.at(i).right(100)));
    }
}

QTEST_MAIN(tst_ColorParsing)
#include "tst_ColorParsing.moc"
