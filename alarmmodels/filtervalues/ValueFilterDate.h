#pragma once

#include "filtervalues/ValueFilter.h"
#include "alarmmodels_export.h"

#include <QDateTime>

// A time property compared with one date (before, after) or two (between).
class ALARMMODELS_EXPORT ValueFilterDate : public ValueFilter
{
public:
    enum ComparisonMethod
    {
        CompareNone = 0,
        CompareBefore = 1,
        CompareAfter = 2,
        CompareBetween = 3
    };

    ValueFilterDate(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                    bool matchCase);

    int getComparisonMethod() const { return m_method; }
    void setComparisonMethod(int method) { m_method = method; }
    const QDateTime& getFirstDate() const { return m_first; }
    void setFirstDate(const QDateTime& date);
    const QDateTime& getSecondDate() const { return m_second; }
    void setSecondDate(const QDateTime& date);

    static bool isValidMethod(int method) { return method >= CompareBefore && method <= CompareBetween; }

    // True while the method compares nothing or a date it needs is invalid.
    bool isEmpty() const override;
    QString toString() const override;
    // Method, and the dates the method uses, equal. The second date of
    // "before" and "after" does not count.
    bool isEqual(const ValueFilter& other) const override;
    // Before: earlier than the first date; after: later than it; between:
    // from the earlier to the later of the two dates, both included. An
    // alarm without a time passes nothing.
    bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const override;
    bool matchesTime(const QDateTime& time) const;

private:
    // Local times compare by their wall-clock milliseconds: comparing
    // QDateTime values of local time asks the C library for the zone of
    // each alarm, which costs more than the whole rest of the matching.
    static qint64 wallClock(const QDateTime& time);
    bool inRange(qint64 time, qint64 first, qint64 second) const;

    int m_method = CompareNone;
    QDateTime m_first;
    QDateTime m_second;
    qint64 m_firstClock = 0;
    qint64 m_secondClock = 0;
};
