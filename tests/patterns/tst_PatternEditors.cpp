#include <filtervalues/ValueFilterStringPattern.h>
#include <patterns/ExpandingStringPatternEdit.h>
#include <patterns/SingleLineTextEdit.h>
#include <patterns/StringPatternEditor.h>
#include <patterns/StringPatternHighlighter.h>
#include <patterns/StringPatternTextEdit.h>

#include <QAbstractTextDocumentLayout>
#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QLineEdit>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

const QString kColumn = QStringLiteral("DPE");

WildcardConfig configWith(bool emptyIsMatchAll)
{
    WildcardConfig config;
    config.emptyIsMatchAll = emptyIsMatchAll;
    return config;
}

QSharedPointer<ValueFilter> patternFilter(const QString& column, const QString& text, bool matchCase)
{
    QSharedPointer<ValueFilterStringPattern> filter(
        new ValueFilterStringPattern(WildcardConfig(), column, Constants::ValueSourceAlarm, matchCase));
    filter->setFilterText(text);
    return filter;
}

// The popup field of an expanding editor: a child of its popup, after the inline field.
StringPatternTextEdit* popupFieldOf(ExpandingStringPatternEdit& editor)
{
    return editor.findChildren<StringPatternTextEdit*>().last();
}

} // namespace

class tst_PatternEditors : public QObject
{
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
    void highlighting_data();
    void highlighting();
    void partUnderCursor_data();
    void partUnderCursor();
    void returnAndTab_data();
    void returnAndTab();
    void paste_data();
    void paste();
    void popupOpensWhenTextStopsFitting_data();
    void popupOpensWhenTextStopsFitting();
    void focusInOpensPopup_data();
    void focusInOpensPopup();
    void filterRoundTrip_data();
    void filterRoundTrip();
};

void tst_PatternEditors::matching_data()
{
    QTest::addColumn<QString>("patterns");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("emptyIsMatchAll");
    QTest::addColumn<QString>("texts");     // "|"-separated
    QTest::addColumn<QString>("expected");  // one 1 or 0 per text
    QTest::newRow("any pattern of the list") << "Pump*; Valve*," << false << false << "Pump 1|Valve 2|Motor 3" << "110";
    QTest::newRow("whole text only") << "Pump" << false << false << "Pump|Pump 1|A Pump" << "100";
    QTest::newRow("match-all in the middle") << "P*p*1" << true << false << "Pump1|Pp1|Pump 2|Pupup1" << "1101";
    QTest::newRow("escaped separators") << "a\\;b,c\\,d" << true << false << "a;b|a|b|c,d|a\\;b" << "10010";
    QTest::newRow("match case") << "pump*" << true << false << "pump 1|Pump 1" << "10";
    QTest::newRow("ignore case") << "pump*" << false << false << "PUMP 1|pUmP" << "11";
    QTest::newRow("empty is match-all") << " ; " << false << true << "anything|" << "11";
}

void tst_PatternEditors::matching()
{
    QFETCH(QString, patterns);
    QFETCH(bool, matchCase);
    QFETCH(bool, emptyIsMatchAll);
    QFETCH(QString, texts);
    QFETCH(QString, expected);
    ValueFilterStringPattern filter(configWith(emptyIsMatchAll), kColumn, Constants::ValueSourceAlarm, matchCase);
    filter.setFilterText(patterns);
    QString result;
    for (const QString& text : texts.split(QLatin1Char('|')))
        result += filter.matchesText(text) ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(result, expected);
}

void tst_PatternEditors::highlighting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");  // X: bold red 11 pt
    QTest::newRow("plain, escaped and comma") << "a;b\\;c,d" << ".X....X.";
    QTest::newRow("leading separators") << ";,x" << "XX.";
    QTest::newRow("escaped comma") << "\\,\\\\;" << ".....";
}

void tst_PatternEditors::highlighting()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    QTextDocument document;
    auto* highlighter = new StringPatternHighlighter(&document);
    document.setPlainText(text);
    highlighter->rehighlight();  // instead of the event loop's first turn
    QString result(text.size(), QLatin1Char('.'));
    for (const QTextLayout::FormatRange& range : document.firstBlock().layout()->formats()) {
        const QTextCharFormat& f = range.format;
        if (f.fontPointSize() == 11.0 && f.fontWeight() == 75 && f.foreground().color() == Qt::red)
            result.replace(range.start, range.length, QString(range.length, QLatin1Char('X')));
    }
    QCOMPARE(result, marked);
}

void tst_PatternEditors::partUnderCursor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("completed");
    QTest::newRow("middle pattern") << "alpha;beta;gamma" << 8 << "beta" << "alpha;Pump;;gamma";
    QTest::newRow("right after a separator") << "alpha;beta;gamma" << 6 << "beta" << "alpha;Pump;;gamma";
    QTest::newRow("end of text") << "alpha;beta" << 10 << "beta" << "alpha;Pump;";
    QTest::newRow("empty text") << "" << 0 << "" << "Pump;";
}

