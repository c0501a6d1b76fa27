#include "DemoPatternTyping.h"

#include <filters/WFilter.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>
#include <QToolButton>

namespace {

// The text area of a pattern editor that has the focus: the expanding
// editor hands the focus to its popup once the text stops fitting.
QTextEdit* typingTarget(WFilter* editor)
{
    auto* focused = qobject_cast<QTextEdit*>(QApplication::focusWidget());
    if (focused && focused->window() != editor->window())
        return focused;
    for (QTextEdit* edit : editor->findChildren<QTextEdit*>()) {
        if (edit->window() != editor->window() && edit->isVisible())
            return edit;
    }
    return editor->findChild<QTextEdit*>();
}

void typeKey(QWidget* target, QChar c)
{
    const bool lineBreak = c == QLatin1Char('\n');
    const int key = lineBreak ? int(Qt::Key_Return) : int(c.toUpper().unicode());
    const QString text = lineBreak ? QStringLiteral("\r") : QString(c);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

bool DemoPatternTyping::typeInto(QWidget* window, const QString& editorName, const QString& text, bool apply)
{
    WFilter* editor = nullptr;
    for (WFilter* candidate : window->findChildren<WFilter*>(editorName)) {
        if (candidate->isVisible())
            editor = candidate;
    }
    if (!editor)
        return false;
    window->activateWindow();
    auto* field = editor->findChild<QTextEdit*>();
    field->setFocus(Qt::TabFocusReason);
    // The typed text replaces what the field holds (the match-all character at least).
    field->selectAll();
    for (const QChar c : text)
        typeKey(typingTarget(editor), c);
    if (apply) {
        // Leaving the field reports its text, on which other completions depend.
        field->clearFocus();
        // The apply button of the structured filter panel that holds the editor.
        for (QWidget* w = editor->parentWidget(); w; w = w->parentWidget()) {
            if (auto* button = w->findChild<QToolButton*>(QStringLiteral("buttonApply"))) {
                button->click();
                break;
            }
        }
    }
    return true;
}
