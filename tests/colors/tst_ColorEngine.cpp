#include "ColorText.h"
#include "LogCapture.h"

#include <colors/ColorEngine.h>

#include <environment/Resources.h>
#include <filtervalues/WildcardConfig.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QString& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Text), qPrintable(path));
    file.write(content.toUtf8());
}

QString relative(const QTemporaryDir& root, const QVector<QString>& files)
{
    QStringList result;
    for (const QString& file : files)
        result << QDir(root.path()).relativeFilePath(file);
    return result.join(QLatin1Char(' '));
}

void tick(ColorEngine& engine, int count)
{
    for (int i = 0; i < count; ++i)
        QMetaObject::invokeMethod(&engine, "blinkingTimeout", Qt::DirectConnection);
}

} // namespace

class tst_ColorEngine : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void databaseFileOrder();
    void hostileFolders();
    void oversizedFilesAndLines();
    void laterDefinitionsWinLiteralsParsed();
    void aliasResolution();
    void sharedChainsResolveAsWalkedOneByOne_data();
    void sharedChainsResolveAsWalkedOneByOne();
    void blinkPhasesAndUsageGating();
    void usageCounterForwardsToTheEngine();
    void oneInstance();

private:
    QTemporaryDir m_root;
};

void tst_ColorEngine::init()
{
    QVERIFY(m_root.isValid());
    QDir(m_root.path()).removeRecursively();
    QDir().mkpath(m_root.path());
    Resources::pathes_.setPathes({});
}

void tst_ColorEngine::databaseFileOrder()
{
    const QString r = m_root.path();
    writeFile(r + "/proj/colorDB/b.txt", "");
    writeFile(r + "/proj/colorDB/A.txt", "");
    writeFile(r + "/proj/colorDB/.hidden", "");
    writeFile(r + "/proj/colorDB/sub/deeper/c", "");
    writeFile(r + "/proj/colorDB/sub/z", "");
    writeFile(r + "/proj/colorDB/sub2/d", "");
    writeFile(r + "/inst/colorDB/base", "");
    QDir().mkpath(r + "/nocolors");
    writeFile(r + "/further/colorDB/site", "");
    Resources::pathes_.setPathes({r + "/proj", r + "/nocolors", r + "/inst/"}, r + "/further");

    WildcardConfig producer;
    ColorEngine engine(&producer, nullptr);
    // Last path first, the further path last; in a folder its files, then
    // each sub-folder depth first; names ordered ignoring case.
    QCOMPARE(relative(m_root, engine.getColorDbs()),
             QStringLiteral("inst/colorDB/base proj/colorDB/A.txt proj/colorDB/b.txt proj/colorDB/sub/z "
                            "proj/colorDB/sub/deeper/c proj/colorDB/sub2/d further/colorDB/site"));
}

