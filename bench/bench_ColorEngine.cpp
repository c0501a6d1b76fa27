// Colour engine costs at alarm-flood sizes: one blink tick over 10,000
// colours of which 1,000 blink (beside bare walks over the colours),
// loading a 10,000-line colour database, resolving long alias chains,
// parsing a very long line, and loading 1 MB databases of the shapes that
// once made loading quadratic, each beside a plain database of that size.
#include <colors/ColorEngine.h>

#include <environment/Resources.h>
#include <filtervalues/WildcardConfig.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<QString(int)>)

namespace {

const int kColors = 10000;
const int kBlinking = 1000;

// Every tenth line blinks; the rest mix the steady forms and aliases.
void writeDatabase(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(path));
    QTextStream out(&file);
    for (int i = 0; i < kColors; ++i) {
        const int v = i % 256;
        if (i % (kColors / kBlinking) == 0)
            out << "\"c" << i << "\" N <{" << v << ",0,0} 2 [0,0," << (i % 101) << "] 6>\n";
        else if (i % 3 == 0)
            out << "\"c" << i << "\" N {" << v << ", " << v << ", 0, 200}\n";
        else if (i % 3 == 1)
            out << "\"c" << i << "\" N [" << (i % 101) << ",50,25]\n";
        else
            out << "\"c" << i << "\" \"c" << (i - 1) << "\"\n";
    }
}

// "a0" "a1", "a1" "a2", ... and the last name a colour: one chain of links.
void writeAliasChain(const QString& path, int links)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(path));
    QTextStream out(&file);
    for (int i = 0; i < links; ++i)
        out << "\"a" << i << "\" \"a" << (i + 1) << "\"\n";
    out << "\"a" << links << "\" N {1,2,3}\n";
}

const int kShapeBytes = 1024 * 1024;

// About kShapeBytes of lines of one shape; line(i) gives line i.
void writeShape(const QString& path, const std::function<QString(int)>& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray bytes;
    for (int i = 0; bytes.size() < kShapeBytes; ++i)
        bytes += line(i).toUtf8() + '\n';
    file.write(bytes);
}

// The name of i as its letters 'a'/'A' by bit: 2^17 names that differ in case only.
QString caseName(int i)
{
    QString name;
    for (int bit = 0; bit < 17; ++bit)
        name += (i >> bit) & 1 ? QLatin1Char('A') : QLatin1Char('a');
    return name;
}

} // namespace

class bench_ColorEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loadDatabase();
    void blinkTick_data();
    void blinkTick();
    void aliasChain_data();
    void aliasChain();
    void longLine_data();
    void longLine();
    void loadShape_data();
    void loadShape();

private:
    QTemporaryDir m_project;
    QString m_database;
};

void bench_ColorEngine::initTestCase()
{
    QVERIFY(m_project.isValid());
    QDir(m_project.path()).mkpath(QStringLiteral("colorDB"));
    m_database = m_project.filePath(QStringLiteral("colorDB/flood"));
    writeDatabase(m_database);
    Resources::pathes_.setPathes({m_project.path()});
}

void bench_ColorEngine::loadDatabase()
{
    WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    int loaded = 0;
    QBENCHMARK {
        loaded = ColorEngine::parseColorDatabaseFile(&producer, m_database).size();
    }
    QCOMPARE(loaded, kColors);
}

void bench_ColorEngine::blinkTick_data()
{
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("walk");
    QTest::newRow("tick, none used") << 0 << QString();
    QTest::newRow("tick, all blinking used") << kBlinking << QString();
    QTest::newRow("bare walk over all colours") << 0 << "all";
    QTest::newRow("bare walk over the blinking colours") << 0 << "blinking";
}

void bench_ColorEngine::blinkTick()
{
    QFETCH(int, used);
    QFETCH(QString, walk);
    WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    ColorEngine engine(&producer, nullptr);
    engine.loadAllColorDbs();
    QVERIFY(engine.getColorNames().size() >= kColors);
    for (int i = 0; i < used; ++i)
        engine.incrementColorUsage(QStringLiteral("c%1").arg(i * (kColors / kBlinking)));
    // A receiver, so that emitting costs what it costs in a screen.
    QColor last;
    connect(&engine, &ColorEngine::colorChanged, this, [&last](const QString&, const QColor& c) { last = c; });
    if (walk.isEmpty()) {
        QBENCHMARK {
            QMetaObject::invokeMethod(&engine, "blinkingTimeout", Qt::DirectConnection);
        }
        return;
    }
    // The floor a tick is measured against: a map of the same colours,
    // walked once with a count of each colour's entries.
    QMap<QString, QSharedPointer<Color>> colors;
    for (const QString& name : engine.getColorNames()) {
        const QSharedPointer<Color> color = engine.getColor(name);
        if (walk == QLatin1String("all") || color->m_entries.size() >= 2)
            colors.insert(name, color);
    }
    QVERIFY(walk == QLatin1String("all") || colors.size() == kBlinking);
    qint64 entries = 0;
    QBENCHMARK {
        for (auto it = colors.cbegin(); it != colors.cend(); ++it)
            entries += it.value()->m_entries.size();
    }
    QVERIFY(entries > 0);
}

