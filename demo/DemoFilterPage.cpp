#include "DemoFilterPage.h"

#include "DemoTextRuleFilter.h"

#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/ValueFilterText.h>
#include <logging/MsgLoggingMessage.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

const char* const kTextColumn = "ALERT_TEXT";

} // namespace

DemoFilterPage::DemoFilterPage(const WildcardConfig& wildcard, MsgLoggingProducer* producer, QWidget* parent)
    : QGroupBox(tr("Structured filter: alarm text (%1)").arg(QLatin1String(kTextColumn)), parent)
    , m_wildcard(wildcard)
    , m_producer(producer)
    , m_textFilter(new DemoTextRuleFilter(wildcard, QLatin1String(kTextColumn), Constants::ValueSourceAlarm, this))
    , m_matchCase(new QCheckBox(tr("Match case")))
    , m_filterText(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("filters"));
    m_filterText->setReadOnly(true);
    m_filterText->setMaximumBlockCount(200);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textFilter, 2);
    layout->addWidget(m_matchCase);
    layout->addWidget(new QLabel(tr("Edited filter:")));
    layout->addWidget(m_filterText, 1);
    connect(m_textFilter, SIGNAL(filterChanged()), this, SLOT(filterEdited()));
    connect(m_matchCase, SIGNAL(toggled(bool)), this, SLOT(matchCaseToggled(bool)));
}

void DemoFilterPage::showInitialFilter()
{
    QSharedPointer<ValueFilterText> stored(
        new ValueFilterText(m_wildcard, QLatin1String(kTextColumn), Constants::ValueSourceAlarm, false));
    stored->addItem(QStringLiteral("Pump * failure"), ValueFilterTextItem::MatchWildcard, false);
    stored->addItem(QStringLiteral("^Test.*"), ValueFilterTextItem::MatchRegExp, true);
    stored->addItem(QStringLiteral("Valve 12 stuck"), ValueFilterTextItem::MatchExact, false);
    QString errMsg;
    bool shown = false;
    {
        // Restoring is not an edit: report the restored filter once.
        const QSignalBlocker blocker(m_textFilter);
        shown = m_textFilter->setFilter(stored, m_matchCase->isChecked(), errMsg);
    }
    if (!shown)
        MSG_LOG(m_producer, MsgLoggerEnums::LogError) << "stored filter not shown: " << errMsg;
    filterEdited();
}

QSharedPointer<FilterRuleContainer> DemoFilterPage::editedRules() const
{
    QList<FilterRuleSet> sets;
    const QSharedPointer<ValueFilter> text = m_textFilter->getFilter(m_matchCase->isChecked());
    if (text) {
        FilterRuleSet set(m_wildcard, true, m_matchCase->isChecked());
        set.addValueFilter(text);
        sets.append(set);
    }
    return QSharedPointer<FilterRuleContainer>(new FilterRuleContainer(m_wildcard, sets, m_matchCase->isChecked()));
}

void DemoFilterPage::filterEdited()
{
    const QSharedPointer<ValueFilter> filter = m_textFilter->getFilter(m_matchCase->isChecked());
    const QString text = filter ? filter->toString() : tr("(no filter: no rule, or a rule without pattern)");
    m_filterText->appendPlainText(text);
    QTextStream(stdout) << "filter: " << text << Qt::endl;
}

void DemoFilterPage::matchCaseToggled(bool matchCase)
{
    m_textFilter->setMatchCase(matchCase);
    filterEdited();
}
