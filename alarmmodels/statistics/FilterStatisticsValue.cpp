#include "statistics/FilterStatisticsValue.h"

FilterStatisticsValue::FilterStatisticsValue(Kind kind, FilterStatistics::Counter counter)
    : m_kind(kind)
    , m_counter(counter)
{
}

FilterStatisticsValue::~FilterStatisticsValue() = default;

QString FilterStatisticsValue::colorNameFor(FilterViewItemConfiguration::StatsColorSource source,
                                            const FilterStatistics& stats)
{
    switch (source) {
    case FilterViewItemConfiguration::ColorByAlarmState:
        if (stats.getCount(FilterStatistics::CountCameUnacknowledged) > 0)
            return QStringLiteral("AlarmCameUnack");
        if (stats.getCount(FilterStatistics::CountWentUnacknowledged) > 0)
            return QStringLiteral("AlarmWentUnack");
        if (stats.getCount(FilterStatistics::CountCame) > 0)
            return QStringLiteral("AlarmCameAck");
        return stats.getCount(FilterStatistics::CountAll) > 0 ? QStringLiteral("AlarmWentAck") : QString();
    case FilterViewItemConfiguration::ColorByCount: {
        const int count = stats.getCount(FilterStatistics::CountAll);
        return count >= 10 ? QStringLiteral("AlarmCameAck") : count >= 1 ? QStringLiteral("WarningBg") : QString();
    }
    case FilterViewItemConfiguration::ColorNone:
        break;
    }
    return QString();
}

void FilterStatisticsValue::recompute(const FilterStatistics* stats)
{
    if (!stats) {
        m_content = QVariant();
        return;
    }
    switch (m_kind) {
    case KindCount:
        m_content = stats->getCount(m_counter);
        break;
    case KindHighestPriority:
        m_content = stats->getHighestPriority();
        break;
    case KindName:
        m_content = stats->getName();
        break;
    case KindColor:
        m_content = colorNameFor(m_colorSource, *stats);
        break;
    }
}

QString FilterStatisticsValue::getReplacement(const FilterStatistics*, const QString&) const
{
    return m_content.toString();
}