void tst_PatternEditors::partUnderCursor()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, part);
    QFETCH(QString, completed);
    SingleLineTextEdit edit(WildcardConfig(), nullptr);
    edit.setCompletionStrings({QStringLiteral("Pump"), QStringLiteral("Valve")});
    edit.setText(text);
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(position);
    edit.setTextCursor(cursor);
    QCOMPARE(edit.getTextUnderCursor(), part);
    QVERIFY(QMetaObject::invokeMethod(&edit, "insertCompletion", Q_ARG(QString, QStringLiteral("Pump"))));
    QCOMPARE(edit.toPlainText(), completed);
    QCOMPARE(edit.textCursor().position(), completed.indexOf(QLatin1String("Pump;")) + 5);
}

void tst_PatternEditors::returnAndTab_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("popupOpen");
    QTest::addColumn<bool>("focusMoves");
    QTest::newRow("Return") << int(Qt::Key_Return) << false << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << false << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << false << true;
    QTest::newRow("Return left to the open completer") << int(Qt::Key_Return) << true << false;
}

void tst_PatternEditors::returnAndTab()
{
    QFETCH(int, key);
    QFETCH(bool, popupOpen);
    QFETCH(bool, focusMoves);
    QWidget window;
    auto* edit = new SingleLineTextEdit(WildcardConfig(), &window);
    auto* next = new QLineEdit(&window);
    next->move(0, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    edit->setText(QStringLiteral("Pump"));
    if (popupOpen) {
        edit->setCompletionStrings({QStringLiteral("Pump1")});
        edit->displayCompleter();
        QVERIFY(edit->findChild<QCompleter*>()->popup()->isVisible());
    }
    QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(edit->toPlainText(), QStringLiteral("Pump"));
    QCOMPARE(next->hasFocus(), focusMoves);
}

void tst_PatternEditors::paste_data()
{
    QTest::addColumn<QString>("text");  // none: only an image is offered
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("result");
    QTest::newRow("two lines") << "Pump1\nValve2\n" << "" << "x;Pump1;Valve2;";
    QTest::newRow("rich text is taken as text") << "Pump1" << "<b>Pump1</b><img src=\"a.png\">" << "x;Pump1";
    QTest::newRow("image only") << QString() << "" << "x;";
}

void tst_PatternEditors::paste()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    QFETCH(QString, result);
    SingleLineTextEdit edit(WildcardConfig(), nullptr);
    edit.setText(QStringLiteral("x;"));
    edit.moveCursor(QTextCursor::End);
    auto* mime = new QMimeData;
    if (!text.isNull())
        mime->setText(text);
    if (!html.isEmpty())
        mime->setHtml(html);
    if (text.isNull())
        mime->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(mime);
    edit.paste();
    QCOMPARE(edit.toPlainText(), result);
}

void tst_PatternEditors::popupOpensWhenTextStopsFitting_data()
{
    QTest::addColumn<QSize>("maximum");  // invalid: none set
    QTest::addColumn<bool>("viaSetFilter");
    QTest::newRow("typed") << QSize() << false;
    QTest::newRow("typed, capped") << QSize(100, 50) << false;
    QTest::newRow("stored filter shown") << QSize() << true;
}

void tst_PatternEditors::popupOpensWhenTextStopsFitting()
{
    QFETCH(QSize, maximum);
    QFETCH(bool, viaSetFilter);
    QWidget window;
    auto* editor = new ExpandingStringPatternEdit(WildcardConfig(), kColumn, Constants::ValueSourceAlarm, &window);
    editor->setGeometry(11, 30, 160, 40);
    if (maximum.isValid())
        editor->setMaximumExpandedSize(maximum);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    StringPatternTextEdit* field = editor->getPatternTextEdit();
    StringPatternTextEdit* popupField = popupFieldOf(*editor);
    QWidget* popup = popupField->parentWidget();
    QAbstractTextDocumentLayout* docLayout = field->document()->documentLayout();
    QString text = QStringLiteral("Pump*");
    QString errMsg;
    int lastFitting = 0;
    for (int lines = 1; lines < 8 && !popup->isVisible(); ++lines) {
        lastFitting = int(docLayout->documentSize().height() + 0.5);
        text += QStringLiteral(";\nValve%1*").arg(lines);
        if (viaSetFilter)
            QVERIFY(editor->setFilter(patternFilter(kColumn, text, false), false, errMsg));
        else
            field->textCursor().insertText(QStringLiteral(";\nValve%1*").arg(lines));
    }
    if (viaSetFilter) {
        QVERIFY(!popup->isVisible());
        return;
    }
    QVERIFY(popup->isVisible());
    const int height = int(docLayout->documentSize().height() + 0.5);
    QVERIFY(lastFitting <= field->height());
    QVERIFY(height > field->height());
    // Over the field; the offscreen platform moves a new window by its 2-pixel frame margin.
    QVERIFY((popup->pos() - field->mapToGlobal(QPoint(0, 0))).manhattanLength() <= 4);
    const QSize cap = maximum.isValid() ? maximum : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QCOMPARE(popup->size(), QSize(field->width(), height).boundedTo(cap));
    QVERIFY(popupField->hasFocus());
    // What is typed in the popup is the editor's text.
    QTest::keyClicks(popupField, QStringLiteral(";Motor"));
    QVERIFY(field->toPlainText().endsWith(QLatin1String(";Motor")));
    const QSharedPointer<ValueFilter> value = editor->getFilter(false);
    const auto* filter = dynamic_cast<const ValueFilterStringPattern*>(value.data());
    QVERIFY(filter);
    QCOMPARE(filter->getPatterns().last(), QStringLiteral("Motor"));
}

