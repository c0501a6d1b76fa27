#include "LogCapture.h"

#include <filters/FlowLayout.h>
#include <filters/WEditFilterRuleDate.h>
#include <filters/WEditFilterRuleNumbers.h>
#include <filters/WEditFilterRuleSingleValue.h>
#include <filters/WFixedFilterToggleButton.h>
#include <filters/WFixedMultiFilterToggle.h>
#include <filters/WSpinboxFilterRuleNumbers.h>
#include <filtervalues/ValueFilterDate.h>
#include <filtervalues/ValueFilterSingleValue.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace {

const Constants::ValueSource kAlarm = Constants::ValueSourceAlarm;

QString numbersText(const QSharedPointer<ValueFilter>& filter)
{
    auto* numbers = dynamic_cast<ValueFilterNumbers*>(filter.data());
    return numbers ? numbers->getFilterText() : QStringLiteral("<null>");
}

} // namespace

class tst_FilterWidgetKinds : public QObject
{
    Q_OBJECT
private slots:
    void numbersToolTip_data();
    void numbersToolTip();
    void spinOperator_data();
    void spinOperator();
    void spinSetFilter_data();
    void spinSetFilter();
    void dateEditorsPerMethod_data();
    void dateEditorsPerMethod();
    void dateKeepsSecondDateOfMethod2();
    void singleValueShowsFilter_data();
    void singleValueShowsFilter();
    void singleValueRefillKeepsChoice();
    void toggleButtonSignals();
    void multiToggle();
    void flowLayoutWraps_data();
    void flowLayoutWraps();

private:
    WildcardConfig m_config;
};

void tst_FilterWidgetKinds::numbersToolTip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::newRow("accepted only") << "5 >3" << "Filtering rules:\n  equal to 5\n  greater than 3";
    QTest::newRow("failed only") << "--5 ." << "Warning! Failed to parse:\n  --5\n  .";
    QTest::newRow("both") << "1-5 !!" << "Filtering rules:\n  from 1 to 5\n\nWarning! Failed to parse:\n  !!";
}

void tst_FilterWidgetKinds::numbersToolTip()
{
    QFETCH(QString, text);
    QFETCH(QString, tip);
    WEditFilterRuleNumbers typed(m_config, QStringLiteral("PRIORITY"), kAlarm, nullptr);
    auto* input = typed.findChild<QLineEdit*>(QStringLiteral("txtInput"));
    QCOMPARE(input->toolTip(), QStringLiteral("No rules set"));
    QVERIFY(!typed.getFilter(false));
    typed.show();
    QTest::keyClicks(input, text);
    QCOMPARE(input->toolTip(), tip);
    QCOMPARE(QToolTip::text(), tip);  // popped up while typing
    const QSharedPointer<ValueFilter> filter = typed.getFilter(false);
    QCOMPARE(numbersText(filter), tip.startsWith(QLatin1String("Warning")) ? QStringLiteral("<null>") : text);

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    WEditFilterRuleNumbers shown(m_config, QStringLiteral("PRIORITY"), kAlarm, nullptr);
    ValueFilterNumbers stored(m_config, QStringLiteral("PRIORITY"), kAlarm, false);
    stored.setFilterText(text);
    QString errMsg;
    QVERIFY(shown.setFilter(QSharedPointer<ValueFilter>(new ValueFilterNumbers(stored)), false, errMsg));
    QCOMPARE(shown.findChild<QLineEdit*>()->toolTip(), tip);
    QVERIFY(!QToolTip::isVisible());
}

void tst_FilterWidgetKinds::spinOperator_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("text");
    QTest::newRow(">=") << ">=" << ">9";
    QTest::newRow("<=") << "<=" << "<11";
    QTest::newRow("=") << "=" << "=10";
    QTest::newRow("<") << "<" << "<10";
    QTest::newRow("!= is no operator") << "!=" << "<null>";
}

