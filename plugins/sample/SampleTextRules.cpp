#include "SampleTextRules.h"

#include <filtervalues/ValueFilterText.h>

SampleTextRules::SampleTextRules(const WildcardConfig& wildcardConfig, const QString& columnId,
                                 Constants::ValueSource source, QWidget* parent)
    : WEditFilterRuleText(wildcardConfig, columnId, source, parent)
{
    connect(this, SIGNAL(filterChanged()), this, SLOT(reportSoon()));
    updateToolTip();
}

void SampleTextRules::setCompletionStrings(const QStringList& completions)
{
    m_completions = completions;
    updateToolTip();
}

void SampleTextRules::setMatchCase(bool matchCase)
{
    m_matchCase = matchCase;
    updateToolTip();
}

void SampleTextRules::reportSoon()
{
    if (m_reportPending)
        return;
    m_reportPending = true;
    QMetaObject::invokeMethod(this, "reportText", Qt::QueuedConnection);
}

void SampleTextRules::reportText()
{
    m_reportPending = false;
    const QSharedPointer<ValueFilter> filter = getFilter(m_matchCase);
    const auto* text = dynamic_cast<const ValueFilterText*>(filter.data());
    const QString newest = text && !text->getItems().isEmpty() ? text->getItems().last().getPattern() : QString();
    emit filterTextChanged(getColumnId(), newest);
}

void SampleTextRules::updateToolTip()
{
    QString tip = m_matchCase ? tr("Patterns match case") : tr("Patterns ignore case");
    if (!m_completions.isEmpty()) {
        const QStringList shown = m_completions.mid(0, 12);
        tip += tr("\nSuggestions: %1%2").arg(shown.join(QStringLiteral(", ")),
                                            m_completions.size() > shown.size() ? QStringLiteral(", ...") : QString());
    }
    setToolTip(tip);
}
