#include "SampleAtLeastSpin.h"

#include <QRegularExpression>

SampleAtLeastSpin::SampleAtLeastSpin(const WildcardConfig& wildcardConfig, const QString& columnId, QWidget* parent)
    : WSpinboxFilterRuleNumbers(wildcardConfig, columnId, Constants::ValueSourceAlarm, parent, QStringLiteral(">="), 0,
                                100, 0)
{
}

bool SampleAtLeastSpin::setFilter(const QSharedPointer<::ValueFilter>& filter, bool matchCase, QString& errMsg)
{
    static const QRegularExpression own(QStringLiteral("^>-?\\d+$"));
    const auto* numbers = dynamic_cast<const ::ValueFilterNumbers*>(filter.data());
    if (numbers && !own.match(numbers->getFilterText()).hasMatch())
        return false;
    return WSpinboxFilterRuleNumbers::setFilter(filter, matchCase, errMsg);
}
