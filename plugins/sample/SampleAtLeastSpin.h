#pragma once

#include <filters/WSpinboxFilterRuleNumbers.h>

// "Priority at least": a spin box of the operator ">=". The numeric rule
// line of the same page edits the same property and kind, so this box
// takes only the one-rule texts that it writes itself (">" and a whole
// number) and leaves every other priority rule to the line after it.
class SampleAtLeastSpin : public WSpinboxFilterRuleNumbers
{
    Q_OBJECT
public:
    SampleAtLeastSpin(const WildcardConfig& wildcardConfig, const QString& columnId, QWidget* parent);

    bool setFilter(const QSharedPointer<::ValueFilter>& filter, bool matchCase, QString& errMsg) override;
};