void tst_FilterWidgetKinds::spinOperator()
{
    QFETCH(QString, text);
    QFETCH(QString, op);
    WSpinboxFilterRuleNumbers w(m_config, QStringLiteral("PRIORITY"), kAlarm, nullptr, op, 0, 100, 10);
    QVERIFY(!w.getFilter(false));  // the initial value sets no filter
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    auto* spin = w.findChild<QSpinBox*>(QStringLiteral("spinBox"));
    spin->setValue(11);
    spin->setValue(10);
    QCOMPARE(numbersText(w.getFilter(false)), text);
    QCOMPARE(changed.count(), op == QLatin1String("!=") ? 0 : 2);
}

void tst_FilterWidgetKinds::spinSetFilter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow(">") << ">9" << 10;
    QTest::newRow("<") << "<11" << 10;
    QTest::newRow("= and minus skipped") << "=-42" << 42;
}

void tst_FilterWidgetKinds::spinSetFilter()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    WSpinboxFilterRuleNumbers w(m_config, QStringLiteral("PRIORITY"), kAlarm, nullptr, QStringLiteral(">="), -100, 100, 0);
    ValueFilterNumbers stored(m_config, QStringLiteral("PRIORITY"), kAlarm, false);
    stored.setFilterText(text);
    QString errMsg;
    QVERIFY(w.setFilter(QSharedPointer<ValueFilter>(new ValueFilterNumbers(stored)), false, errMsg));
    QCOMPARE(w.findChild<QSpinBox*>()->value(), value);
    QCOMPARE(numbersText(w.getFilter(false)), text);
}

void tst_FilterWidgetKinds::dateEditorsPerMethod_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::newRow("between") << 3 << true << true;
    QTest::newRow("before") << 1 << true << false;
    QTest::newRow("back to select") << 0 << false << false;
}

void tst_FilterWidgetKinds::dateEditorsPerMethod()
{
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(int, method);
    WEditFilterRuleDate w(m_config, QStringLiteral("TIME"), kAlarm, QStringLiteral("yyyy-MM-dd HH:mm"), nullptr);
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    auto* combo = w.findChild<QComboBox*>(QStringLiteral("cbCompMethod"));
    combo->setCurrentIndex(3);
    combo->setCurrentIndex(method);
    QCOMPARE(w.findChild<QDateTimeEdit*>(QStringLiteral("dtFirst"))->isEnabled(), first);
    QCOMPARE(w.findChild<QDateTimeEdit*>(QStringLiteral("dtSecond"))->isEnabled(), second);
    QCOMPARE(bool(w.getFilter(false)), method != 0);
    QCOMPARE(changed.count(), method == 3 ? 1 : 2);
}

void tst_FilterWidgetKinds::dateKeepsSecondDateOfMethod2()
{
    WEditFilterRuleDate w(m_config, QStringLiteral("TIME"), kAlarm, QStringLiteral("yyyy-MM-dd HH:mm"), nullptr);
    QSharedPointer<ValueFilterDate> stored(new ValueFilterDate(m_config, QStringLiteral("TIME"), kAlarm, false));
    stored->setComparisonMethod(ValueFilterDate::CompareAfter);
    stored->setFirstDate(QDateTime(QDate(2026, 3, 1), QTime(8, 30)));
    stored->setSecondDate(QDateTime(QDate(2026, 4, 2), QTime(9, 15)));
    QString errMsg;
    QVERIFY(w.setFilter(stored, false, errMsg));
    auto* second = w.findChild<QDateTimeEdit*>(QStringLiteral("dtSecond"));
    QVERIFY(!second->isEnabled());
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    const QSharedPointer<ValueFilter> filter = w.getFilter(false);
    auto* back = dynamic_cast<ValueFilterDate*>(filter.data());
    QVERIFY(back);
    QCOMPARE(back->getComparisonMethod(), 2);
    QCOMPARE(back->getFirstDate(), stored->getFirstDate());
    QCOMPARE(back->getSecondDate(), stored->getSecondDate());
    second->setDateTime(second->dateTime().addDays(1));  // disabled, still reported
    QCOMPARE(changed.count(), 1);
}

