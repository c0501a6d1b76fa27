#include "LogCapture.h"
#include "TestTextRuleFilter.h"

#include <filtervalues/ValueFilterText.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kColumn = QStringLiteral("ALERT_TEXT");

// A filter kind the text rule list does not edit.
class OtherKindFilter : public ValueFilter
{
public:
    using ValueFilter::ValueFilter;
    bool isEmpty() const override { return false; }
    QString toString() const override { return QStringLiteral("other"); }
    bool isEqual(const ValueFilter& other) const override { return &other == this; }
    bool matches(const AlarmInstance&, const AlarmProp&) const override { return false; }
};

QTableWidget* tableOf(QWidget& w)
{
    return w.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
}

QPushButton* buttonOf(QWidget& w, const char* name)
{
    return w.findChild<QPushButton*>(QLatin1String(name));
}

// "pattern|method|exclude;..." into a text filter.
QSharedPointer<ValueFilterText> textFilter(const WildcardConfig& config, const QString& rules)
{
    QSharedPointer<ValueFilterText> filter(new ValueFilterText(config, kColumn, Constants::ValueSourceAlarm, false));
    for (const QString& rule : rules.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = rule.split(QLatin1Char('|'));
        filter->addItem(parts.at(0), parts.at(1).toInt(), parts.at(2) == QLatin1String("1"));
    }
    return filter;
}

QString itemsOf(const QSharedPointer<ValueFilter>& filter)
{
    auto* text = dynamic_cast<ValueFilterText*>(filter.data());
    if (!text)
        return QStringLiteral("<none>");
    QStringList rules;
    for (const ValueFilterTextItem& item : text->getItems())
        rules << QStringLiteral("%1|%2|%3").arg(item.getPattern()).arg(item.getMethod()).arg(int(item.isExclude()));
    return rules.join(QLatin1Char(';'));
}

// What the rows show: "pattern label exclude" per row.
QString rowsShown(QWidget& w)
{
    QTableWidget* table = tableOf(w);
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        auto* method = qobject_cast<QToolButton*>(table->cellWidget(row, 1));
        auto* exclude = qobject_cast<QPushButton*>(table->cellWidget(row, 2));
        rows << QStringLiteral("%1 %2 %3")
                    .arg(table->item(row, 0)->text(), method->text(),
                         exclude->isChecked() ? QStringLiteral("x") : QStringLiteral("-"));
    }
    return rows.join(QStringLiteral(", "));
}

void addRows(TestTextRuleFilter& w, const QStringList& patterns)
{
    QTableWidget* table = tableOf(w);
    for (const QString& pattern : patterns) {
        buttonOf(w, "btnAdd")->click();
        table->item(table->rowCount() - 1, 0)->setText(pattern);
    }
}

QAction* methodAction(TestTextRuleFilter& w, int row, int method)
{
    auto* button = qobject_cast<QToolButton*>(tableOf(w)->cellWidget(row, 1));
    return button->menu()->actions().at(method);
}

} // namespace

class tst_WEditFilterRuleText : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void methodChosenInMenu();
    void refusesFiltersNotForIt_data();
    void refusesFiltersNotForIt();
    void deletesSeparateRanges_data();
    void deletesSeparateRanges();
    void brokenRowGivesNoFilter_data();
    void brokenRowGivesNoFilter();
    void filterChangedAndDeleteButton();
    void methodSlotWithoutAction();
    void rowButtonShownAgainIsPainted();
};

void tst_WEditFilterRuleText::roundTrip_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("leftOver");
    QTest::addColumn<bool>("focused");
    const QStringList one{QStringLiteral("left over")};
    QTest::newRow("exact and regular expression")
        << "Valve 12|0|0;^Pump.*$|2|1" << "Valve 12 Ex -, ^Pump.*$ RE x" << one << false;
    QTest::newRow("wildcard excluded") << "*test*|1|1" << "*test* W* x" << one << false;
    QTest::newRow("same pattern twice keeps both")
        << "a|0|0;a|0|0;a|1|1" << "a Ex -, a Ex -, a W* x" << one << false;
    QTest::newRow("empty filter clears the table") << "" << "" << one << false;
    // Past 256 rows the posted events are delivered during the fill.
    QStringList many, manyShown;
    for (int i = 0; i < 300; ++i) {
        many << QStringLiteral("r%1|0|0").arg(i);
        manyShown << QStringLiteral("r%1 Ex -").arg(i);
    }
    QTest::newRow("300 rules") << many.join(';') << manyShown.join(", ") << one << false;
    // A focused table without a cell to move to would pass the focus on.
    QTest::newRow("into a focused empty table") << "b|0|0" << "b Ex -" << QStringList() << true;
}

