#include <source/QueryStateDisplay.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

class tst_QueryStateDisplay : public QObject
{
    Q_OBJECT
private slots:
    void states_data();
    void states();
    void countsOnlyWhileReading();
    void elapsedTimeWhileVisible();
};

namespace {

QLineEdit* field(QueryStateDisplay& display, const char* name)
{
    return display.findChild<QLineEdit*>(QString::fromLatin1(name));
}

} // namespace

void tst_QueryStateDisplay::states_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("measured");
    QTest::newRow("error") << 0 << QColor(255, 192, 192) << false << false;
    QTest::newRow("connecting") << 2 << QColor(255, 255, 192) << true << true;
    QTest::newRow("waiting") << 3 << QColor(255, 255, 192) << false << false;
    QTest::newRow("online") << 4 << QColor() << false << false;
    QTest::newRow("started") << 5 << QColor(255, 255, 192) << true << true;
    QTest::newRow("done") << 7 << QColor() << false << false;
    QTest::newRow("failed") << 8 << QColor(255, 192, 192) << false << false;
}

void tst_QueryStateDisplay::states()
{
    QFETCH(int, state);
    QFETCH(QColor, color);
    QFETCH(bool, busy);
    QFETCH(bool, measured);
    QWidget host;
    QueryStateDisplay display(&host);
    display.displaySourceState(Constants::SourceState(state));
    QLineEdit* text = field(display, "textSourceState");
    QCOMPARE(text->text(), Constants::getSourceStateVisibleName(Constants::SourceState(state)));
    QCOMPARE(text->autoFillBackground(), color.isValid());
    if (color.isValid()) {
        QCOMPARE(text->palette().color(QPalette::Inactive, display.backgroundRole()), color);
        // The colour is what the read-only field really paints.
        text->resize(120, 24);
        QCOMPARE(text->grab().toImage().pixelColor(text->width() / 2, text->height() - 4), color);
    }
    QCOMPARE(display.findChild<QProgressBar*>("progressBar")->isVisibleTo(&display), busy);
    QCOMPARE(display.findChild<QToolButton*>("buttonAbortQuery")->isVisibleTo(&display), busy);
    QCOMPARE(display.isStateToMeasureTime(), measured);
}

void tst_QueryStateDisplay::countsOnlyWhileReading()
{
    QWidget host;
    QueryStateDisplay display(&host);
    QSignalSpy abort(&display, SIGNAL(abortQuery()));
    display.displaySourceState(Constants::SourceStateQueryStarted);
    display.displaySourceCounts(10, 3);
    QVERIFY(field(display, "textTotalCount")->text().isEmpty());
    display.displaySourceState(Constants::SourceStateQueryReading);
    display.displaySourceCounts(10, 3);
    QCOMPARE(field(display, "textTotalCount")->text(), QStringLiteral("10"));
    QCOMPARE(field(display, "textMatchingCount")->text(), QStringLiteral("3"));
    // A finished query keeps its counts; idle clears them.
    display.displaySourceState(Constants::SourceStateQueryDone);
    display.displaySourceCounts(99, 99);
    QCOMPARE(field(display, "textTotalCount")->text(), QStringLiteral("10"));
    display.displaySourceState(Constants::SourceStateIdle);
    QVERIFY(field(display, "textMatchingCount")->text().isEmpty());
    display.findChild<QToolButton*>("buttonAbortQuery")->click();
    QCOMPARE(abort.count(), 1);
}

void tst_QueryStateDisplay::elapsedTimeWhileVisible()
{
    QWidget host;
    QueryStateDisplay display(&host);
    QLineEdit* spent = field(display, "textTimeSpent");
    display.displaySourceState(Constants::SourceStateQueryStarted);
    display.timerTick();
    QVERIFY(spent->text().isEmpty());  // the popup is hidden
    display.show();
    display.timerTick();
    QCOMPARE(spent->text(), QStringLiteral("00:00:00"));
    // Going on to reading keeps the start: the time goes on counting.
    display.displaySourceState(Constants::SourceStateQueryReading);
    QTRY_COMPARE_WITH_TIMEOUT(spent->text(), QStringLiteral("00:00:01"), 3000);
}

QTEST_MAIN(tst_QueryStateDisplay)
#include "tst_QueryStateDisplay.moc"
