#include "patterns/SingleLineTextEdit.h"

#include "patterns/StringPatternHighlighter.h"

#include <logging/MsgLoggingMessage.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStringListModel>

namespace {
QString addressOf(const void* object)
{
    return QStringLiteral("0x") + QString::number(quintptr(object), 16);
}
} // namespace

SingleLineTextEdit::SingleLineTextEdit(const WildcardConfig& config, QWidget* parent)
    : QTextEdit(parent)
    , MsgLoggingProducer(&config)
    , m_separator(QStringLiteral(";"))
    , m_completer(nullptr)
    , m_matchCase(false)
    , m_settingText(false)
{
    new StringPatternHighlighter(document());
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::NoWrap);
    setAcceptRichText(false);
    setAutoFormatting(QTextEdit::AutoNone);
    setTabChangesFocus(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    setMaximumHeight(minimumSizeHint().height());
    if (config.emptyIsMatchAll)
        setPlaceholderText(QString(config.matchAllChar));
    connect(this, SIGNAL(cursorPositionChanged()), this, SLOT(cursorMoved()));
}

SingleLineTextEdit::~SingleLineTextEdit() = default;

QSize SingleLineTextEdit::sizeHint() const
{
    ensurePolished();
    const QFontMetrics fm(font());
    const int m = 2 * int(document()->documentMargin());
    const int f = frameWidth();
    return QSize(17 * fm.horizontalAdvance(QLatin1Char('x')) + m + f, qMax(fm.height(), 14) + m + f);
}

QSize SingleLineTextEdit::minimumSizeHint() const
{
    ensurePolished();
    const QFontMetrics fm(font());
    const int m = 2 * int(document()->documentMargin());
    const int f = frameWidth();
    return QSize(fm.maxWidth() + m + f, fm.height() + qMax(m, fm.leading()) + f);
}

QSize SingleLineTextEdit::viewportSizeHint() const
{
    return sizeHint();
}

void SingleLineTextEdit::changeEvent(QEvent* e)
{
    QTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        setMaximumHeight(minimumSizeHint().height());
        updateGeometry();
    }
}

bool SingleLineTextEdit::isCompleterKey(int key)
{
    return key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return
        || key == Qt::Key_Enter;
}

bool SingleLineTextEdit::isKeyFromCompleter(QKeyEvent* e) const
{
    if (!m_completer || !m_completer->popup()->isVisible() || !isCompleterKey(e->key()))
        return false;
    e->ignore();
    return true;
}

void SingleLineTextEdit::keyPressEvent(QKeyEvent* e)
{
    if (isKeyFromCompleter(e))
        return;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // A one-line field: Return ends the entry instead of breaking the line.
        e->accept();
        const bool moved = focusNextPrevChild(true);
        MSG_LOG(this, MsgLoggerEnums::LogTrace) << "focusNextPrevChild() returned " << int(moved);
        return;
    }
    QTextEdit::keyPressEvent(e);
    if (m_completer)
        displayCompleter();
}

bool SingleLineTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void SingleLineTextEdit::insertFromMimeData(const QMimeData* source)
{
    // Pasted lines become patterns of the one line.
    insertPlainText(source->text().replace(QLatin1Char('\n'), m_separator));
}

QTextCursor SingleLineTextEdit::getPartSelection() const
{
    QTextCursor cursor = textCursor();
    const int p = cursor.position();
    cursor.select(QTextCursor::BlockUnderCursor);
    const QString t = cursor.selectedText();
    int s = -1;
    if (p >= 1)
        s = t.lastIndexOf(m_separator, p < t.length() ? p - 1 : -1);
    int e = t.indexOf(m_separator, p);
    if (e < 0)
        e = t.length();
    cursor.setPosition(s + 1);
    cursor.setPosition(e, QTextCursor::KeepAnchor);
    return cursor;
}

QString SingleLineTextEdit::getTextUnderCursor() const
{
    return getPartSelection().selectedText();
}

void SingleLineTextEdit::insertCompletion(const QString& completion)
{
    if (m_completer->widget() != this)
        return;
    QTextCursor cursor = getPartSelection();
    cursor.insertText(completion + m_separator);
    setTextCursor(cursor);
}

QRect SingleLineTextEdit::completerRect() const
{
    QRect rect = cursorRect();
    rect.setWidth(m_completer->popup()->sizeHintForColumn(0)
                  + m_completer->popup()->verticalScrollBar()->sizeHint().width());
    return rect;
}

void SingleLineTextEdit::displayCompleter()
{
    if (!m_completer)
        return;
    const QString prefix = getTextUnderCursor();
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "part under cursor: " << prefix;
    if (prefix != m_completer->completionPrefix()) {
        m_completer->setCompletionPrefix(prefix);
        m_completer->popup()->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    }
    m_completer->complete(completerRect());
}

void SingleLineTextEdit::cursorMoved()
{
    if (m_completer && !m_settingText)
        displayCompleter();
}

void SingleLineTextEdit::setText(const QString& text)
{
    m_settingText = true;
    document()->setPlainText(text);
    m_settingText = false;
}

void SingleLineTextEdit::hidePopup()
{
    if (m_completer)
        m_completer->popup()->hide();
}

void SingleLineTextEdit::setCompletionStrings(const QStringList& completions)
{
    if (completions.isEmpty()) {
        if (m_completer)
            m_completer->deleteLater();
        m_completer = nullptr;
        return;
    }
    if (!m_completer) {
        m_completer = new QCompleter(this);
        m_completer->setWidget(this);
        m_completer->setCompletionMode(QCompleter::PopupCompletion);
        m_completer->setWrapAround(false);
        connect(m_completer, SIGNAL(activated(QString)), this, SLOT(insertCompletion(QString)));
    }
    const Qt::CaseSensitivity sensitivity = m_matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QStringList sorted = completions;
    sorted.sort(sensitivity);
    // The completer deletes the model it replaces, being its parent.
    m_completer->setModel(new QStringListModel(sorted, m_completer));
    m_completer->setModelSorting(m_matchCase ? QCompleter::CaseSensitivelySortedModel
                                             : QCompleter::CaseInsensitivelySortedModel);
    m_completer->setCaseSensitivity(sensitivity);
}

void SingleLineTextEdit::setMatchCase(bool matchCase)
{
    m_matchCase = matchCase;
    if (!m_completer)
        return;
    if (auto* model = qobject_cast<QStringListModel*>(m_completer->model()))
        setCompletionStrings(model->stringList());
}

void SingleLineTextEdit::focusInEvent(QFocusEvent* e)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "SingleLineTextEdit::focusInEvent() " << addressOf(this);
    QTextEdit::focusInEvent(e);
    if (m_completer) {
        m_completer->setWidget(this);
        displayCompleter();
    }
}

void SingleLineTextEdit::focusOutEvent(QFocusEvent* e)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "SingleLineTextEdit::focusOutEvent() " << addressOf(this);
    if (e->reason() != Qt::PopupFocusReason)
        emit lostFocus();
    if (m_completer)
        m_completer->popup()->hide();
    QTextEdit::focusOutEvent(e);
}