void tst_FilterWidgetKinds::singleValueShowsFilter_data()
{
    QTest::addColumn<bool>("emptyIsMatchAll");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("firstEntry");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("in the list") << false << "Plant2" << "" << 2 << QStringList();
    QTest::newRow("match all") << true << "Plant1" << "*" << 1 << QStringList();
    QTest::newRow("not in the list")
        << true << "Lab" << "*" << 0
        << QStringList{QStringLiteral("2|WEditFilterRuleSingleValue for 'SYSTEM': filter value not found value "
                                      "SYSTEM@0: 'Lab'")};
}

void tst_FilterWidgetKinds::singleValueShowsFilter()
{
    QFETCH(QString, firstEntry);
    QFETCH(QStringList, log);
    QFETCH(QString, value);
    QFETCH(int, index);
    QFETCH(bool, emptyIsMatchAll);
    WildcardConfig config;
    config.emptyIsMatchAll = emptyIsMatchAll;
    WEditFilterRuleSingleValue w(config, QStringLiteral("SYSTEM"), kAlarm, nullptr);
    LogCapture capture(&w);
    w.setCompletionStrings({QStringLiteral("Plant1"), QStringLiteral("Plant2")});
    auto* list = w.findChild<QComboBox*>(QStringLiteral("choiceList"));
    QCOMPARE(list->itemText(0), firstEntry);
    QSharedPointer<ValueFilterSingleValue> stored(new ValueFilterSingleValue(config, QStringLiteral("SYSTEM"), kAlarm, false));
    stored->setFilterValue(value);
    QString errMsg;
    QVERIFY(w.setFilter(stored, false, errMsg));
    QVERIFY(errMsg.isEmpty());
    QCOMPARE(list->currentIndex(), index);
    QCOMPARE(capture.entries(), log);
    const QSharedPointer<ValueFilter> back = w.getFilter(true);
    QCOMPARE(back ? dynamic_cast<ValueFilterSingleValue*>(back.data())->getFilterValue().toString() : QString(),
             index > 0 ? value : QString());
}

void tst_FilterWidgetKinds::singleValueRefillKeepsChoice()
{
    WEditFilterRuleSingleValue plain(m_config, QStringLiteral("SYSTEM"), kAlarm, {QStringLiteral("A")}, nullptr);
    plain.findChild<QComboBox*>()->setCurrentIndex(1);
    QVERIFY(!plain.getFilter(false));  // plain strings carry no value

    WEditFilterRuleSingleValue w(m_config, QStringLiteral("SYSTEM"), kAlarm, nullptr);
    QSignalSpy texts(&w, SIGNAL(filterTextChanged(QString, QString)));
    auto* list = w.findChild<QComboBox*>();
    w.setCompletionStrings({QStringLiteral("Plant1"), QStringLiteral("Plant2")});
    list->setCurrentIndex(2);
    QCOMPARE(texts.last().at(1).toString(), QStringLiteral("Plant2"));
    w.setCompletionStrings({QStringLiteral("Plant2"), QStringLiteral("Plant3")});
    QCOMPARE(list->currentText(), QStringLiteral("Plant2"));
    w.setCompletionStrings({QStringLiteral("Plant3")});
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(texts.last().at(1).toString(), QString());
}