void tst_ColorEngine::hostileFolders()
{
    const QString r = m_root.path();
    const QString db = r + "/p/colorDB";
    writeFile(db + "/a", "\"a\" N {1,2,3}\n");
    writeFile(db + "/sub/b", "\"b\" N {1,2,3}\n");
    // Two links back up: followed without remembering the folders seen,
    // the listing never ends.
    QVERIFY(QFile::link(db, db + "/sub/up"));
    QVERIFY(QFile::link(db + "/sub", db + "/sub/again"));
    QVERIFY(QFile::link(db + "/missing", db + "/dangling"));
    QVERIFY(QFile::link("/dev/zero", db + "/zero"));
    QStringList expected{"2|color database file is not readable, skipped: " + db + "/dangling",
                         "2|color database file is not a regular file, skipped: " + db + "/zero"};
    // Permissions do not stop root; these two count when the tests run as
    // another user.
    if (::geteuid() != 0) {
        writeFile(db + "/secret", "\"s\" N {1,2,3}\n");
        QVERIFY(QFile::setPermissions(db + "/secret", QFileDevice::WriteOwner));
        QVERIFY(QDir().mkpath(db + "/locked"));
        QVERIFY(QFile::setPermissions(db + "/locked", QFileDevice::WriteOwner));
        expected.insert(1, "2|color database file is not readable, skipped: " + db + "/secret");
        expected << "2|color database folder is not readable, skipped: " + db + "/locked";
    }
    Resources::pathes_.setPathes({r + "/p"});

    WildcardConfig producer;
    LogCapture log(&producer);
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    ColorEngine engine(&producer, nullptr);
    QCOMPARE(relative(m_root, engine.getColorDbs()), QStringLiteral("p/colorDB/a p/colorDB/sub/b"));
    QCOMPARE(log.entries(), expected);
    QFile::setPermissions(db + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void tst_ColorEngine::oversizedFilesAndLines()
{
    const QString r = m_root.path();
    const QString db = r + "/p/colorDB";
    writeFile(db + "/1lines",
              "\"a\" N {1,2,3}\n\"b\" N " + QStringLiteral("{4,5,6} ").repeated(9000) + "\n\"c\" N {7,8,9}\n");
    // Larger than the cap by one byte (sparse, so cheap), after a good line.
    writeFile(db + "/2big", "\"big\" N {1,1,1}\n");
    QVERIFY(QFile::resize(db + "/2big", 64 * 1024 * 1024 + 1));
    Resources::pathes_.setPathes({r + "/p"});

    WildcardConfig producer;
    LogCapture log(&producer);
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    ColorEngine engine(&producer, nullptr);
    engine.loadAllColorDbs();
    const QStringList names = engine.getColorNames();
    QVERIFY(names.contains("a") && names.contains("c"));
    QVERIFY(!names.contains("b") && !names.contains("big"));
    QCOMPARE(log.entries(),
             (QStringList{"2|color database line 2 is longer than 65536 characters, skipped: " + db + "/1lines",
                          "2|color database file is larger than 67108864 bytes, skipped: " + db + "/2big"}));
}

void tst_ColorEngine::laterDefinitionsWinLiteralsParsed()
{
    const QString r = m_root.path();
    writeFile(r + "/inst/colorDB/base", "\"shared\" N {1,1,1}\n\"onlyBase\" N {2,2,2}\n\"_3DFace\" N {9,9,9}\n");
    writeFile(r + "/proj/colorDB/mine",
              "\"shared\" N {3,3,3}\n\"twice\" N {4,4,4}\n\"twice\" N {5,5,5}\n\"_Window\" N {9,9,9}\n");
    // A colorDB that is a file and not a folder adds nothing.
    writeFile(r + "/odd/colorDB", "\"shared\" N {7,7,7}\n");
    Resources::pathes_.setPathes({r + "/odd", r + "/proj", r + "/inst"});

    WildcardConfig producer;
    LogCapture log(&producer);
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    QVERIFY(ColorEngine::parseColorDatabaseFile(&producer, r + "/missing").isEmpty());
    QCOMPARE(log.count(), 0);
    ColorEngine engine(&producer, nullptr);
    engine.loadAllColorDbs();
    QCOMPARE(colorText(engine.getColor("shared")), QStringLiteral("shared={3,3,3,255}/0"));
    QCOMPARE(colorText(engine.getColor("onlyBase")), QStringLiteral("onlyBase={2,2,2,255}/0"));
    QCOMPARE(colorText(engine.getColor("twice")), QStringLiteral("twice={5,5,5,255}/0"));
    const QPalette palette = QGuiApplication::palette();
    QCOMPARE(engine.getColor("_3DFace")->currentColor(), palette.brush(QPalette::Active, QPalette::Window).color());
    QCOMPARE(engine.getColor("_Window")->currentColor(), palette.brush(QPalette::Active, QPalette::Base).color());
    QCOMPARE(colorText(engine.getColor("_Transparent")), QStringLiteral("_Transparent={0,0,0,0}/-1"));
    const QStringList names = engine.getColorNames();
    for (const char* builtIn : {"_3DText", "_Button", "_ButtonText", "_ButtonShadow", "_WindowText", "_ToolTip",
                                "_ToolTipText"})
        QVERIFY2(names.contains(QLatin1String(builtIn)), builtIn);

    // A name that is no colour of the databases is parsed as a colour value.
    log.clear();
    const QSharedPointer<Color> red = engine.getColor("{255, 0, 0}");
    QCOMPARE(colorText(red), QStringLiteral("{255, 0, 0}={255,0,0,255}/0"));
    QCOMPARE(engine.getColor("{255, 0, 0}"), red);  // stored under the literal
    QCOMPARE(log.count(), 0);

    QCOMPARE(colorText(engine.getColor("plainword")), QStringLiteral("plainword={0,0,0,255}/-1"));
    QCOMPARE(log.entries(),
             (QStringList{"2|unexpected syntax: don't known how to take next color from: plainword",
                          "2|failed to parse color definition: plainword, stopped on: plainword"}));

    // A quoted name as value gives an alias that is never resolved.
    QVERIFY(!engine.getColor("\"someAlias\"")->currentColor().isValid());
}

void tst_ColorEngine::aliasResolution()
{
    const QString r = m_root.path();
    writeFile(r + "/p/colorDB/aliases",
              "\"A\" \"B\"\n"
              "\"B\" N \"C\"\n"
              "\"C\" N <{1,2,3} 2 {4,5,6} 2>\n"
              "\"X\" \"Y\"\n"
              "\"Y\" \"X\"\n"
              "\"Self\" \"Self\"\n"
              "\"Lost\" N \"Nowhere\"\n"
              "\"T\" \"X\"\n");
    // A chain of 100,000 links resolves without deep recursion, and quietly.
    QString chain;
    for (int i = 0; i < 100000; ++i)
        chain += QStringLiteral("\"a%1\" \"a%2\"\n").arg(i).arg(i + 1);
    writeFile(r + "/p/colorDB/chain", chain + "\"a100000\" N {1,2,3}\n");
    Resources::pathes_.setPathes({r + "/p"});

    WildcardConfig producer;
    LogCapture log(&producer);
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    ColorEngine engine(&producer, nullptr);
    engine.loadAllColorDbs();

    // A chain takes the first item of its last colour, and does not blink.
    QCOMPARE(colorText(engine.getColor("A")), QStringLiteral("A={1,2,3,255}/0"));
    QCOMPARE(colorText(engine.getColor("B")), QStringLiteral("B={1,2,3,255}/0"));
    QCOMPARE(colorText(engine.getColor("X")), QStringLiteral("X=alias[Y]/0"));
    QCOMPARE(colorText(engine.getColor("a0")), QStringLiteral("a0={1,2,3,255}/0"));
    QCOMPARE(colorText(engine.getColor("a99999")), QStringLiteral("a99999={1,2,3,255}/0"));
    QVERIFY(!engine.getColor("X")->currentColor().isValid());
    QCOMPARE(log.entries(),
             (QStringList{"3|alias 'Nowhere' is not found in loaded colors",
                          "3|infinite loop detected while searching for alias: Self, search stack is Self",
                          "3|infinite loop detected while searching for alias: X, search stack is X:Y",
                          "3|infinite loop detected while searching for alias: Y, search stack is Y:X",
                          "3|infinite loop detected while searching for alias: X, search stack is X:Y"}));
}

void tst_ColorEngine::sharedChainsResolveAsWalkedOneByOne_data()
{
    QTest::addColumn<QString>("database");
    QTest::newRow("tails entering a loop at different names")
        << "\"a\" \"b\"\n\"b\" \"c\"\n\"c\" \"d\"\n\"d\" \"b\"\n\"x\" \"c\"\n\"y\" \"x\"\n\"z\" N \"y\" {1,2,3}\n";
    QTest::newRow("loops of one, tails to them") << "\"s\" \"s\"\n\"t\" \"s\"\n\"u\" \"t\"\n\"v\" \"v\"\n";
    QTest::newRow("chains sharing a missing end, a colour without entries")
        << "\"p\" \"q\"\n\"q\" \"gone\"\n\"r\" \"q\"\n\"m\" N <\"p\" 2 \"r\" 3 \"g\" 1>\n\"e\" N \n\"f\" \"e\"\n\"g\" \"f\"\n";
    QTest::newRow("resolved chains beside failed ones")
        << "\"k1\" \"k2\"\n\"k2\" \"k3\"\n\"k3\" N {1,2,3}\n\"k0\" N \"k1\" \"lost\"\n\"l\" \"k0\"\n";
    QString longLoop;
    for (int i = 0; i < 80; ++i)
        longLoop += QStringLiteral("\"n%1\" \"n%2\"\n").arg(i).arg(i < 40 ? i + 1 : 40 + (i - 39) % 40);
    QTest::newRow("long loop with a tail: stacks cut") << longLoop;
}

// Resolving all aliases at once gives every entry the colour, and logs the
// messages in the order, that resolving each colour alone walking its
// chains again gives; a loop message names at most 32 names.
void tst_ColorEngine::sharedChainsResolveAsWalkedOneByOne()
{
    QFETCH(QString, database);
    const QString path = m_root.path() + "/shape";
    writeFile(path, database);
    WildcardConfig producer;
    LogCapture log(&producer, 2);
    ColorEngine engine(&producer, nullptr);
    engine.addColorDatabase(path);
    log.clear();
    engine.resolveAliases();
    const QStringList memoised = log.entries();

    log.clear();
    QMap<QString, QSharedPointer<Color>> colors = ColorEngine::parseColorDatabaseFile(&engine, path);
    log.clear();
    for (const QSharedPointer<Color>& color : qAsConst(colors))
        color->resolveAliases(colors);
    QStringList walked = log.entries();
    for (QString& message : walked) {
        const int stack = message.indexOf(QStringLiteral("search stack is ")) + 16;
        const QStringList names = message.mid(stack).split(QLatin1Char(':'));
        if (stack > 15 && names.size() > 32)
            message = message.left(stack) + QStringList(names.mid(0, 32)).join(QLatin1Char(':'))
                + QStringLiteral(":... (%1 more)").arg(names.size() - 32);
    }
    QVERIFY(!walked.isEmpty());
    QCOMPARE(memoised, walked);
    for (auto it = colors.cbegin(); it != colors.cend(); ++it)
        QCOMPARE(colorText(engine.getColor(it.key())), colorText(it.value()));
}

void tst_ColorEngine::blinkPhasesAndUsageGating()
{
    const QString r = m_root.path();
    writeFile(r + "/p/colorDB/blink", "\"used\" N <{255,0,0} 2 {0,0,255} 6>\n"
                                      "\"unused\" N <{255,0,0} 2 {0,0,255} 6>\n"
                                      "\"steady\" N {1,1,1} {2,2,2}\n"
                                      "\"_3DFace\" N <{1,1,1} 1 {2,2,2} 1>\n");
    Resources::pathes_.setPathes({r + "/p"});
    WildcardConfig producer;
    ColorEngine engine(&producer, nullptr);
    engine.loadAllColorDbs();
    // A blinking literal blinks like a database colour, from when it is asked for.
    const QString literal = QStringLiteral("<{0,255,0} 3 {255,255,0} 3>");
    QCOMPARE(engine.getColor(literal)->m_entries.size(), 2);
    engine.incrementColorUsage(literal);
    engine.incrementColorUsage("used");
    engine.incrementColorUsage("steady");
    // The palette colour replaced the blinking database colour of its name.
    engine.incrementColorUsage("_3DFace");
    QSignalSpy changed(&engine, SIGNAL(colorChanged(QString, QColor)));

    QStringList switches;  // "tick:name:colour" of every signal, in order
    for (int t = 1; t <= 16; ++t) {
        tick(engine, 1);
        while (!changed.isEmpty()) {
            const QList<QVariant> args = changed.takeFirst();
            switches << QStringLiteral("%1:%2:%3").arg(t).arg(args.at(0).toString(), args.at(1).value<QColor>().name());
        }
    }
    const QString l = QStringLiteral(":") + literal + QStringLiteral(":");
    QCOMPARE(switches, (QStringList{"2:used:#0000ff", "3" + l + "#ffff00", "6" + l + "#00ff00", "8:used:#ff0000",
                                    "9" + l + "#ffff00", "10:used:#0000ff", "12" + l + "#00ff00",
                                    "15" + l + "#ffff00", "16:used:#ff0000"}));
    // Two whole periods: back at the start of the first item.
    QCOMPARE(engine.getColor("used")->m_currentEntry, 0);
    QCOMPARE(engine.getColor("used")->m_tickCount, 0);
    // Unused colours keep their phase without a signal; steady ones never move.
    QCOMPARE(engine.getColor("unused")->m_currentEntry, engine.getColor("used")->m_currentEntry);
    QCOMPARE(engine.getColor("steady")->m_currentEntry, 0);
    tick(engine, 2);
    QCOMPARE(engine.getColor("unused")->currentColor(), QColor(0, 0, 255));
}

void tst_ColorEngine::usageCounterForwardsToTheEngine()
{
    WildcardConfig producer;
    QSharedPointer<ColorEngine> engine(new ColorEngine(&producer, nullptr));
    {
        ColorUsageCounter widgetCounter(&producer);
        widgetCounter.incrementColorUsage("alarm");
        widgetCounter.incrementColorUsage("alarm");
        widgetCounter.setFinalTarget(engine);
        QVERIFY(engine->isColorUsed("alarm"));
        widgetCounter.decrementColorUsage("alarm");
        QVERIFY(engine->isColorUsed("alarm"));
        widgetCounter.decrementColorUsage("never");
        QCOMPARE(engine->getColors(), QStringList{"alarm"});
    }
    // The destroyed counter took its usages back.
    QVERIFY(!engine->isColorUsed("alarm"));
}

void tst_ColorEngine::oneInstance()
{
    const QString r = m_root.path();
    writeFile(r + "/p/colorDB/one", "\"first\" N {1,2,3}\n");
    Resources::pathes_.setPathes({r + "/p"});
    WildcardConfig first;
    WildcardConfig second;
    const QSharedPointer<ColorEngine> engine = ColorEngine::getInstance(&first);
    QVERIFY(engine);
    writeFile(r + "/p/colorDB/two", "\"second\" N {1,2,3}\n");
    QCOMPARE(ColorEngine::getInstance(&second), engine);
    // Loaded once: the file written after the first call is not read.
    QVERIFY(engine->getColorNames().contains("first"));
    QVERIFY(!engine->getColorNames().contains("second"));
}

QTEST_MAIN(tst_ColorEngine)
#include "tst_ColorEngine.moc"