void tst_WEditFilterRuleText::roundTrip()
{
    QFETCH(QString, rules);
    QFETCH(QString, shown);
    QFETCH(QStringList, leftOver);
    QFETCH(bool, focused);
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    addRows(w, leftOver);
    // Filled while shown and focused, the list is shown and focused again.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* table = w.findChild<QTableWidget*>();
    (focused ? static_cast<QWidget*>(table) : buttonOf(w, "btnAdd"))->setFocus();
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    QSignalSpy focusMoves(qApp, SIGNAL(focusChanged(QWidget*, QWidget*)));

    QString errMsg;
    QVERIFY(w.setFilter(textFilter(config, rules), false, errMsg));
    QVERIFY(errMsg.isEmpty());
    QCOMPARE(rowsShown(w), shown);
    QVERIFY(table->isVisible());
    QCOMPARE(table->hasFocus(), focused);
    // The focus never went on to the next widget while the table was filled.
    for (const QList<QVariant>& move : qAsConst(focusMoves))
        QVERIFY(move.at(1).value<QWidget*>() != buttonOf(w, "btnAdd"));
    // Each row: added, then its pattern set.
    QCOMPARE(changed.count(), 2 * table->rowCount());

    const QSharedPointer<ValueFilter> back = w.getFilter(true);
    if (rules.isEmpty()) {
        QVERIFY(back.isNull());
        return;
    }
    QCOMPARE(itemsOf(back), rules);
    QCOMPARE(back->getValueId(), kColumn);
    QCOMPARE(back->getSource(), Constants::ValueSourceAlarm);
    QVERIFY(back->isMatchCase());
}

void tst_WEditFilterRuleText::methodChosenInMenu()
{
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    QString errMsg;
    QVERIFY(w.setFilter(textFilter(config, "a|2|0"), false, errMsg));
    auto* button = qobject_cast<QToolButton*>(tableOf(w)->cellWidget(0, 1));
    // Shown from a filter exactly as if chosen: tool tip and checked entry.
    QCOMPARE(button->toolTip(), QStringLiteral("Regular Expression"));
    QVERIFY(methodAction(w, 0, 2)->isChecked());
    QVERIFY(!methodAction(w, 0, 1)->isChecked());

    methodAction(w, 0, 0)->trigger();
    QCOMPARE(button->text(), QStringLiteral("Ex"));
    QCOMPARE(button->toolTip(), QStringLiteral("Exact Match"));
    QCOMPARE(button->property("selectedIndex").toInt(), 0);
    QCOMPARE(itemsOf(w.getFilter(false)), QStringLiteral("a|0|0"));
}

void tst_WEditFilterRuleText::refusesFiltersNotForIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("errMsg");
    QTest::newRow("other kind") << "other" << "";
    QTest::newRow("null") << "null" << "";
    QTest::newRow("other column") << "column"
                                  << "attempt to set filter for value 'PRIORITY' to widget for column 'ALERT_TEXT'";
    QTest::newRow("other source") << "source"
                                  << "attempt to set filter for value 'ALERT_TEXT' source 2 to widget for source '0'";
}

void tst_WEditFilterRuleText::refusesFiltersNotForIt()
{
    QFETCH(QString, kind);
    QFETCH(QString, errMsg);
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    addRows(w, {QStringLiteral("kept")});

    QSharedPointer<ValueFilter> filter;
    if (kind == QLatin1String("other"))
        filter.reset(new OtherKindFilter(config, kColumn, Constants::ValueSourceAlarm, false));
    else if (kind == QLatin1String("column"))
        filter.reset(new ValueFilterText(config, QStringLiteral("PRIORITY"), Constants::ValueSourceAlarm, false));
    else if (kind == QLatin1String("source"))
        filter.reset(new ValueFilterText(config, kColumn, Constants::ValueSourceDpeConfig, false));

    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    QString message;
    QVERIFY(!w.setFilter(filter, false, message));
    QCOMPARE(message, errMsg);
    QCOMPARE(rowsShown(w), QStringLiteral("kept W* -"));
    QCOMPARE(changed.count(), 0);
}

void tst_WEditFilterRuleText::deletesSeparateRanges_data()
{
    QTest::addColumn<QString>("selection");  // "top-bottom" ranges
    QTest::addColumn<QString>("remaining");
    QTest::newRow("one row") << "2-2" << "r0 r1 r3 r4 r5 r6";
    QTest::newRow("three separate ranges") << "0-1,3-3,5-6" << "r2 r4";
    QTest::newRow("ranges selected bottom first") << "5-6,0-1" << "r2 r3 r4";
    QTest::newRow("everything") << "0-6" << "";
}

