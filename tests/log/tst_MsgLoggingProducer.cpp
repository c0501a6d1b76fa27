#include "LogCapture.h"

#include <logging/MsgLoggerModel.h>
#include <logging/MsgLoggingMessage.h>
#include <logging/MsgLoggingProducer.h>
#include <filtervalues/WildcardConfig.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// The texts of a model's rows, oldest first.
QString rowTexts(const MsgLoggerModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.data(model.index(row, MsgLoggerModel::ColumnText)).toString();
    return texts.join(QLatin1Char(' '));
}

// A class that logs the way the library's classes do.
class Speaker : public MsgLoggingProducer
{
public:
    explicit Speaker(const MsgLoggingProducer* parent = nullptr)
        : MsgLoggingProducer(parent)
    {
    }

    void takeColor255Based(int value) const
    {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "value " << value << " out of range";
    }

    int piecesBuilt = 0;
    QString expensivePiece()
    {
        ++piecesBuilt;
        return QStringLiteral("piece");
    }

    void logAt(MsgLoggerEnums::LogSeverity severity)
    {
        MSG_LOG(this, severity) << expensivePiece();
    }
};

} // namespace

class tst_MsgLoggingProducer : public QObject
{
    Q_OBJECT
private slots:
    void functionNamePrefix_data();
    void functionNamePrefix();
    void thresholdSkipsBuildingTheMessage_data();
    void thresholdSkipsBuildingTheMessage();
    void childSharesParentSettings();
    void modelDropsOldestBeyondMaximum();
};

void tst_MsgLoggingProducer::functionNamePrefix_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0 << "value 300 out of range";
    QTest::newRow("short") << 1 << "takeColor255Based: value 300 out of range";
    QTest::newRow("signature") << 2
                               << "void {anonymous}::Speaker::takeColor255Based(int) const: value 300 out of range";
}

void tst_MsgLoggingProducer::functionNamePrefix()
{
    QFETCH(int, mode);
    QFETCH(QString, expected);
    Speaker speaker;
    LogCapture capture(&speaker, mode);
    speaker.takeColor255Based(300);
    QCOMPARE(capture.entries(), QStringList{QStringLiteral("2|") + expected});
}

void tst_MsgLoggingProducer::thresholdSkipsBuildingTheMessage_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<int>("severity");
    QTest::addColumn<bool>("logged");
    QTest::newRow("below") << 2 << 1 << false;
    QTest::newRow("equal") << 2 << 2 << true;
    QTest::newRow("above") << 2 << 3 << true;
}

void tst_MsgLoggingProducer::thresholdSkipsBuildingTheMessage()
{
    QFETCH(int, threshold);
    QFETCH(int, severity);
    QFETCH(bool, logged);
    Speaker speaker;
    LogCapture capture(&speaker);
    speaker.setLogThreshold(MsgLoggerEnums::LogSeverity(threshold));
    speaker.logAt(MsgLoggerEnums::LogSeverity(severity));
    QCOMPARE(capture.count(), logged ? 1 : 0);
    // A message that is not logged is not even built.
    QCOMPARE(speaker.piecesBuilt, logged ? 1 : 0);
}

void tst_MsgLoggingProducer::childSharesParentSettings()
{
    auto config = std::make_unique<WildcardConfig>();
    LogCapture capture(config.get(), 1);
    Speaker child(config.get());
    Speaker grandChild(&child);

    grandChild.takeColor255Based(-1);
    QCOMPARE(capture.entries(), QStringList{"2|takeColor255Based: value -1 out of range"});

    // A change made through the parent reaches every producer built from it.
    config->setLogThreshold(MsgLoggerEnums::LogError);
    config->setLogFunc(0);
    grandChild.takeColor255Based(1);
    QCOMPARE(capture.count(), 1);
    grandChild.logAt(MsgLoggerEnums::LogError);
    QCOMPARE(capture.entries().last(), QStringLiteral("3|piece"));

    // ... and a change made through a child reaches the parent.
    child.setLogThreshold(MsgLoggerEnums::LogTrace);
    QVERIFY(config->isLogged(MsgLoggerEnums::LogTrace));

    // A producer built alone keeps its own settings.
    Speaker alone;
    QVERIFY(!alone.isLogged(MsgLoggerEnums::LogTrace));
    QVERIFY(alone.getLogBuffer().isNull());

    // The settings outlive the parent, and a copy of it still shares them.
    WildcardConfig copy(*config);
    config.reset();
    child.takeColor255Based(7);
    copy.setLogThreshold(MsgLoggerEnums::LogError);
    child.takeColor255Based(8);
    QCOMPARE(capture.entries().mid(2), QStringList{"2|value 7 out of range"});
}

void tst_MsgLoggingProducer::modelDropsOldestBeyondMaximum()
{
    MsgLoggerModel model;
    QAbstractItemModelTester tester(&model);
    QSignalSpy changed(&model, SIGNAL(contentChanged(int, MsgLoggerEnums::LogSeverity)));
    model.setMaxCount(2);
    model.addMessage(MsgLoggerEnums::LogError, QStringLiteral("old error"));
    model.addMessage(MsgLoggerEnums::LogInfo, QStringLiteral("x"));
    QCOMPARE(model.getMaxSeverity(), MsgLoggerEnums::LogError);
    model.addMessage(MsgLoggerEnums::LogWarning, QStringLiteral("y"));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.messageAt(0), QStringLiteral("x"));
    // The dropped error no longer counts as the worst message, nor as the newest error.
    QCOMPARE(model.getMaxSeverity(), MsgLoggerEnums::LogWarning);
    QString message;
    QVERIFY(!model.getLastOfSeverity(MsgLoggerEnums::LogError, QDateTime(), message).isValid());
    QVERIFY(model.getLastOfSeverity(MsgLoggerEnums::LogWarning, QDateTime(), message).isValid());
    QCOMPARE(message, QStringLiteral("y"));

    // The store goes round several times, grows and shrinks; the rows stay
    // the newest messages, oldest first.
    for (int i = 0; i < 7; ++i)
        model.addMessage(MsgLoggerEnums::LogInfo, QStringLiteral("m%1").arg(i));
    QCOMPARE(rowTexts(model), QStringLiteral("m5 m6"));
    model.setMaxCount(4);
    model.addMessage(MsgLoggerEnums::LogInfo, QStringLiteral("m7"));
    model.addMessage(MsgLoggerEnums::LogInfo, QStringLiteral("m8"));
    model.addMessage(MsgLoggerEnums::LogWarning, QStringLiteral("m9"));
    QCOMPARE(rowTexts(model), QStringLiteral("m6 m7 m8 m9"));
    model.setMaxCount(3);
    QCOMPARE(rowTexts(model), QStringLiteral("m7 m8 m9"));
    model.addMessage(MsgLoggerEnums::LogInfo, QStringLiteral("m10"));
    QCOMPARE(rowTexts(model), QStringLiteral("m8 m9 m10"));
    QCOMPARE(model.getMaxSeverity(), MsgLoggerEnums::LogWarning);
    // One signal a message, with the rows then held.
    QCOMPARE(changed.count(), 14);
    QCOMPARE(changed.last().at(0).toInt(), 3);

    // A megabyte text keeps its start and says how much was cut.
    model.addMessage(MsgLoggerEnums::LogWarning, QString(1024 * 1024, QLatin1Char('x')));
    QCOMPARE(model.messageAt(2),
             QString(4096, QLatin1Char('x')) + QStringLiteral(" [... 1044480 more characters cut]"));
}

QTEST_GUILESS_MAIN(tst_MsgLoggingProducer)
#include "tst_MsgLoggingProducer.moc"
