#include "SampleTextRules.h"

#include <QTableWidget>

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
    // The newest pattern is that of the last row: read alone, a report costs
    // the same however long the list (a long fill is reported several times).
    const auto* table = findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    const QTableWidgetItem* newest = table && table->rowCount() > 0 ? table->item(table->rowCount() - 1, 0) : nullptr;
    emit filterTextChanged(getColumnId(), newest ? newest->text() : QString());
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
