#include "LogCapture.h"

#include <source/PopupFrame.h>
#include <source/TimeRangeEditor.h>

#include <filtervalues/WildcardConfig.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

namespace {

template <typename T>
T* child(QWidget& w, const char* name)
{
    return w.findChild<T*>(QLatin1String(name));
}

// Enabled state of: count spin box (visible?), from, to, from-now, to-now.
QString enabling(TimeRangeEditor& editor)
{
    return QStringLiteral("%1 %2%3%4%5")
        .arg(child<QSpinBox>(editor, "spinBoxRangeValue")->isHidden() ? QStringLiteral("nocount")
                                                                        : QStringLiteral("count"))
        .arg(int(child<QDateTimeEdit>(editor, "dateTimeEditFrom")->isEnabled()))
        .arg(int(child<QDateTimeEdit>(editor, "dateTimeEditTo")->isEnabled()))
        .arg(int(child<QToolButton>(editor, "buttonFromNow")->isEnabled()))
        .arg(int(child<QToolButton>(editor, "buttonToNow")->isEnabled()));
}

} // namespace

class tst_TimeRangeEditor : public QObject
{
    Q_OBJECT
private slots:
    void enablingFollowsType_data();
    void enablingFollowsType();
    void nowButtonsInUtc_data();
    void nowButtonsInUtc();
    void timeSpecRefreshesCountIsReported();
    void unexpectedInput();
    void popupPlacement_data();
    void popupPlacement();
};

void tst_TimeRangeEditor::enablingFollowsType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last hours has a count") << "LastHours" << "count 0000";
    QTest::newRow("today has no count") << "Today" << "nocount 0000";
    QTest::newRow("fixed interval edits start and end") << "FixedInterval" << "nocount 1111";
}

void tst_TimeRangeEditor::enablingFollowsType()
{
    QFETCH(QString, type);
    QFETCH(QString, expected);
    WildcardConfig producer;
    TimeRange range(&producer);
    TimeRangeEditor editor(range, nullptr);
    editor.show();
    QSignalSpy changed(&editor, SIGNAL(changed(TimeRange)));
    auto* combo = child<QComboBox>(editor, "comboBoxRangeType");
    QCOMPARE(combo->currentText(), QStringLiteral("LastHours"));
    QCOMPARE(combo->itemText(10), QStringLiteral("FixedInterval"));

    QMetaObject::invokeMethod(&editor, "typeSelected", Q_ARG(QString, type));
    QCOMPARE(enabling(editor), expected);
    QCOMPARE(changed.count(), 1);
    const auto reported = changed.first().at(0).value<TimeRange>();
    QCOMPARE(QString::fromLatin1(QMetaEnum::fromType<TimeRange::RangeType>().valueToKey(reported.getRangeType())),
             type);
}

void tst_TimeRangeEditor::nowButtonsInUtc_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("from") << "buttonFromNow";
    QTest::newRow("to") << "buttonToNow";
}

void tst_TimeRangeEditor::nowButtonsInUtc()
{
    QFETCH(QString, button);
    WildcardConfig producer;
    TimeRange range(&producer, Qt::UTC);
    range.setRangeType(TimeRange::FixedInterval);
    range.setStartTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
    range.setEndTime(QDateTime(QDate(2020, 1, 2), QTime(0, 0), Qt::UTC));
    TimeRangeEditor editor(range, nullptr);
    editor.show();
    QSignalSpy changed(&editor, SIGNAL(changed(TimeRange)));

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    child<QToolButton>(editor, button.toLatin1().constData())->click();
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);

    QCOMPARE(changed.count(), 1);
    const auto reported = changed.first().at(0).value<TimeRange>();
    const bool isFrom = button == QLatin1String("buttonFromNow");
    const QDateTime set = isFrom ? reported.getStartTime() : reported.getEndTime();
    QCOMPARE(set.timeSpec(), Qt::UTC);
    QVERIFY2(set >= before && set <= after, qPrintable(set.toString(Qt::ISODate)));
    // The other end stays as it was.
    QCOMPARE(isFrom ? reported.getEndTime() : reported.getStartTime(),
             isFrom ? range.getEndTime() : range.getStartTime());
    const auto* edit = child<QDateTimeEdit>(editor, isFrom ? "dateTimeEditFrom" : "dateTimeEditTo");
    QCOMPARE(edit->dateTime().toString(Qt::ISODate), set.toString(Qt::ISODate));
    QCOMPARE(child<QLineEdit>(editor, "textTimeZone")->text(), QStringLiteral("UTC"));
}

