#pragma once

#include "filtervalues/ValueFilter.h"
#include "alarmmodels_export.h"

#include <QVariant>

// A property that must equal one chosen value.
class ALARMMODELS_EXPORT ValueFilterSingleValue : public ValueFilter
{
public:
    ValueFilterSingleValue(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                           bool matchCase);

    const QVariant& getFilterValue() const { return m_value; }
    void setFilterValue(const QVariant& value);

    // True while no value is chosen (an invalid or null value).
    bool isEmpty() const override;
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;
    // The property's value or its shown text equals the chosen value as
    // text; letter case counts only with match case.
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;

private:
    QVariant m_value;
    QString m_valueText;
};
