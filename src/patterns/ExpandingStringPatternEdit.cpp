#include "patterns/ExpandingStringPatternEdit.h"

#include "patterns/StringPatternTextEdit.h"

#include <logging/MsgLoggingMessage.h>

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>

namespace {
// Halves round upwards.
int roundedSize(qreal value)
{
    return int(std::floor(value + 0.5));
}
} // namespace

ExpandingStringPatternEdit::ExpandingStringPatternEdit(const WildcardConfig& config, const QString& columnId,
                                                       Constants::ValueSource source, QWidget* parent)
    : WFilter(config, columnId, source, parent)
    , m_patternEdit(new StringPatternTextEdit(config, columnId, source, this))
    , m_layout(new QVBoxLayout(this))
    , m_popup(new QWidget(this))
    , m_popupEdit(new StringPatternTextEdit(config, columnId, source, m_popup))
    , m_popupLayout(new QVBoxLayout(m_popup))
    , m_matchCase(false)
    , m_ignoreNextChange(false)
{
    m_patternEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_patternEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_patternEdit);
    m_popup->setWindowFlags(Qt::Popup);
    m_popupLayout->setContentsMargins(0, 0, 0, 0);
    // The popup takes the height of the text, also below the text area's
    // own minimum, which the layout would otherwise impose.
    m_popupLayout->setSizeConstraint(QLayout::SetNoConstraint);
    m_popupLayout->addWidget(m_popupEdit);
    // Without a frame the popup's text area shows the document's full height
    // in the popup's height, without scrolling.
    m_popupEdit->setFrameShape(QFrame::NoFrame);
    connect(m_patternEdit->document(), SIGNAL(contentsChanged()), this, SLOT(showPopupIfNotVisible()));
    connect(m_patternEdit, SIGNAL(lostFocus()), this, SLOT(filterDocChanged()));
    connect(m_patternEdit, SIGNAL(gotFocus()), this, SLOT(showPopupIfNotVisible()));
    connect(m_patternEdit, SIGNAL(textChanged()), this, SIGNAL(filterChanged()));
}

ExpandingStringPatternEdit::~ExpandingStringPatternEdit() = default;

void ExpandingStringPatternEdit::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (m_popupEdit->document() == m_patternEdit->document())
        return;
    // Once laid out, the popup edits the inline field's own document.
    m_popup->resize(m_patternEdit->size());
    m_popupEdit->resize(m_patternEdit->size());
    m_popupEdit->setDocument(m_patternEdit->document());
}

void ExpandingStringPatternEdit::showPopupIfNotVisible()
{
    QTextDocument* document = m_patternEdit->document();
    const QSizeF size = document->documentLayout()->documentSize();
    const int height = roundedSize(size.height());
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << " column " << getColumnId() << ": document '" << document->toRawText() << "' size is "
        << roundedSize(size.width()) << " x " << height << ", ignore: " << int(m_ignoreNextChange);
    if (m_ignoreNextChange) {
        m_ignoreNextChange = false;
        return;
    }
    if (m_patternEdit->height() >= height)
        return;
    m_popup->resize(m_patternEdit->width(), height);
    if (m_popup->isVisible())
        return;
    m_popup->move(mapToGlobal(m_patternEdit->pos()));
    m_popup->show();
    // Typing goes on in the popup where it was in the field. Before the
    // first resize the popup still has a document of its own, and a cursor
    // into another document would point it at text it does not show.
    if (m_popupEdit->document() == m_patternEdit->document())
        m_popupEdit->setTextCursor(m_patternEdit->textCursor());
    m_popupEdit->setFocus(Qt::OtherFocusReason);
}

void ExpandingStringPatternEdit::setMaximumExpandedSize(const QSize& size)
{
    m_popup->setMaximumSize(size.width(), size.height());
}

void ExpandingStringPatternEdit::setMatchCase(bool matchCase)
{
    if (matchCase == m_matchCase)
        return;
    m_matchCase = matchCase;
    m_patternEdit->setCompleterMatchCase(matchCase);
    m_popupEdit->setCompleterMatchCase(matchCase);
}

QSharedPointer<ValueFilter> ExpandingStringPatternEdit::getFilter(bool matchCase)
{
    return m_patternEdit->getFilter(matchCase);
}

bool ExpandingStringPatternEdit::setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase,
                                           QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    m_ignoreNextChange = true;
    setMatchCase(matchCase);
    const bool taken = m_patternEdit->setFilter(filter, matchCase, errMsg);
    if (!taken)
        m_ignoreNextChange = false;
    return taken;
}

void ExpandingStringPatternEdit::setCompletionStrings(const QStringList& completions)
{
    QStringList sorted = completions;
    sorted.sort(m_matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    m_patternEdit->setCompletionStrings(sorted);
    m_popupEdit->setCompletionStrings(sorted);
}

void ExpandingStringPatternEdit::filterDocChanged()
{
    emit filterTextChanged(getColumnId(), m_patternEdit->document()->toPlainText());
}