// Another time zone refreshes the editor without a change; a new count is one.
void tst_TimeRangeEditor::timeSpecRefreshesCountIsReported()
{
    WildcardConfig producer;
    TimeRange range(&producer);
    range.setRangeType(TimeRange::LastMinutes);
    range.setValueCount(7);
    TimeRangeEditor editor(range, nullptr);
    editor.show();
    QSignalSpy changed(&editor, SIGNAL(changed(TimeRange)));
    editor.setTimeSpec(Qt::LocalTime);
    editor.setTimeSpec(Qt::UTC);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(child<QLineEdit>(editor, "textTimeZone")->text(), QStringLiteral("UTC"));
    QCOMPARE(editor.getTimeRange().getTimeSpec(), Qt::UTC);
    QCOMPARE(child<QSpinBox>(editor, "spinBoxRangeValue")->value(), 7);
    QCOMPARE(child<QSpinBox>(editor, "spinBoxRangeValue")->suffix(), QStringLiteral(" minutes"));

    child<QSpinBox>(editor, "spinBoxRangeValue")->setValue(5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).value<TimeRange>().getValueCount(), 5);
    QCOMPARE(changed.first().at(0).value<TimeRange>().getDescription(), QStringLiteral("Last 5 minutes"));
}

void tst_TimeRangeEditor::unexpectedInput()
{
    WildcardConfig producer;
    LogCapture log(&producer);
    TimeRange range(&producer);
    TimeRangeEditor editor(range, nullptr);
    QSignalSpy changed(&editor, SIGNAL(changed(TimeRange)));
    QMetaObject::invokeMethod(&editor, "typeSelected", Q_ARG(QString, QStringLiteral("Fortnight")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(log.entries(), (QStringList{"0|type selected Fortnight",
                                         "3|conversion to enum value (RangeType) failed for string: Fortnight"}));
    QCOMPARE(editor.getTimeRange().getRangeType(), TimeRange::LastHours);

    log.clear();
    QMetaObject::invokeMethod(&editor, "nowButtonClicked");  // no sender
    QCOMPARE(changed.count(), 0);
    QCOMPARE(log.entries(), QStringList{"2|nowButtonClicked() from unexpected source: NULL"});
}

void tst_TimeRangeEditor::popupPlacement_data()
{
    QTest::addColumn<int>("anchorX");     // from the screen's left edge
    QTest::addColumn<QString>("where");  // expected popup x: "anchor" or "right edge"
    QTest::newRow("room enough") << 10 << "anchor";
    QTest::newRow("near the right edge") << -60 << "right edge";
}

void tst_TimeRangeEditor::popupPlacement()
{
    QFETCH(int, anchorX);
    QFETCH(QString, where);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget window;
    window.setGeometry(screen.left(), screen.top() + 50, screen.width(), 100);
    auto* anchor = new QPushButton(QStringLiteral("Time Range"), &window);
    anchor->setGeometry(anchorX < 0 ? screen.width() + anchorX : anchorX, 10, 50, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    PopupFrame popup(&window);
    popup.resize(200, 80);
    popup.toggleVisibilityBelowWidget(anchor);
    QVERIFY(popup.isVisible());
    const QPoint below = anchor->mapToGlobal(anchor->rect().bottomLeft());
    QCOMPARE(popup.pos().y(), below.y());
    QCOMPARE(popup.pos().x(), where == QLatin1String("anchor") ? below.x() : screen.right() - popup.width());

    popup.toggleVisibilityBelowWidget(anchor);  // a second click closes it
    QVERIFY(!popup.isVisible());
    popup.toggleVisibilityBelowWidget(nullptr);
    QVERIFY(!popup.isVisible());
}

QTEST_MAIN(tst_TimeRangeEditor)
#include "tst_TimeRangeEditor.moc"
