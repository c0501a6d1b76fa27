#include "patterns/StringPatternEditor.h"

#include "patterns/SingleLineTextEdit.h"

#include <filtervalues/ValueFilterStringPattern.h>

#include <QVBoxLayout>

StringPatternEditor::StringPatternEditor(const WildcardConfig& config, const QString& columnId,
                                         Constants::ValueSource source, QWidget* parent)
    : WFilter(config, columnId, source, parent)
    , m_textEdit(new SingleLineTextEdit(config, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_textEdit);
    m_textEdit->setObjectName(QStringLiteral("text_%1").arg(columnId));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    connect(m_textEdit, SIGNAL(lostFocus()), this, SLOT(filterDocChanged()));
    connect(m_textEdit, SIGNAL(textChanged()), this, SIGNAL(filterChanged()));
}

StringPatternEditor::~StringPatternEditor() = default;

QSize StringPatternEditor::sizeHint() const
{
    return m_textEdit->sizeHint();
}

QSize StringPatternEditor::minimumSizeHint() const
{
    return m_textEdit->minimumSizeHint();
}

void StringPatternEditor::setMatchCase(bool matchCase)
{
    if (matchCase != m_textEdit->isMatchCase())
        m_textEdit->setMatchCase(matchCase);
}

QSharedPointer<ValueFilter> StringPatternEditor::getFilter(bool matchCase)
{
    setMatchCase(matchCase);
    QSharedPointer<ValueFilterStringPattern> filter(
        new ValueFilterStringPattern(m_wildcardConfig, getColumnId(), getSource(), matchCase));
    filter->setFilterText(m_textEdit->document()->toPlainText());
    if (filter->isEmpty())
        return QSharedPointer<ValueFilter>();
    return filter;
}

bool StringPatternEditor::setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    const auto* pattern = dynamic_cast<const ValueFilterStringPattern*>(filter.data());
    if (!pattern)
        return false;
    m_textEdit->setText(pattern->getFilterText());
    setMatchCase(matchCase);
    return true;
}

void StringPatternEditor::setCompletionStrings(const QStringList& completions)
{
    m_textEdit->setCompletionStrings(completions);
}

void StringPatternEditor::filterDocChanged()
{
    emit filterTextChanged(getColumnId(), m_textEdit->document()->toPlainText());
}
