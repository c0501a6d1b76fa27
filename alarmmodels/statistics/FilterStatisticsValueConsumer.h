#pragma once

#include "colorusage/ColorUsageCounter.h"
#include "configuration/FilterViewItemConfiguration.h"
#include "filtervalues/SourceAndFilter.h"
#include "statistics/FilterStatistics.h"
#include "statistics/FilterStatisticsValue.h"
#include "alarmmodels_export.h"

#include <QMap>
#include <QSharedPointer>
#include <QString>

class AlarmsModel;
class FilterDpLink;
class WildcardConfig;

// The statistics side of a filter counter: the filter and its statistics
// source, the text and tool-tip templates with their placeholders, the
// colour values of background and text, and whether the filter is the one
// applied to the alarm table. It registers the colour names it shows as
// used, so that blinking colours blink.
//
// A filter datapoint name that names a filter datapoint (FilterDpLink)
// connects the consumer to it: the filter arrives through setDpData.
//
// Placeholders, replaced in this (text) order: "%ack%", "%bgColor%",
// "%came%", "%cameUnack%", "%count%", "%fgColor%", "%maxPrio%", "%name%",
// "%unack%", "%went%", "%wentUnack%".
class ALARMMODELS_EXPORT FilterStatisticsValueConsumer : public ColorUsageCounter
{
public:
    explicit FilterStatisticsValueConsumer(const WildcardConfig& config);
    ~FilterStatisticsValueConsumer() override;

    virtual void setFilterDpName(const QString& name);
    virtual void setFilter(const QString& filterId, const SourceAndFilter& filter);
    virtual void setModel(const QSharedPointer<AlarmsModel>& model);
    virtual void setBackColorSource(FilterViewItemConfiguration::StatsColorSource source);
    virtual void setForeColorSource(FilterViewItemConfiguration::StatsColorSource source);
    virtual void setTextTemplate(const QString& text);
    virtual void setTooTipTemplate(const QString& text);
    // Called when the filter starts or stops being the applied one.
    virtual void matchCurrentFilterChanged();
    // The filter data arrived from the filter configuration datapoint.
    virtual void setDpData(const QString& filterId, const SourceAndFilter& filter);
    // The filter datapoint sent a filter that cannot be read: the counter
    // has no filter, and says so.
    void setDpDataFailed();
    virtual void clearStatProcessors();
    virtual void buildStatProcessors();

    // Whether the came and went alarm of one event count as one alarm. The
    // models here keep one row per alarm (a went alarm replaces its came
    // alarm), so the counts are the same either way; the flag is kept for
    // models that hold both.
    void setSingleRowPerPair(bool single) { m_singleRowPerPair = single; }
    bool isSingleRowPerPair() const { return m_singleRowPerPair; }

    // Sets whether the filter equals current, the filter applied to the table.
    // current is kept: a filter set later (from its datapoint) is compared with it.
    void compareWithCurrentFilter(const SourceAndFilter& current);
    // Takes the colour names from the colour values, registering them as used.
    void updateUsedColors();

    const QString& getFilterDpName() const { return m_filterDpName; }
    const QString& getFilterId() const { return m_filterId; }
    const SourceAndFilter& getSourceAndFilter() const { return m_filter; }
    const FilterStatistics* getStatistics() const { return m_statistics.data(); }
    const QSharedPointer<AlarmsModel>& getModel() const { return m_model; }
    const QMap<QString, FilterStatisticsValue*>& getStatValues() const { return m_values; }
    const FilterStatisticsValue* getBackColorValue() const { return m_backColor; }
    const FilterStatisticsValue* getForeColorValue() const { return m_foreColor; }
    const QString& getTextTemplate() const { return m_textTemplate; }
    const QString& getToolTipTemplate() const { return m_toolTipTemplate; }
    const QString& getCurrentText() const { return m_text; }
    const QString& getCurrentToolTip() const { return m_toolTip; }
    bool isMatchingCurrentFilter() const { return m_matchesCurrentFilter; }
    bool isDpDataArrived() const { return m_dpDataArrived; }
    bool isTemplateUsingColors() const { return m_templateUsesColors; }

private:
    void updateTemplateFlag();

    QString m_filterDpName;
    QString m_filterId;
    SourceAndFilter m_filter;
    QSharedPointer<AlarmsModel> m_model;
    QSharedPointer<FilterStatistics> m_statistics;
    QString m_textTemplate;
    QString m_toolTipTemplate;
    QString m_text;
    QString m_toolTip;
    QMap<QString, FilterStatisticsValue*> m_values;
    FilterStatisticsValue* m_backColor = nullptr;
    FilterStatisticsValue* m_foreColor = nullptr;
    QString m_usedBack;
    QString m_usedFore;
    bool m_matchesCurrentFilter = false;
    bool m_dpDataArrived = false;
    bool m_templateUsesColors = false;
    FilterDpLink* m_dpLink = nullptr;
    bool m_singleRowPerPair = false;
    SourceAndFilter m_currentFilter;
    bool m_hasCurrentFilter = false;

    void updateMatch();
};