void bench_ColorEngine::aliasChain_data()
{
    QTest::addColumn<int>("links");
    QTest::newRow("10,000 links") << 10000;
    QTest::newRow("100,000 links") << 100000;
}

void bench_ColorEngine::aliasChain()
{
    QFETCH(int, links);
    const QString path = m_project.filePath(QStringLiteral("chain"));
    writeAliasChain(path, links);
    WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    ColorEngine engine(&producer, nullptr);
    engine.addColorDatabase(path);
    // Resolving sets every alias's colour, so it can be measured only once.
    QBENCHMARK_ONCE {
        engine.resolveAliases();
    }
    QCOMPARE(engine.getColor(QStringLiteral("a0"))->currentColor(), QColor(1, 2, 3));
}

void bench_ColorEngine::longLine_data()
{
    QTest::addColumn<int>("bytes");
    QTest::newRow("100 KB line") << 100 * 1024;
    QTest::newRow("1 MB line") << 1024 * 1024;
}

void bench_ColorEngine::longLine()
{
    QFETCH(int, bytes);
    QString line = QStringLiteral("\"long\" N ");
    while (line.size() < bytes)
        line += QStringLiteral("{1,2,3} ");
    WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogWarning);
    QSharedPointer<Color> color;
    QBENCHMARK {
        color = ColorEngine::parseColorLine(&producer, line);
    }
    QVERIFY(color);
    QCOMPARE(color->m_entries.size(), (line.size() - 9) / 8);
}

void bench_ColorEngine::loadShape_data()
{
    QTest::addColumn<std::function<QString(int)>>("line");
    const auto plain = [](int i) { return QStringLiteral("\"c%1\" N {%2,%3,0}").arg(i).arg(i % 256).arg(i % 7); };
    QTest::newRow("plain colours") << std::function<QString(int)>(plain);
    QTest::newRow("chain to a missing name")
        << std::function<QString(int)>([](int i) { return QStringLiteral("\"a%1\" \"a%2\"").arg(i).arg(i + 1); });
    QTest::newRow("chain into a loop of 1,000") << std::function<QString(int)>([](int i) {
        return QStringLiteral("\"a%1\" \"a%2\"").arg(i).arg(i == 1000 ? 0 : i + 1);
    });
    QTest::newRow("one loop of 50,000") << std::function<QString(int)>([](int i) {
        return QStringLiteral("\"a%1\" \"a%2\"").arg(i % 50000).arg((i + 1) % 50000);
    });
    QTest::newRow("aliases of one missing name")
        << std::function<QString(int)>([](int i) { return QStringLiteral("\"a%1\" \"gone\"").arg(i); });
    QTest::newRow("names differing in case") << std::function<QString(int)>([](int i) {
        return i % 2 ? QStringLiteral("\"%1\" \"%2\"").arg(caseName(i), caseName(i - 1))
                     : QStringLiteral("\"%1\" N {1,2,3}").arg(caseName(i));
    });
    QTest::newRow("blinking entries") << std::function<QString(int)>([](int i) {
        return QStringLiteral("\"b%1\" N <{1,2,3} 2 [4,5,6] 3 \"b%2\" 4>").arg(i).arg(i / 2);
    });
    QTest::newRow("one name, repeated")
        << std::function<QString(int)>([](int i) { return QStringLiteral("\"same\" N {%1,0,0}").arg(i % 256); });
}

// Reading, storing and resolving, as the engine loads a file; errors are
// logged, as they are by default.
void bench_ColorEngine::loadShape()
{
    QFETCH(std::function<QString(int)>, line);
    const QString path = m_project.filePath(QStringLiteral("shape"));
    writeShape(path, line);
    WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogError);
    QBENCHMARK_ONCE {
        ColorEngine engine(&producer, nullptr);
        engine.addColorDatabase(path);
        engine.resolveAliases();
    }
}

QTEST_MAIN(bench_ColorEngine)
#include "bench_ColorEngine.moc"
