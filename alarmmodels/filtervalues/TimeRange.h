#pragma once

#include "logging/MsgLoggingProducer.h"
#include "alarmmodels_export.h"

#include <QDateTime>
#include <QObject>
#include <QString>

// The time range of an archive query: a range relative to now (the last N
// minutes, hours, ...; today, yesterday, ...) or a fixed interval with a
// start and an end. A relative range can be frozen at the times it had when
// a query was applied.
class ALARMMODELS_EXPORT TimeRange : public MsgLoggingProducer
{
    Q_GADGET
public:
    enum RangeType
    {
        LastMinutes = 0,
        LastHours = 1,
        LastDays = 2,
        LastWeeks = 3,
        Today = 4,
        Yesterday = 5,
        ThisWeek = 6,
        LastWeek = 7,
        ThisMonth = 8,
        LastMonth = 9,
        FixedInterval = 10
    };
    Q_ENUM(RangeType)

    explicit TimeRange(const MsgLoggingProducer* logParent = nullptr, Qt::TimeSpec spec = Qt::LocalTime);

    RangeType getRangeType() const { return m_type; }
    void setRangeType(RangeType type);
    int getValueCount() const { return m_valueCount; }
    void setValueCount(int count);
    // The unit of the count ("minutes", ...); empty for types without a count.
    QString getValueLabel() const;

    // The interval's start and end: stored for a fixed interval, computed
    // from now (or from the freezing time) for the relative types.
    QDateTime getStartTime() const;
    QDateTime getEndTime() const;
    void setStartTime(const QDateTime& start);
    void setEndTime(const QDateTime& end);

    Qt::TimeSpec getTimeSpec() const { return m_timeSpec; }
    void setTimeSpec(Qt::TimeSpec spec);

    void setRangeFrozen(bool frozen);
    bool isRangeFrozen() const { return m_frozen; }

    // For the time range button, for example "Last 2 hours" or
    // "2026.12.06 01:00:00 - 2026.12.06 02:00:00".
    QString getDescription() const;
    static QString getDateTimeFormat();

    bool operator==(const TimeRange& other) const;
    bool operator!=(const TimeRange& other) const { return !(*this == other); }

private:
    void computeRelative(const QDateTime& now, QDateTime& start, QDateTime& end) const;
    QDateTime now() const;

    RangeType m_type = LastHours;
    int m_valueCount = 1;
    QDateTime m_start;
    QDateTime m_end;
    Qt::TimeSpec m_timeSpec;
    bool m_frozen = false;
    QDateTime m_frozenAt;
};

Q_DECLARE_METATYPE(TimeRange)
