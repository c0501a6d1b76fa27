#pragma once

#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/ValueFilterText.h>
#include <models/AlarmsModel.h>

// Alarm properties of the tests: texts, and PRIORITY and ACK_STATE as numbers.
inline AlarmModelConfiguration testAlarmProperties()
{
    AlarmModelConfiguration c;
    c.properties = {AlarmProp("SYSTEM", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                    AlarmProp("ALERT_TEXT", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                    AlarmProp("PRIORITY", Constants::ValueSourceAlarm, AlarmProp::TypeInteger),
                    AlarmProp("ACK_STATE", Constants::ValueSourceAlarm, AlarmProp::TypeInteger),
                    AlarmProp("COMMENT", Constants::ValueSourceAlarm, AlarmProp::TypeText)};
    return c;
}

// An alarm of system with its text and priority, for a model of those properties.
inline AlarmPtr testAlarm(const AlarmsModel& model, qint64 ident, const QString& system, const QString& text,
                          int priority, AlarmInstance::AckState ack = AlarmInstance::Unacknowledged, bool went = false)
{
    QSharedPointer<AlarmInstance> a(new AlarmInstance(ident, system));
    a->setValue(model.findProperty("ALERT_TEXT"), text);
    a->setValue(model.findProperty("PRIORITY"), priority);
    a->setAckState(ack);
    a->setWent(went);
    return a;
}

// A text filter of property with one rule, wildcard unless told.
inline QSharedPointer<ValueFilterText> textFilter(const QString& property, const QString& pattern,
                                                  int method = ValueFilterTextItem::MatchWildcard)
{
    QSharedPointer<ValueFilterText> f(
        new ValueFilterText(WildcardConfig(), property, Constants::ValueSourceAlarm, false));
    f->addItem(pattern, method, false);
    return f;
}

inline FilterRuleSet ruleSet(bool include, const QList<QSharedPointer<ValueFilter>>& filters)
{
    FilterRuleSet set(WildcardConfig(), include, false);
    for (const QSharedPointer<ValueFilter>& f : filters)
        set.addValueFilter(f);
    return set;
}

// One include set: ALERT_TEXT matches the wildcard pattern.
inline QSharedPointer<FilterRuleContainer> alertTextRules(const QString& pattern)
{
    return QSharedPointer<FilterRuleContainer>(
        new FilterRuleContainer(WildcardConfig(), {ruleSet(true, {textFilter("ALERT_TEXT", pattern)})}, false));
}
