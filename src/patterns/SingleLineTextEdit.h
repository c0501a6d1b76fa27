#pragma once

#include "qvas_export.h"

#include <filtervalues/WildcardConfig.h>
#include <logging/MsgLoggingProducer.h>

#include <QTextCursor>
#include <QTextEdit>

class QCompleter;
class QMimeData;

// A text area that behaves as a one-line field of patterns separated by ";":
// no line breaks (Return moves the focus on, pasted lines become patterns),
// separators highlighted, and a completer for the pattern under the cursor.
class QVAS_EXPORT SingleLineTextEdit : public QTextEdit, public MsgLoggingProducer
{
    Q_OBJECT
public:
    SingleLineTextEdit(const WildcardConfig& config, QWidget* parent);
    ~SingleLineTextEdit() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Replaces the whole text without opening the completer.
    void setText(const QString& text);
    void hidePopup();
    // The pattern around the cursor, without its separators, as a selection.
    QTextCursor getPartSelection() const;
    QString getTextUnderCursor() const;
    void setCompletionStrings(const QStringList& completions);
    void setMatchCase(bool matchCase);
    bool isMatchCase() const { return m_matchCase; }
    bool isKeyFromCompleter(QKeyEvent* e) const;
    // The keys that an open completer popup handles itself.
    static bool isCompleterKey(int key);
    void displayCompleter();

signals:
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    QSize viewportSizeHint() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private slots:
    void insertCompletion(const QString& completion);
    void cursorMoved();

private:
    // The completer's popup as wide as its longest entry, at the cursor.
    QRect completerRect() const;

    QString m_separator;
    QCompleter* m_completer;
    bool m_matchCase;
    bool m_settingText;
};
