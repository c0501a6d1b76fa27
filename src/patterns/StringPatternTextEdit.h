#pragma once

#include "qvas_export.h"

#include <filtervalues/ValueFilterStringPattern.h>

#include <QSharedPointer>
#include <QStringList>
#include <QTextEdit>

class QCompleter;
class StringPatternHighlighter;

// A free-running text area for a pattern list that is at the same time the
// pattern filter value it edits; it completes the word under the cursor.
// With emptyIsMatchAll the text is never empty: the match-all character
// comes back when the last character is deleted.
class QVAS_EXPORT StringPatternTextEdit : public QTextEdit, private ValueFilterStringPattern
{
    Q_OBJECT
public:
    StringPatternTextEdit(const WildcardConfig& config, const QString& columnId, Constants::ValueSource source,
                          QWidget* parent);
    ~StringPatternTextEdit() override;

    // Shows filter when it is a pattern filter; errMsg is never written.
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg);
    // A copy of the edited filter; null when it holds no pattern.
    QSharedPointer<ValueFilter> getFilter(bool matchCase);

    QCompleter* getCompleter() const { return m_completer; }
    void setCompleter(QCompleter* completer);
    void setCompletionStrings(const QStringList& completions);
    void setCompleterMatchCase(bool matchCase);
    QString textUnderCursor() const;

signals:
    void gotFocus();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private slots:
    void insertCompletion(const QString& completion);
    void keepDocumentNonEmpty();

private:
    QStringList m_completionStrings;
    QCompleter* m_completer;
    StringPatternHighlighter* m_highlighter;
};
