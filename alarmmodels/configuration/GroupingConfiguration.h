#pragma once

#include "alarmmodels_export.h"

#include <QList>
#include <QString>

// How the alarm table is grouped into a tree: one rule a level, from the top.
// A rule is identified by its kind and its text; two rules are the same
// when both are equal.
class ALARMMODELS_EXPORT GroupingConfiguration
{
public:
    enum RuleKind
    {
        // Groups by the typed value of the property named by the text
        // (by its shown text when the property has no typed value).
        GroupByValue = 0,
        // Groups by the shown text of the property named by the text.
        GroupByText = 1
    };

    struct Rule
    {
        int kind = GroupByValue;
        QString text;

        bool operator==(const Rule& other) const { return kind == other.kind && text == other.text; }
        bool operator!=(const Rule& other) const { return !(*this == other); }
    };

    const QList<Rule>& getRules() const { return m_rules; }
    void setRules(const QList<Rule>& rules) { m_rules = rules; }
    void addRule(int kind, const QString& text) { m_rules.append(Rule{kind, text}); }
    int getDepth() const { return m_rules.size(); }
    bool isEmpty() const { return m_rules.isEmpty(); }

    bool operator==(const GroupingConfiguration& other) const { return m_rules == other.m_rules; }
    bool operator!=(const GroupingConfiguration& other) const { return !(*this == other); }

    static bool isValidKind(int kind) { return kind == GroupByValue || kind == GroupByText; }

private:
    QList<Rule> m_rules;
};
