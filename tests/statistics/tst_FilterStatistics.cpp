#include "LogCapture.h"
#include "TestAlarms.h"

#include <statistics/FilterStatisticsWidget.h>

#include <environment/Resources.h>

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QToolTip>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Alarms whose text starts with "Pump".
SourceAndFilter pumpFilter()
{
    SourceAndFilter filter;
    filter.setRuleContainer(alertTextRules("Pump*"));
    filter.setName("pumps");
    return filter;
}

QString countsOf(const FilterStatistics& s)
{
    QStringList counts;
    for (int c = 0; c < FilterStatistics::CounterCount; ++c)
        counts << QString::number(s.getCount(FilterStatistics::Counter(c)));
    return counts.join(' ') + " max " + s.getHighestPriority().toString();
}

} // namespace

class tst_FilterStatistics : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void countsStayExact();
    void textsAndMap();
    void mouseNumbering();
    void colours();
    void testUnknownColourWarnsOnce();
    void testLongTextWidensWindow();

private:
    QTemporaryDir m_dir;
};

void tst_FilterStatistics::initTestCase()
{
    // The colour engine reads this folder when it is first used.
    QVERIFY(QDir().mkpath(m_dir.path() + "/colorDB"));
    QFile db(m_dir.path() + "/colorDB/colors");
    QVERIFY(db.open(QIODevice::WriteOnly));
    db.write("\"AlarmCameUnack\" N <{255,0,0} 1 {255,255,255} 1>\n\"AlarmCameAck\" N {200,0,0}\n"
             "\"WarningBg\" \"NoWarningTarget\"\n\"AlarmWentAck\" N {0,160,0}\n\"AlarmWentUnack\" N {0,0,0}\n"
             "\"Broken\" \"NoSuchTarget\"\n");
    db.close();
    Resources::pathes_.setPathes({m_dir.path()});
}

// Random batches of alarms coming, changing and going: the incremental
// counts equal a fresh count after every batch.
void tst_FilterStatistics::countsStayExact()
{
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    FilterStatistics live(model, pumpFilter(), nullptr);
    QSignalSpy changed(&live, SIGNAL(changed(const FilterStatistics*)));
    QRandomGenerator random(7);
    const QStringList texts{"Pump 1 failure", "Pump 2 failure", "Valve stuck", "Door open"};
    qint64 next = 1;
    for (int batch = 0; batch < 60; ++batch) {
        AlarmList come;
        for (int i = 0; i < 20; ++i)
            come.append(testAlarm(*model, next++, "A", texts.at(random.bounded(4)), random.bounded(100)));
        model->addAlarms(come);
        AlarmList changes;
        QVector<qint64> gone;
        for (const AlarmPtr& alarm : model->getAlarms()) {
            switch (random.bounded(8)) {
            case 0:
                changes.append(testAlarm(*model, alarm->getIdent(), "A", texts.at(random.bounded(4)),
                                         random.bounded(100), AlarmInstance::AckState(random.bounded(3)),
                                         random.bounded(2)));
                break;
            case 1:
                gone.append(alarm->getIdent());
                break;
            default:
                break;
            }
        }
        model->updateAlarms(changes);
        model->removeAlarms(gone);
        model->acknowledge({next - 1, next - 2});
        FilterStatistics fresh(model, pumpFilter(), nullptr);
        QCOMPARE(countsOf(live), countsOf(fresh));
    }
    QVERIFY(live.getCount(FilterStatistics::CountAll) > 0);
    // One signal a batch that changed something; none for a batch of other alarms.
    const int before = changed.count();
    model->addAlarms({testAlarm(*model, next++, "A", "Door open", 5)});
    QCOMPARE(changed.count(), before);
    model->clear();
    QCOMPARE(countsOf(live), QStringLiteral("0 0 0 0 0 0 0 max "));
}

void tst_FilterStatistics::textsAndMap()
{
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    model->addAlarms({testAlarm(*model, 1, "A", "Pump 1 failure", 80), testAlarm(*model, 2, "A", "Pump 2 failure", 40,
                                                                              AlarmInstance::Acknowledged),
                      testAlarm(*model, 3, "A", "Valve", 99)});
    MsgLoggingProducer producer;
    FilterStatisticsWidget widget(&producer);
    // Without statistics, only the reason.
    widget.setFilterDpName("Filters.pumps");
    QCOMPARE(widget.getStatisticsAsMap(),
             (QVariantMap{{"error", "filter is not connected to configuration DP 'Filters.pumps' (missing DP?)"}}));
    QSignalSpy content(&widget, SIGNAL(statsContentChanged(const QString&, const QVariantMap&)));
    widget.setModel(model);
    widget.setTextTemplate("%count% / %count% (%unack% new, max %maxPrio%)");
    widget.setTooTipTemplate("%name%: %ack% acknowledged");
    widget.setFilter("pumps", pumpFilter());
    QCOMPARE(widget.text(), QStringLiteral("2 / 2 (1 new, max 80)"));
    QCOMPARE(widget.toolTip(), QStringLiteral("pumps: 1 acknowledged"));
    QCOMPARE(widget.property("filterName").toString(), QStringLiteral("pumps"));
    QCOMPARE(content.last().at(0).toString(), QStringLiteral("Filters.pumps"));
    const QVariantMap map = widget.getStatisticsAsMap();
    QCOMPARE(map.value("%count%").toInt(), 2);
    QCOMPARE(map.value("itemTextFormat").toString(), widget.getTextTemplate());
    QCOMPARE(map.value("itemToolTipTextFormat").toString(), widget.getToolTipTemplate());
    // The counter follows the alarms.
    model->acknowledge({1});
    QCOMPARE(widget.text(), QStringLiteral("2 / 2 (0 new, max 80)"));
    QCOMPARE(content.last().at(1).toMap().value("%unack%").toInt(), 0);
    // Framed while its filter is the applied one.
    QVERIFY(!widget.isMatchingCurrentFilter());
    widget.compareWithCurrentFilter(pumpFilter());
    QVERIFY(widget.isMatchingCurrentFilter());
}