void tst_WEditFilterRuleText::deletesSeparateRanges()
{
    QFETCH(QString, selection);
    QFETCH(QString, remaining);
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    addRows(w, {"r0", "r1", "r2", "r3", "r4", "r5", "r6"});
    QTableWidget* table = tableOf(w);
    for (const QString& range : selection.split(QLatin1Char(','))) {
        const QStringList rows = range.split(QLatin1Char('-'));
        table->setRangeSelected(QTableWidgetSelectionRange(rows.at(0).toInt(), 0, rows.at(1).toInt(), 2), true);
    }
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    buttonOf(w, "btnDel")->click();
    QCOMPARE(changed.count(), 1);

    QStringList patterns;
    for (int row = 0; row < table->rowCount(); ++row)
        patterns << table->item(row, 0)->text();
    QCOMPARE(patterns.join(QLatin1Char(' ')), remaining);
}

void tst_WEditFilterRuleText::brokenRowGivesNoFilter_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("logged");
    QTest::newRow("empty pattern") << 0 << "1|Cannot create filter, text field empty in row 1";
    QTest::newRow("method cell") << 1 << "3|Expected cellWidget to be a QToolButton in row 1";
    QTest::newRow("exclude cell") << 2 << "3|Expected cellWidget to be a QPushButton in row 1";
}

void tst_WEditFilterRuleText::brokenRowGivesNoFilter()
{
    QFETCH(int, column);
    QFETCH(QString, logged);
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    LogCapture log(&w);
    QVERIFY(w.getFilter(false).isNull());  // no rows: no filter, and no complaint
    QCOMPARE(log.count(), 0);

    addRows(w, {"a", "b", "c"});
    if (column == 0)
        tableOf(w)->item(1, 0)->setText(QString());
    else
        tableOf(w)->setCellWidget(1, column, new QLabel(QStringLiteral("?")));
    QVERIFY(w.getFilter(false).isNull());
    QCOMPARE(log.entries(), QStringList{logged});
    if (column == 0) {
        // Typed in afterwards, the row counts, with the method a new row starts with.
        tableOf(w)->item(1, 0)->setText(QStringLiteral("b"));
        QCOMPARE(itemsOf(w.getFilter(false)), QStringLiteral("a|1|0;b|1|0;c|1|0"));
    }
}

// Adding, editing and deleting rows change the filter, choosing a method
// does not; deleting is offered only while rows are selected.
void tst_WEditFilterRuleText::filterChangedAndDeleteButton()
{
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    QSignalSpy changed(&w, SIGNAL(filterChanged()));
    QPushButton* del = buttonOf(w, "btnDel");
    QVERIFY(!del->isEnabled());

    buttonOf(w, "btnAdd")->click();
    QCOMPARE(changed.count(), 1);  // adding a row
    QVERIFY(!del->isEnabled());
    tableOf(w)->item(0, 0)->setText(QStringLiteral("pump*"));
    QCOMPARE(changed.count(), 2);  // editing its pattern
    methodAction(w, 0, 2)->trigger();
    QCOMPARE(changed.count(), 2);  // choosing a method does not
    tableOf(w)->selectRow(0);
    QVERIFY(del->isEnabled());
    tableOf(w)->clearSelection();
    QVERIFY(!del->isEnabled());
    tableOf(w)->selectRow(0);
    del->click();
    QCOMPARE(changed.count(), 3);  // deleting
}

void tst_WEditFilterRuleText::methodSlotWithoutAction()
{
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    LogCapture log(&w, 1);
    QVERIFY(QMetaObject::invokeMethod(&w, "ruleMatchMethodChanged", Q_ARG(bool, true)));
    QCOMPARE(log.entries(),
             QStringList{"3|ruleMatchMethodChanged: ruleMatchMethodChanged slot sender is not a QAction."});
}

// The rows' buttons are painted through the table: a button shown again is
// painted, though it does not ask for it itself.
void tst_WEditFilterRuleText::rowButtonShownAgainIsPainted()
{
    WildcardConfig config;
    TestTextRuleFilter w(config, kColumn, Constants::ValueSourceAlarm);
    addRows(w, {QStringLiteral("a")});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* button = tableOf(w)->cellWidget(0, 2);
    QTRY_VERIFY(button->isVisible());
    QCoreApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    button->hide();
    QCoreApplication::processEvents();
    button->installEventFilter(&counter);
    button->show();
    QTRY_VERIFY(counter.paints > 0);
}

QTEST_MAIN(tst_WEditFilterRuleText)
#include "tst_WEditFilterRuleText.moc"
