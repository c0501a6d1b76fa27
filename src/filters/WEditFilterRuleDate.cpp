#include "filters/WEditFilterRuleDate.h"

#include "ui_WEditFilterRuleDate.h"

#include <filtervalues/ValueFilterDate.h>

WEditFilterRuleDate::WEditFilterRuleDate(const WildcardConfig& wildcardConfig, const QString& columnId,
                                         Constants::ValueSource source, const QString& displayFormat,
                                         QWidget* parent)
    : WFilter(wildcardConfig, columnId, source, parent)
    , ui(new Ui_WEditFilterRuleDate)
{
    ui->setupUi(this);
    ui->dtFirst->setDisplayFormat(displayFormat);
    ui->dtSecond->setDisplayFormat(displayFormat);
    connect(ui->cbCompMethod, SIGNAL(currentIndexChanged(int)), this, SLOT(compMethodChanged(int)));
    const QDateTime now = QDateTime::currentDateTime();
    ui->dtFirst->setDateTime(now);
    ui->dtSecond->setDateTime(now);
    connect(ui->dtFirst, SIGNAL(dateTimeChanged(const QDateTime&)), this, SLOT(dateTimeChanged(const QDateTime&)));
    connect(ui->dtSecond, SIGNAL(dateTimeChanged(const QDateTime&)), this, SLOT(dateTimeChanged(const QDateTime&)));
}

WEditFilterRuleDate::WEditFilterRuleDate(QWidget* parent)
    : WEditFilterRuleDate(WildcardConfig(), QString(), Constants::ValueSourceAlarm, tr("yyyy/MM/dd HH:mm"), parent)
{
}

WEditFilterRuleDate::~WEditFilterRuleDate()
{
    delete ui;
}

void WEditFilterRuleDate::compMethodChanged(int i)
{
    if (i == ValueFilterDate::CompareNone) {
        ui->dtFirst->setEnabled(false);
        ui->dtSecond->setEnabled(false);
    } else {
        ui->dtFirst->setEnabled(true);
        ui->dtSecond->setEnabled(i == ValueFilterDate::CompareBetween);
    }
    emit filterChanged();
}

void WEditFilterRuleDate::dateTimeChanged(QDateTime /*newValue*/)
{
    emit filterChanged();
}

QSharedPointer<ValueFilter> WEditFilterRuleDate::getFilter(bool matchCase)
{
    const int method = ui->cbCompMethod->currentIndex();
    if (method == ValueFilterDate::CompareNone)
        return QSharedPointer<ValueFilter>();
    QSharedPointer<ValueFilterDate> filter(new ValueFilterDate(m_wildcardConfig, getColumnId(), getSource(), matchCase));
    filter->setComparisonMethod(method);
    filter->setFirstDate(ui->dtFirst->dateTime());
    filter->setSecondDate(ui->dtSecond->dateTime());
    return filter;
}

bool WEditFilterRuleDate::setFilter(const QSharedPointer<ValueFilter>& filter, bool /*matchCase*/, QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    const auto* date = dynamic_cast<const ValueFilterDate*>(filter.data());
    if (!date)
        return false;
    ui->dtFirst->setDateTime(date->getFirstDate());
    ui->dtSecond->setDateTime(date->getSecondDate());
    ui->cbCompMethod->setCurrentIndex(date->getComparisonMethod());
    return true;
}

void WEditFilterRuleDate::setMatchCase(bool /*matchCase*/)
{
}