void tst_FilterStatistics::mouseNumbering()
{
    MsgLoggingProducer producer;
    FilterStatisticsWidget widget(&producer);
    QSignalSpy pressed(&widget, SIGNAL(mousePressed(FilterStatisticsWidget*, int, int, int)));
    QSignalSpy clicked(&widget, SIGNAL(mouseClicked(FilterStatisticsWidget*, int)));
    const QPointF at(10.5, 3.4);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton, Qt::BackButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, at, at, at, button, button, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, at, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &press);
        QApplication::sendEvent(&widget, &release);
    }
    QCOMPARE(pressed.count(), 4);
    QList<int> numbers;
    QList<int> clickedNumbers;
    for (int i = 0; i < 4; ++i) {
        numbers << pressed.at(i).at(1).toInt();
        clickedNumbers << clicked.at(i).at(1).toInt();
    }
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 0}));
    QCOMPARE(clickedNumbers, (QList<int>{1, 4, 2, int(Qt::BackButton)}));
    QCOMPARE(pressed.first().at(2).toInt(), 11);
    QCOMPARE(pressed.first().at(3).toInt(), 3);
}

void tst_FilterStatistics::colours()
{
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    MsgLoggingProducer producer;
    FilterStatisticsWidget widget(&producer);
    LogCapture log(&widget);
    widget.setModel(model);
    widget.setFilter("pumps", pumpFilter());
    widget.setBackColorSource(FilterViewItemConfiguration::ColorByAlarmState);
    QVERIFY(!widget.autoFillBackground());
    // An unacknowledged pump alarm: the background blinks red and white.
    model->addAlarms({testAlarm(*model, 1, "A", "Pump 1 failure", 80)});
    QVERIFY(widget.autoFillBackground());
    QVERIFY(widget.isColorUsed("AlarmCameUnack"));
    QSet<QRgb> seen;
    QElapsedTimer clock;
    clock.start();
    while (seen.size() < 2 && clock.elapsed() < 3000) {
        seen.insert(widget.palette().color(widget.backgroundRole()).rgb());
        QTest::qWait(20);
    }
    QCOMPARE(seen, (QSet<QRgb>{qRgb(255, 0, 0), qRgb(255, 255, 255)}));
    // A colour placeholder gives the colour's name; an unknown name logs and gives nothing.
    widget.setTextTemplate("%bgColor%");
    QVERIFY(widget.text() == "#ff0000" || widget.text() == "#ffffff");
    model->acknowledge({1});
    QCOMPARE(widget.text(), QStringLiteral("#c80000"));
    QVERIFY(!widget.isColorUsed("AlarmCameUnack"));
    model->removeAlarms({1});
    QVERIFY(!widget.autoFillBackground());
    widget.setSelectedLineColor("none");
    QCOMPARE(widget.getSelectedLineColor(), QColor(255, 255, 0));
    // An alias that leads nowhere is an invalid colour: warned about, and stored.
    widget.setSelectedLineColor("Broken");
    QVERIFY(!widget.getSelectedLineColor().isValid());
    QCOMPARE(log.entries().last(),
             QStringLiteral("2|Invalid color name 'Broken' for selected line color of filter statistics"));
}

// An unknown colour once warned on every statistics update, that is on
// every alarm batch.
void tst_FilterStatistics::testUnknownColourWarnsOnce()
{
    QSharedPointer<AlarmsModel> model(new AlarmsModel(testAlarmProperties(), nullptr));
    MsgLoggingProducer producer;
    FilterStatisticsWidget widget(&producer);
    LogCapture log(&widget);
    widget.setModel(model);
    widget.setFilter("pumps", pumpFilter());
    widget.setBackColorSource(FilterViewItemConfiguration::ColorByCount);
    widget.setTextTemplate("%bgColor%");
    const QString warning = QStringLiteral("2|invalid color WarningBg for placeHolder %bgColor%");
    for (int i = 1; i <= 5; ++i)
        model->addAlarms({testAlarm(*model, i, "A", "Pump failure", 80)});
    QCOMPARE(widget.text(), QString());
    QCOMPARE(log.entries().count(warning), 1);
    widget.setTextTemplate("%bgColor% ");
    QCOMPARE(log.entries().count(warning), 2);
}

// A 60 KB template once made the window half a million pixels wide: the
// text is elided to the label's width and whole in the tool tip.
void tst_FilterStatistics::testLongTextWidensWindow()
{
    MsgLoggingProducer producer;
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* widget = new FilterStatisticsWidget(&producer);
    layout->addWidget(widget);
    const QString longText = QString(60000, QLatin1Char('x'));
    widget->setTextTemplate(longText);
    QCOMPARE(widget->text(), longText);
    QVERIFY2(window.sizeHint().width() < 1000, qPrintable(QString::number(window.sizeHint().width())));
    window.resize(300, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &help);
    QTRY_COMPARE(QToolTip::text(), longText + QLatin1Char('\n') + widget->toolTip());
    QToolTip::hideText();
}

QTEST_MAIN(tst_FilterStatistics)
#include "tst_FilterStatistics.moc"
