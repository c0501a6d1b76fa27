#include <patterns/QuickFilterEditor.h>
#include <patterns/QuickFilterOptions.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

const QColor kModified(255, 255, 192);
const QColor kError(255, 160, 160);

QColor background(const QuickFilterEditor& editor)
{
    return editor.palette().brush(QPalette::Active, editor.backgroundRole()).color();
}

QColor applicationBackground(const QuickFilterEditor& editor)
{
    return QGuiApplication::palette().brush(QPalette::Active, editor.backgroundRole()).color();
}

// The line edit's clear button, which clears the text and triggers its action.
QToolButton* clearButton(QuickFilterEditor& editor)
{
    for (QToolButton* button : editor.findChildren<QToolButton*>()) {
        if (button->defaultAction() && button->defaultAction()->objectName() == "_q_qlineeditclearaction")
            return button;
    }
    return nullptr;
}

} // namespace

class tst_QuickFilterEditor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void coloursAndEmissions();
    void appliedAndCleared();
    void optionsPopup();
    void optionButtons_data();
    void optionButtons();
};

void tst_QuickFilterEditor::coloursAndEmissions()
{
    QWidget host;
    auto* editor = new QuickFilterEditor(&host);
    QSignalSpy emitted(editor, SIGNAL(filterModified(const QuickCellFilter&)));
    QCOMPARE(background(*editor), applicationBackground(*editor));

    // A valid text that is not applied: light yellow; Return emits it.
    QTest::keyClicks(editor, "pump");
    QCOMPARE(background(*editor), kModified);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(emitted.count(), 1);
    QCOMPARE(emitted.last().at(0).value<QuickCellFilter>().getString(), QStringLiteral("pump"));
    editor->setAppliedFilter(emitted.last().at(0).value<QuickCellFilter>());
    QCOMPARE(background(*editor), applicationBackground(*editor));

    // Options only recolour; Return applies them.
    auto* matchCase = editor->getOptions()->findChild<QCheckBox*>("checkBoxMatchCase");
    matchCase->setChecked(true);
    QCOMPARE(background(*editor), kModified);
    matchCase->setChecked(false);
    QCOMPARE(background(*editor), applicationBackground(*editor));
    editor->getOptions()->findChild<QCheckBox*>("checkBoxMatchFullColumn")->setChecked(true);
    QCOMPARE(emitted.count(), 1);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(emitted.count(), 2);
    QVERIFY(emitted.last().at(0).value<QuickCellFilter>().isMatchFullColumn());

    // An invalid regular expression: light red, and Return emits nothing.
    editor->getOptions()->findChild<QRadioButton*>("radioButtonRegExp")->setChecked(true);
    editor->setText("(pump");
    QCOMPARE(background(*editor), kError);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(emitted.count(), 2);

    // The clear button empties the text and finishes editing.
    QToolButton* clear = clearButton(*editor);
    QVERIFY(clear);
    clear->click();
    QCOMPARE(editor->text(), QString());
    QTRY_COMPARE(emitted.count(), 3);
    QCOMPARE(emitted.last().at(0).value<QuickCellFilter>().getString(), QString());
    QCOMPARE(emitted.last().at(0).value<QuickCellFilter>().getMode(), 2);
}

void tst_QuickFilterEditor::appliedAndCleared()
{
    QWidget host;
    auto* editor = new QuickFilterEditor(&host);
    WildcardConfig wildcard;
    wildcard.matchAllChar = QLatin1Char('%');
    wildcard.emptyIsMatchAll = true;
    editor->setWildcardConfig(wildcard);
    QCOMPARE(editor->placeholderText(), QStringLiteral("%"));
    QSignalSpy emitted(editor, SIGNAL(filterModified(const QuickCellFilter&)));

    QuickCellFilter applied;
    applied.setMode(QuickCellFilter::ModeLiteral);
    applied.setString("valve");
    editor->setAppliedFilter(applied);
    QCOMPARE(editor->text(), QStringLiteral("valve"));
    QCOMPARE(editor->cursorPosition(), 5);
    QCOMPARE(background(*editor), applicationBackground(*editor));
    QVERIFY(editor->getEditedFilter() == applied);

    editor->clear();
    QCOMPARE(editor->text(), QString());
    QCOMPARE(editor->getAppliedFilter().getString(), QString());
    QCOMPARE(editor->getAppliedFilter().getMode(), int(QuickCellFilter::ModeLiteral));
    QCOMPARE(background(*editor), applicationBackground(*editor));
    QCOMPARE(emitted.count(), 0);
}

