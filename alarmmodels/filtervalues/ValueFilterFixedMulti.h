#pragma once

#include "filtervalues/ValueFilter.h"
#include "filtervalues/ValueFilterFixed.h"
#include "alarmmodels_export.h"

#include <QList>
#include <QSharedPointer>

// A group of fixed filters of one property, such as "came" and "went":
// an alarm passes when it fits one of the filters switched on, or when
// none is on. Copies are deep, so that switching the original does not
// change a filter handed out before.
class ALARMMODELS_EXPORT ValueFilterFixedMulti : public ValueFilter
{
public:
    ValueFilterFixedMulti(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                          bool matchCase);
    ValueFilterFixedMulti(const ValueFilterFixedMulti& other);
    ValueFilterFixedMulti& operator=(const ValueFilterFixedMulti& other) = delete;

    // Adds a fixed filter of this property; a kind already in the group is refused (null).
    QSharedPointer<ValueFilterFixed> addFixedFilter(const QString& kind, bool include);
    const QList<QSharedPointer<ValueFilterFixed>>& getFixedFilters() const { return m_filters; }

    // Same property and source, and the same kinds in any order.
    bool isCompatible(const ValueFilterFixedMulti& other) const;

    void setMatchCase(bool matchCase) override;
    bool isEmpty() const override { return m_filters.isEmpty(); }
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;

private:
    QStringList kinds() const;

    QList<QSharedPointer<ValueFilterFixed>> m_filters;
};
