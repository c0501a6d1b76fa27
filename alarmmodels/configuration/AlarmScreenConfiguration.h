#pragma once

#include "configuration/AlarmModelConfiguration.h"
#include "configuration/AlarmSourceConfiguration.h"
#include "configuration/FilterWidgetConfiguration.h"
#include "configuration/GroupingConfiguration.h"
#include "configuration/MouseProcessorConfiguration.h"
#include "configuration/ProxyModelConfiguration.h"
#include "logging/MsgLoggingProducer.h"
#include "configuration/UserSettings.h"
#include "filtervalues/WildcardConfig.h"
#include "alarmmodels_export.h"

// The configuration of one alarm screen, as the host gives it to the
// library. It is also the log producer whose settings the library's objects
// share.
class ALARMMODELS_EXPORT AlarmScreenConfiguration : public MsgLoggingProducer
{
public:
    AlarmScreenConfiguration();
    explicit AlarmScreenConfiguration(const MsgLoggingProducer* logParent);

    const AlarmSourceConfiguration& getAlarmSourceConfiguration() const { return m_alarmSource; }
    AlarmSourceConfiguration& alarmSourceConfiguration() { return m_alarmSource; }
    const FilterWidgetConfiguration& getFilterWidgetConfiguration() const { return m_filterWidgets; }
    FilterWidgetConfiguration& filterWidgetConfiguration() { return m_filterWidgets; }
    const UserSettings& getUserSettings() const { return m_userSettings; }
    UserSettings& userSettings() { return m_userSettings; }
    const WildcardConfig& getWildcardConfig() const { return m_wildcardConfig; }
    WildcardConfig& wildcardConfig() { return m_wildcardConfig; }
    const AlarmModelConfiguration& getAlarmModelConfiguration() const { return m_alarmModel; }
    AlarmModelConfiguration& alarmModelConfiguration() { return m_alarmModel; }
    const ProxyModelConfiguration& getProxyModelConfiguration() const { return m_proxyModel; }
    ProxyModelConfiguration& proxyModelConfiguration() { return m_proxyModel; }
    const GroupingConfiguration& getGroupingConfiguration() const { return m_grouping; }
    GroupingConfiguration& groupingConfiguration() { return m_grouping; }
    const MouseProcessorConfiguration& getMouseProcessorConfiguration() const { return m_mouseProcessor; }
    MouseProcessorConfiguration& mouseProcessorConfiguration() { return m_mouseProcessor; }

private:
    AlarmSourceConfiguration m_alarmSource;
    FilterWidgetConfiguration m_filterWidgets;
    UserSettings m_userSettings;
    WildcardConfig m_wildcardConfig;
    AlarmModelConfiguration m_alarmModel;
    ProxyModelConfiguration m_proxyModel;
    GroupingConfiguration m_grouping;
    MouseProcessorConfiguration m_mouseProcessor;
};