void tst_PatternEditors::focusInOpensPopup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("opens");
    const QString longText = QStringLiteral("a;\nb;\nc;\nd;\ne");
    QTest::newRow("long text") << longText << int(Qt::TabFocusReason) << true;
    QTest::newRow("text that fits") << "a;b" << int(Qt::TabFocusReason) << false;
    QTest::newRow("focus back from the closed popup") << longText << int(Qt::PopupFocusReason) << false;
}

void tst_PatternEditors::focusInOpensPopup()
{
    QFETCH(QString, text);
    QFETCH(int, reason);
    QFETCH(bool, opens);
    ExpandingStringPatternEdit editor(WildcardConfig(), kColumn, Constants::ValueSourceAlarm, nullptr);
    editor.setFixedSize(160, 40);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QString errMsg;
    QVERIFY(editor.setFilter(patternFilter(kColumn, text, false), false, errMsg));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::FocusReason(reason));
    QCoreApplication::sendEvent(editor.getPatternTextEdit(), &focusIn);
    QCOMPARE(popupFieldOf(editor)->parentWidget()->isVisible(), opens);
}

void tst_PatternEditors::filterRoundTrip_data()
{
    QTest::addColumn<bool>("expanding");
    QTest::addColumn<bool>("emptyIsMatchAll");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("patterns");  // "|"-joined; "<null>" for no filter
    QTest::newRow("one line, match case") << false << false << "Pump*;Valve\\;X" << true << "Pump*|Valve;X";
    QTest::newRow("expanding, match case") << true << false << "Pump*;Valve\\;X" << true << "Pump*|Valve;X";
    QTest::newRow("one line, ignore case") << false << false << "Pump*" << false << "Pump*";
    QTest::newRow("one line, empty") << false << false << "" << false << "<null>";
    QTest::newRow("expanding, empty") << true << false << "" << false << "<null>";
    QTest::newRow("one line, empty is match-all") << false << true << "" << false << "<null>";
    QTest::newRow("expanding, empty is match-all") << true << true << "" << false << "<null>";
    QTest::newRow("expanding, match-all beside a pattern") << true << true << "*;a" << false << "*|a";
}

void tst_PatternEditors::filterRoundTrip()
{
    QFETCH(bool, expanding);
    QFETCH(bool, emptyIsMatchAll);
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(QString, patterns);
    const WildcardConfig config = configWith(emptyIsMatchAll);
    QScopedPointer<WFilter> editor;
    if (expanding)
        editor.reset(new ExpandingStringPatternEdit(config, kColumn, Constants::ValueSourceAlarm, nullptr));
    else
        editor.reset(new StringPatternEditor(config, kColumn, Constants::ValueSourceAlarm, nullptr));
    editor->setCompletionStrings({QStringLiteral("pump1"), QStringLiteral("Pump2")});
    QString errMsg;
    QVERIFY(editor->setFilter(patternFilter(kColumn, text, matchCase), matchCase, errMsg));
    QVERIFY(errMsg.isEmpty());
    // The completers follow the match case of the shown filter.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QCompleter* completer : editor->findChildren<QCompleter*>())
        QCOMPARE(completer->caseSensitivity(), matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    const QSharedPointer<ValueFilter> filter = editor->getFilter(matchCase);
    const auto* pattern = dynamic_cast<const ValueFilterStringPattern*>(filter.data());
    QCOMPARE(pattern ? pattern->getPatterns().join(QLatin1Char('|')) : QStringLiteral("<null>"), patterns);
    QVERIFY(!pattern || pattern->isMatchCase() == matchCase);
}

QTEST_MAIN(tst_PatternEditors)
#include "tst_PatternEditors.moc"