void tst_FilterWidgetKinds::toggleButtonSignals()
{
    QSharedPointer<ValueFilterFixed> fixed(
        new ValueFilterFixed(m_config, QStringLiteral("ACK_STATE"), kAlarm, false, QStringLiteral("unacknowledged")));
    WFixedFilterToggleButton w(m_config, fixed, nullptr);
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    auto* button = w.findChild<QToolButton*>(QStringLiteral("button"));
    QMetaObject::invokeMethod(&w, "buttonClicked");  // state already matches
    QCOMPARE(changed.count(), 0);
    button->click();
    QCOMPARE(changed.count(), 1);
    QVERIFY(fixed->isInclude());

    QString errMsg;
    QSharedPointer<ValueFilterFixed> other(
        new ValueFilterFixed(m_config, QStringLiteral("ACK_STATE"), kAlarm, false, QStringLiteral("acknowledged")));
    QVERIFY(!w.setFilter(other, false, errMsg));
    QVERIFY(errMsg.isEmpty());
    QSharedPointer<ValueFilterFixed> off(
        new ValueFilterFixed(m_config, QStringLiteral("ACK_STATE"), kAlarm, false, QStringLiteral("unacknowledged")));
    QVERIFY(w.setFilter(off, true, errMsg));
    QVERIFY(!button->isChecked());
    QCOMPARE(changed.count(), 1);
    QVERIFY(w.getFilter(false));  // off is still a filter
}

void tst_FilterWidgetKinds::multiToggle()
{
    QSharedPointer<ValueFilterFixedMulti> group(new ValueFilterFixedMulti(m_config, QStringLiteral("DIRECTION"), kAlarm, false));
    group->addFixedFilter(QStringLiteral("came"), false);
    group->addFixedFilter(QStringLiteral("went"), false);
    WFixedMultiFilterToggle w(m_config, group, nullptr);
    LogCapture log(&w);
    QToolButton came;
    QToolButton stray;
    came.setCheckable(true);
    stray.setCheckable(true);
    QVERIFY(w.addButton(&came, QStringLiteral("came")));
    QVERIFY(!w.addButton(&stray, QStringLiteral("gone")));
    QCOMPARE(log.entries(), QStringList{QStringLiteral("3|WFixedMultiFilterToggle::addButton(): unknown filter kind gone")});

    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    QSharedPointer<ValueFilterFixedMulti> shown(new ValueFilterFixedMulti(*group));
    shown->getFixedFilters().at(0)->setInclude(true);
    shown->getFixedFilters().at(1)->setInclude(true);
    QString errMsg;
    QVERIFY(w.setFilter(shown, false, errMsg));
    QVERIFY(came.isChecked());
    QVERIFY(!stray.isChecked());
    QCOMPARE(changed.count(), 0);
    const QSharedPointer<ValueFilter> before = w.getFilter(false);
    came.click();
    QCOMPARE(changed.count(), 1);
    QVERIFY(!group->getFixedFilters().at(0)->isInclude());
    QVERIFY(before->isEqual(*shown));  // a handed-out filter does not follow the buttons
}

void tst_FilterWidgetKinds::flowLayoutWraps_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("height");
    QTest::newRow("one line") << 300 << "0,0,0,0" << 24;
    QTest::newRow("two a line") << 110 << "0,0,25,25" << 49;
    QTest::newRow("two fit exactly, still wrap") << 109 << "0,25,50,75" << 99;
    QTest::newRow("narrower than an item") << 10 << "0,25,50,75" << 99;
}

void tst_FilterWidgetKinds::flowLayoutWraps()
{
    QFETCH(QString, rows);
    QFETCH(int, height);
    QFETCH(int, width);
    QWidget host;
    auto* layout = new FlowLayout(&host, 2, 5, 5);
    QCOMPARE(layout->minimumSize(), QSize(3, 3));  // no items: -1 plus the margins
    for (int i = 0; i < 4; ++i) {
        auto* item = new QWidget;
        item->setFixedSize(50, 20);
        layout->addWidget(item);
    }
    layout->setGeometry(QRect(0, 0, width, 500));
    QStringList tops;
    for (int i = 0; i < 4; ++i)
        tops << QString::number(layout->itemAt(i)->geometry().y() - 2);
    QCOMPARE(tops.join(QLatin1Char(',')), rows);
    QCOMPARE(layout->heightForWidth(width), height);
}

QTEST_MAIN(tst_FilterWidgetKinds)
#include "tst_FilterWidgetKinds.moc"
