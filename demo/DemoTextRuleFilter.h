#pragma once

#include <filters/WEditFilterRuleText.h>

// The concrete text rule list the demo's page builder places for a text
// column: it shows in the rules' tool tip whether patterns match case.
class DemoTextRuleFilter : public WEditFilterRuleText
{
    Q_OBJECT
public:
    DemoTextRuleFilter(const WildcardConfig& wildcardConfig, const QString& columnId,
                       Constants::ValueSource source, QWidget* parent);

    bool isMatchCase() const { return m_matchCase; }

public slots:
    void setMatchCase(bool matchCase) override;

private:
    bool m_matchCase = false;
};
