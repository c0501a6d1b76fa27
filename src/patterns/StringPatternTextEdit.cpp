#include "patterns/StringPatternTextEdit.h"

#include "patterns/SingleLineTextEdit.h"
#include "patterns/StringPatternHighlighter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>

namespace {
// Typing one of these ends a word and hides the completer.
const QString kEndOfWord = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?,./;'[]\\-=");
} // namespace

StringPatternTextEdit::StringPatternTextEdit(const WildcardConfig& config, const QString& columnId,
                                             Constants::ValueSource source, QWidget* parent)
    : QTextEdit(parent)
    , ValueFilterStringPattern(config, columnId, source, false)
    , m_completer(nullptr)
    , m_highlighter(new StringPatternHighlighter(document()))
{
    if (config.emptyIsMatchAll) {
        document()->setPlainText(QString(config.matchAllChar));
        connect(document(), SIGNAL(contentsChanged()), this, SLOT(keepDocumentNonEmpty()));
    }
}

StringPatternTextEdit::~StringPatternTextEdit() = default;

void StringPatternTextEdit::keepDocumentNonEmpty()
{
    if (getWildcardConfig().emptyIsMatchAll && document()->isEmpty())
        document()->setPlainText(QString(getWildcardConfig().matchAllChar));
}

bool StringPatternTextEdit::setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase,
                                      QString& /*errMsg*/)
{
    const auto* pattern = dynamic_cast<const ValueFilterStringPattern*>(filter.data());
    if (!pattern)
        return false;
    const QString text = pattern->getFilterText();
    document()->setPlainText(text);
    setMatchCase(matchCase);
    setFilterText(text);
    return true;
}

QSharedPointer<ValueFilter> StringPatternTextEdit::getFilter(bool matchCase)
{
    setMatchCase(matchCase);
    setFilterText(document()->toPlainText());
    if (isEmpty())
        return QSharedPointer<ValueFilter>();
    return QSharedPointer<ValueFilter>(new ValueFilterStringPattern(*this));
}

void StringPatternTextEdit::setCompleter(QCompleter* completer)
{
    if (m_completer) {
        m_completer->disconnect(this);
        m_completer->deleteLater();
    }
    m_completer = completer;
    if (!m_completer)
        return;
    m_completer->setWidget(this);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setCaseSensitivity(isMatchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive);
    connect(m_completer, SIGNAL(activated(QString)), this, SLOT(insertCompletion(QString)));
}

void StringPatternTextEdit::setCompletionStrings(const QStringList& completions)
{
    m_completionStrings = completions;
    const Qt::CaseSensitivity sensitivity = isMatchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    m_completionStrings.sort(sensitivity);
    auto* completer = new QCompleter(this);
    completer->setModel(new QStringListModel(m_completionStrings, completer));
    completer->setModelSorting(isMatchCase() ? QCompleter::CaseSensitivelySortedModel
                                             : QCompleter::CaseInsensitivelySortedModel);
    completer->setCaseSensitivity(sensitivity);
    completer->setWrapAround(false);
    setCompleter(completer);
}

void StringPatternTextEdit::setCompleterMatchCase(bool matchCase)
{
    setMatchCase(matchCase);
    if (m_completer)
        setCompletionStrings(m_completionStrings);
}

QString StringPatternTextEdit::textUnderCursor() const
{
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::WordUnderCursor);
    return cursor.selectedText();
}

void StringPatternTextEdit::keyPressEvent(QKeyEvent* e)
{
    if (m_completer && m_completer->popup()->isVisible() && SingleLineTextEdit::isCompleterKey(e->key())) {
        e->ignore();
        return;
    }
    const bool isShortcut = (e->modifiers() & Qt::ControlModifier) && e->key() == Qt::Key_E;
    if (!isShortcut || !m_completer)
        QTextEdit::keyPressEvent(e);
    if (!m_completer)
        return;
    const bool ctrlOrShift = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (ctrlOrShift && e->text().isEmpty())
        return;
    const bool otherModifier = e->modifiers() != Qt::NoModifier && !ctrlOrShift;
    const QString prefix = textUnderCursor();
    if (!isShortcut
        && (otherModifier || e->text().isEmpty() || prefix.length() < 1 || kEndOfWord.contains(e->text().right(1)))) {
        m_completer->popup()->hide();
        return;
    }
    if (prefix != m_completer->completionPrefix()) {
        m_completer->setCompletionPrefix(prefix);
        m_completer->popup()->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    }
    QRect rect = cursorRect();
    rect.setWidth(m_completer->popup()->sizeHintForColumn(0)
                  + m_completer->popup()->verticalScrollBar()->sizeHint().width());
    m_completer->complete(rect);
}

void StringPatternTextEdit::insertCompletion(const QString& completion)
{
    if (m_completer->widget() != this)
        return;
    QTextCursor cursor = textCursor();
    const int extra = completion.length() - m_completer->completionPrefix().length();
    cursor.movePosition(QTextCursor::Left);
    cursor.movePosition(QTextCursor::EndOfWord);
    cursor.insertText(completion.right(qMax(0, extra)));
    setTextCursor(cursor);
}

void StringPatternTextEdit::focusInEvent(QFocusEvent* e)
{
    if (m_completer)
        m_completer->setWidget(this);
    QTextEdit::focusInEvent(e);
    // Focus coming back when a popup closes is no new entry into the field:
    // the expanding editor would open its popup again at once, and the
    // operator could never close it while the text is long.
    if (e->reason() != Qt::PopupFocusReason)
        emit gotFocus();
}

void StringPatternTextEdit::focusOutEvent(QFocusEvent* e)
{
    QTextEdit::focusOutEvent(e);
    emit lostFocus();
}
