#include "filters/WEditFilterRuleSingleValue.h"

#include "ui_WEditFilterRuleSelectText.h"

#include <filtervalues/ValueFilterSingleValue.h>
#include <logging/MsgLoggingMessage.h>

WEditFilterRuleSingleValue::WEditFilterRuleSingleValue(const WildcardConfig& wildcardConfig, const QString& columnId,
                                                       Constants::ValueSource source, QWidget* parent)
    : WFilter(wildcardConfig, columnId, source, parent)
    , ui(new Ui_WEditFilterRuleSelectText)
{
    ui->setupUi(this);
    connect(ui->choiceList, SIGNAL(currentIndexChanged(int)), this, SLOT(filterItemSelected(int)));
}

WEditFilterRuleSingleValue::WEditFilterRuleSingleValue(QWidget* parent)
    : WEditFilterRuleSingleValue(WildcardConfig(), QString(), Constants::ValueSourceAlarm, parent)
{
}

WEditFilterRuleSingleValue::WEditFilterRuleSingleValue(const WildcardConfig& wildcardConfig, const QString& columnId,
                                                       Constants::ValueSource source, const QStringList& choices,
                                                       QWidget* parent)
    : WEditFilterRuleSingleValue(wildcardConfig, columnId, source, parent)
{
    ui->choiceList->clear();
    ui->choiceList->addItem(labelForFirsListItem());
    ui->choiceList->addItems(choices);
}

WEditFilterRuleSingleValue::WEditFilterRuleSingleValue(const WildcardConfig& wildcardConfig, const QString& columnId,
                                                       Constants::ValueSource source,
                                                       const QList<QPair<QString, QVariant>>& choices, QWidget* parent)
    : WEditFilterRuleSingleValue(wildcardConfig, columnId, source, parent)
{
    ui->choiceList->clear();
    ui->choiceList->addItem(labelForFirsListItem());
    for (const QPair<QString, QVariant>& choice : choices)
        ui->choiceList->addItem(choice.first, choice.second);
}

WEditFilterRuleSingleValue::~WEditFilterRuleSingleValue()
{
    delete ui;
}

QString WEditFilterRuleSingleValue::labelForFirsListItem() const
{
    return m_wildcardConfig.emptyIsMatchAll ? QString(m_wildcardConfig.matchAllChar) : QString();
}

void WEditFilterRuleSingleValue::filterItemSelected(int index)
{
    const QString text = index != 0 ? ui->choiceList->currentText() : QString();
    emit filterTextChanged(getColumnId(), text);
    emit filterChanged();
}

void WEditFilterRuleSingleValue::setCompletionStrings(const QStringList& completions)
{
    const QString text = ui->choiceList->currentText();
    const int index = ui->choiceList->currentIndex();
    // Not blocked: the refill reports its changes like a choice of the user.
    ui->choiceList->clear();
    ui->choiceList->addItem(labelForFirsListItem());
    for (const QString& completion : completions)
        ui->choiceList->addItem(completion, completion);
    const int position = index > 0 ? completions.indexOf(text) : -1;
    if (position >= 0)
        ui->choiceList->setCurrentIndex(position + 1);
}

QSharedPointer<ValueFilter> WEditFilterRuleSingleValue::getFilter(bool matchCase)
{
    const int index = ui->choiceList->currentIndex();
    if (index <= 0)
        return QSharedPointer<ValueFilter>();
    QSharedPointer<ValueFilterSingleValue> filter(
        new ValueFilterSingleValue(m_wildcardConfig, getColumnId(), getSource(), matchCase));
    filter->setFilterValue(ui->choiceList->itemData(index, Qt::UserRole));
    if (filter->isEmpty())
        return QSharedPointer<ValueFilter>();
    return filter;
}

bool WEditFilterRuleSingleValue::setFilter(const QSharedPointer<ValueFilter>& filter, bool /*matchCase*/,
                                           QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    const auto* single = dynamic_cast<const ValueFilterSingleValue*>(filter.data());
    if (!single)
        return false;
    const int index =
        ui->choiceList->findData(single->getFilterValue(), Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index <= 0) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "WEditFilterRuleSingleValue for '" << getColumnId()
                                                  << "': filter value not found " << single->toString();
        ui->choiceList->setCurrentIndex(0);
        return true;
    }
    ui->choiceList->setCurrentIndex(index);
    return true;
}

void WEditFilterRuleSingleValue::setMatchCase(bool /*matchCase*/)
{
}