void tst_QuickFilterEditor::optionsPopup()
{
    QWidget host;
    auto* editor = new QuickFilterEditor(&host);
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    editor->setFocus();
    QTest::keyClicks(editor, "Pum");
    QSignalSpy modified(editor, SIGNAL(filterModified(const QuickCellFilter&)));
    QuickFilterOptions* options = editor->getOptions();
    QCOMPARE(options->parentWidget(), &host);
    QAction* setup = nullptr;
    for (QAction* action : editor->actions()) {
        if (action->toolTip() == QStringLiteral("Edit options"))
            setup = action;
    }
    QVERIFY(setup);
    QVERIFY(!setup->icon().isNull());
    setup->trigger();
    QVERIFY(options->isVisible());
    QCOMPARE(options->pos(), editor->mapToGlobal(QPoint(0, editor->height() - 1)));
    // Opening the options took the focus from the field: that applied the
    // half-typed text once. Closing them applies the options to the text.
    QCOMPARE(modified.count(), 0);
    options->findChild<QCheckBox*>("checkBoxMatchCase")->setChecked(true);
    setup->trigger();
    QVERIFY(options->isHidden());
    QCOMPARE(modified.count(), 1);
    const auto applied = modified.last().at(0).value<QuickCellFilter>();
    QCOMPARE(applied.getString(), QStringLiteral("Pum"));
    QVERIFY(applied.isMatchCase());
}

void tst_QuickFilterEditor::optionButtons_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("checked");
    QTest::newRow("wildcard") << 1 << "radioButtonWildCard";
    QTest::newRow("regexp") << 2 << "radioButtonRegExp";
    QTest::newRow("literal") << 0 << "radioButtonString";
    // No button is checked for it: the one checked before stays.
    QTest::newRow("unknown mode checks none") << 7 << "radioButtonString";
}

void tst_QuickFilterEditor::optionButtons()
{
    QFETCH(int, mode);
    QFETCH(QString, checked);
    QuickFilterOptions options(nullptr, nullptr);
    QSignalSpy modes(&options, SIGNAL(modeChanged(int)));
    options.findChild<QRadioButton*>("radioButtonString")->setChecked(true);
    QCOMPARE(modes.count(), 1);
    QuickCellFilter filter;
    filter.setMode(mode);
    filter.setMatchCase(true);
    options.setFilterOptions(filter);
    QCOMPARE(modes.count(), 1);
    QVERIFY(options.findChild<QCheckBox*>("checkBoxMatchCase")->isChecked());
    for (QRadioButton* button : options.findChildren<QRadioButton*>())
        QCOMPARE(button->isChecked(), button->objectName() == checked);
    // A change of button gives one signal, although two buttons toggle.
    auto* other = options.findChild<QRadioButton*>(mode == 2 ? "radioButtonWildCard" : "radioButtonRegExp");
    other->setChecked(true);
    QCOMPARE(modes.count(), 2);
    QCOMPARE(modes.last().at(0).toInt(), mode == 2 ? 1 : 2);
}

// The clear button fades in and out (160 ms); an animation whose line edit
// is gone stops at its next tick and deletes itself later. Let that happen
// before the next test (and the process) ends.
void tst_QuickFilterEditor::cleanup()
{
    QTest::qWait(200);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(tst_QuickFilterEditor)
#include "tst_QuickFilterEditor.moc"
