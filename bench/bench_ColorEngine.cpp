// Colour engine costs at alarm-flood sizes: one blink tick over 10,000
// colours of which 1,000 blink, and loading a 10,000-line colour database.
#include <colors/ColorEngine.h>

#include <environment/Resources.h>
#include <filtervalues/WildcardConfig.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

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

} // namespace

class bench_ColorEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loadDatabase();
    void blinkTick_data();
    void blinkTick();

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
    QTest::newRow("none used") << 0;
    QTest::newRow("all blinking used") << kBlinking;
}

void bench_ColorEngine::blinkTick()
{
    QFETCH(int, used);
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
    QBENCHMARK {
        QMetaObject::invokeMethod(&engine, "blinkingTimeout", Qt::DirectConnection);
    }
}

QTEST_MAIN(bench_ColorEngine)
#include "bench_ColorEngine.moc"
