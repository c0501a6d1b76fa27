#include "statistics/FilterStatisticsValueConsumer.h"

#include "filtervalues/WildcardConfig.h"
#include "models/AlarmsModel.h"
#include "statistics/FilterDpLink.h"

FilterStatisticsValueConsumer::FilterStatisticsValueConsumer(const WildcardConfig& config)
    : ColorUsageCounter(&config)
    , m_textTemplate(QStringLiteral("%name%: %count%"))
    , m_toolTipTemplate(QStringLiteral("%count% alarms, %unack% unacknowledged"))
    , m_text(QStringLiteral("-"))
    , m_toolTip(QStringLiteral("no filter yet"))
{
}

FilterStatisticsValueConsumer::~FilterStatisticsValueConsumer()
{
    FilterDpLink::disconnect(m_dpLink);
    clearStatProcessors();
}

void FilterStatisticsValueConsumer::setFilterDpName(const QString& name)
{
    if (name != m_filterDpName || !m_dpLink) {
        FilterDpLink::disconnect(m_dpLink);
        m_dpLink = FilterDpLink::connect(this, name);
    }
    m_filterDpName = name;
    if (!m_dpDataArrived)
        m_toolTip = QStringLiteral("filter %1: waiting for its configuration").arg(name);
}

void FilterStatisticsValueConsumer::setFilter(const QString& filterId, const SourceAndFilter& filter)
{
    m_filterId = filterId;
    m_filter = filter;
    if (m_filter.getName().isEmpty())
        m_filter.setName(filterId);
    m_statistics.reset(new FilterStatistics(m_model, m_filter, this));
    if (m_hasCurrentFilter)
        updateMatch();
}

void FilterStatisticsValueConsumer::setModel(const QSharedPointer<AlarmsModel>& model)
{
    m_model = model;
    if (m_statistics)
        m_statistics->setModel(model);
}

void FilterStatisticsValueConsumer::setBackColorSource(FilterViewItemConfiguration::StatsColorSource source)
{
    if (!m_backColor)
        return;
    m_backColor->setColorSource(source);
    m_backColor->recompute(getStatistics());
    updateUsedColors();
}

void FilterStatisticsValueConsumer::setForeColorSource(FilterViewItemConfiguration::StatsColorSource source)
{
    if (!m_foreColor)
        return;
    m_foreColor->setColorSource(source);
    m_foreColor->recompute(getStatistics());
    updateUsedColors();
}

void FilterStatisticsValueConsumer::setTextTemplate(const QString& text)
{
    m_textTemplate = text;
    updateTemplateFlag();
}

void FilterStatisticsValueConsumer::setTooTipTemplate(const QString& text)
{
    m_toolTipTemplate = text;
}

void FilterStatisticsValueConsumer::matchCurrentFilterChanged()
{
}

void FilterStatisticsValueConsumer::setDpData(const QString& filterId, const SourceAndFilter& filter)
{
    m_dpDataArrived = true;
    setFilter(filterId, filter);
}

void FilterStatisticsValueConsumer::setDpDataFailed()
{
    m_dpDataArrived = true;
    m_statistics.reset();
    updateMatch();
}

void FilterStatisticsValueConsumer::clearStatProcessors()
{
    qDeleteAll(m_values);
    m_values.clear();
    m_backColor = nullptr;
    m_foreColor = nullptr;
    updateUsedColors();
}

void FilterStatisticsValueConsumer::buildStatProcessors()
{
    clearStatProcessors();
    using V = FilterStatisticsValue;
    m_values.insert(QStringLiteral("%ack%"), new V(V::KindCount, FilterStatistics::CountAcknowledged));
    m_values.insert(QStringLiteral("%came%"), new V(V::KindCount, FilterStatistics::CountCame));
    m_values.insert(QStringLiteral("%cameUnack%"), new V(V::KindCount, FilterStatistics::CountCameUnacknowledged));
    m_values.insert(QStringLiteral("%count%"), new V(V::KindCount, FilterStatistics::CountAll));
    m_values.insert(QStringLiteral("%maxPrio%"), new V(V::KindHighestPriority));
    m_values.insert(QStringLiteral("%name%"), new V(V::KindName));
    m_values.insert(QStringLiteral("%unack%"), new V(V::KindCount, FilterStatistics::CountUnacknowledged));
    m_values.insert(QStringLiteral("%went%"), new V(V::KindCount, FilterStatistics::CountWent));
    m_values.insert(QStringLiteral("%wentUnack%"), new V(V::KindCount, FilterStatistics::CountWentUnacknowledged));
    m_backColor = new V(V::KindColor);
    m_foreColor = new V(V::KindColor);
    m_values.insert(QStringLiteral("%bgColor%"), m_backColor);
    m_values.insert(QStringLiteral("%fgColor%"), m_foreColor);
    updateTemplateFlag();
}

void FilterStatisticsValueConsumer::compareWithCurrentFilter(const SourceAndFilter& current)
{
    m_currentFilter = current;
    m_hasCurrentFilter = true;
    updateMatch();
}

void FilterStatisticsValueConsumer::updateMatch()
{
    const bool matches = m_statistics && m_filter.isFilterEqual(m_currentFilter);
    if (matches == m_matchesCurrentFilter)
        return;
    m_matchesCurrentFilter = matches;
    matchCurrentFilterChanged();
}

void FilterStatisticsValueConsumer::updateUsedColors()
{
    const QString back = m_backColor ? m_backColor->getContent().toString() : QString();
    const QString fore = m_foreColor ? m_foreColor->getContent().toString() : QString();
    // Register the new names before releasing the old ones, so a name kept stays in use.
    for (const QString& name : {back, fore}) {
        if (!name.isEmpty())
            incrementColorUsage(name);
    }
    for (const QString& name : {m_usedBack, m_usedFore}) {
        if (!name.isEmpty())
            decrementColorUsage(name);
    }
    m_usedBack = back;
    m_usedFore = fore;
}

void FilterStatisticsValueConsumer::updateTemplateFlag()
{
    m_templateUsesColors = m_textTemplate.contains(QLatin1String("%bgColor%"))
        || m_textTemplate.contains(QLatin1String("%fgColor%"));
}
