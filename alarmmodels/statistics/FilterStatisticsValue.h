#pragma once

#include "configuration/FilterViewItemConfiguration.h"
#include "statistics/FilterStatistics.h"
#include "alarmmodels_export.h"

#include <QString>
#include <QVariant>

// What one placeholder of a counter's templates stands for: a count of the
// matching alarms, the highest priority among them, the filter's name, or
// a colour name chosen from the counts.
class ALARMMODELS_EXPORT FilterStatisticsValue
{
public:
    enum Kind
    {
        KindCount = 0,
        KindHighestPriority,
        KindName,
        KindColor
    };

    // A count value of counter, or a value of another kind.
    explicit FilterStatisticsValue(Kind kind, FilterStatistics::Counter counter = FilterStatistics::CountAll);
    virtual ~FilterStatisticsValue();

    Kind getKind() const { return m_kind; }
    bool isColorValue() const { return m_kind == KindColor; }
    // For colour values: what chooses the colour name.
    void setColorSource(FilterViewItemConfiguration::StatsColorSource source) { m_colorSource = source; }
    FilterViewItemConfiguration::StatsColorSource getColorSource() const { return m_colorSource; }

    // Takes the value from stats (none: the value is empty).
    void recompute(const FilterStatistics* stats);
    // The value as it replaces placeHolder: a count as text, the name, or a colour name.
    QString getReplacement(const FilterStatistics* stats, const QString& placeHolder) const;
    // The value as scripts get it: a number, a text or a colour name.
    const QVariant& getContent() const { return m_content; }

    // The colour name source selects for stats:
    //   by alarm state: "AlarmCameUnack" while an unacknowledged alarm is pending, else "AlarmWentUnack"
    //     while an unacknowledged one went, else "AlarmCameAck" while an alarm is pending, else
    //     "AlarmWentAck" while any matches, else none;
    //   by count: none for 0 alarms, "WarningBg" from 1, "AlarmCameAck" from 10.
    static QString colorNameFor(FilterViewItemConfiguration::StatsColorSource source, const FilterStatistics& stats);

private:
    Kind m_kind;
    FilterStatistics::Counter m_counter;
    FilterViewItemConfiguration::StatsColorSource m_colorSource = FilterViewItemConfiguration::ColorNone;
    QVariant m_content;
};
