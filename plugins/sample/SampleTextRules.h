#pragma once

#include <filters/WEditFilterRuleText.h>

// The text rule list of the sample pages. It shows its completion strings
// in its tool tip and reports the newest pattern as the text typed for its
// property, on which other properties' completions may depend.
class SampleTextRules : public WEditFilterRuleText
{
    Q_OBJECT
public:
    SampleTextRules(const WildcardConfig& wildcardConfig, const QString& columnId, Constants::ValueSource source,
                    QWidget* parent);

    void setCompletionStrings(const QStringList& completions) override;

public slots:
    void setMatchCase(bool matchCase) override;

private slots:
    void reportSoon();
    void reportText();

private:
    void updateToolTip();

    bool m_matchCase = false;
    QStringList m_completions;
    // One report for all the changes of one event-loop turn: a loaded
    // filter adds its rules one by one, and each report reads every rule.
    // (A queued call, not a timer: a filter of many sets starts thousands.)
    bool m_reportPending = false;
};
