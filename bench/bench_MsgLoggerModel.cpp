// A log flood: messages added to a log buffer that keeps the newest 10,000,
// first filling it and then far beyond, where every message drops the oldest.
#include <logging/MsgLoggerModel.h>

#include <QtTest>

class bench_MsgLoggerModel : public QObject
{
    Q_OBJECT
private slots:
    void addMessages_data();
    void addMessages();
};

void bench_MsgLoggerModel::addMessages_data()
{
    QTest::addColumn<int>("messages");
    QTest::newRow("10,000 (fills the buffer)") << 10000;
    QTest::newRow("80,000 (70,000 beyond full)") << 80000;
}

void bench_MsgLoggerModel::addMessages()
{
    QFETCH(int, messages);
    const QString text = QStringLiteral("the syntax of color line was not recognized: \"x\" N {1,2}");
    int rows = 0;
    QBENCHMARK {
        MsgLoggerModel model;
        for (int i = 0; i < messages; ++i)
            model.addMessage(MsgLoggerEnums::LogWarning, text);
        rows = model.rowCount();
    }
    QCOMPARE(rows, qMin(messages, 10000));
}

QTEST_GUILESS_MAIN(bench_MsgLoggerModel)
#include "bench_MsgLoggerModel.moc"
