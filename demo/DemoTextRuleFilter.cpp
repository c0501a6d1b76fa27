#include "DemoTextRuleFilter.h"

#include <QTableWidget>

DemoTextRuleFilter::DemoTextRuleFilter(const WildcardConfig& wildcardConfig, const QString& columnId,
                                       Constants::ValueSource source, QWidget* parent)
    : WEditFilterRuleText(wildcardConfig, columnId, source, parent)
{
    setMatchCase(false);
}

void DemoTextRuleFilter::setMatchCase(bool matchCase)
{
    m_matchCase = matchCase;
    if (auto* table = findChild<QTableWidget*>(QStringLiteral("tableWidget"))) {
        table->setToolTip(matchCase ? tr("Patterns match letter case") : tr("Patterns ignore letter case"));
    }
}
