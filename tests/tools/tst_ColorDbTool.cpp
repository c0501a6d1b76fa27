#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

// Runs qvas-colordb as a user does, from the source folder, so that the
// files it reports are named relative to it.
class tst_ColorDbTool : public QObject
{
    Q_OBJECT
private slots:
    void run_data();
    void run();
};

void tst_ColorDbTool::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("expected");  // lines of the output, in order
    QTest::addColumn<QString>("absent");        // a pattern no output line may match

    const QString broken = QStringLiteral("demo/broken-colours/colorDB/broken:");
    QTest::newRow("clean database") << QStringList{"check", "demo/project/colorDB"} << 0
                                    << QStringList{"qvas-colordb: 2 files, "} << R"(:\d+: )";
    QTest::newRow("broken lines and aliases")
        << QStringList{"check", "demo/broken-colours"} << 1
        << QStringList{broken + "1: unexpected syntax: don't known how to take next color from: ",
                       broken + "1: failed to parse color definition: {300,0,0}, stopped on: ",
                       broken + "2: unexpected syntax: don't known how to take next color from: \"no-such-colour\"",
                       broken + "2: failed to parse color definition: \"no-such-colour\", stopped on: \"no-such-colour\"",
                       broken + "3: infinite loop detected while searching for alias: LoopB, search stack is LoopB:LoopA",
                       broken + "4: infinite loop detected while searching for alias: LoopA, search stack is LoopA:LoopB",
                       broken + "5: alias 'NotDefinedAnywhere' is not found in loaded colors",
                       "qvas-colordb: 1 files, "}
        << R"(broken:6:)";
    QTest::newRow("missing folder") << QStringList{"check", "demo/no-such-folder"} << 1
                                    << QStringList{"qvas-colordb: 0 files, "} << R"(:\d+: )";
    QTest::newRow("alias chain")
        << QStringList{"show", "ErrorTextDark", "demo/project"} << 0
        << QStringList{R"("ErrorTextDark": steady (demo/project/colorDB/alarmColors:10))",
                       R"(  #ff0000 through "ErrorText" -> "AlarmCameAck")"}
        << "no colour";
    QTest::newRow("blinking") << QStringList{"show", "AlarmCameUnack", "demo/project/colorDB"} << 0
                              << QStringList{R"("AlarmCameUnack": blinking (demo/project/colorDB/alarmColors:1))",
                                             "  #ff0000 for 4 ticks", "  #ffffff for 4 ticks"}
                              << "no colour";
}

void tst_ColorDbTool::run()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);
    QFETCH(QString, absent);

    QProcess tool;
    tool.setWorkingDirectory(QStringLiteral(QVAS_SOURCE_DIR));
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral(QVAS_COLORDB_TOOL), args);
    QVERIFY(tool.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n');
    QCOMPARE(tool.exitCode(), exitCode);
    int from = 0;
    for (const QString& line : expected) {
        const auto found = std::find_if(lines.begin() + from, lines.end(),
                                        [&line](const QString& out) { return out.startsWith(line); });
        QVERIFY2(found != lines.end(), qPrintable(line + "\n--- not found in order in:\n" + lines.join('\n')));
        from = int(found - lines.begin()) + 1;
    }
    if (!absent.isEmpty())
        QVERIFY2(lines.filter(QRegularExpression(absent)).isEmpty(), qPrintable(lines.join('\n')));
}

QTEST_GUILESS_MAIN(tst_ColorDbTool)
#include "tst_ColorDbTool.moc"
