#pragma once

#include <filters/WEditFilterRuleText.h>

// The text rule list of the sample pages; it keeps the panel's match case
// for its tool tip.
class SampleTextRules : public WEditFilterRuleText
{
    Q_OBJECT
public:
    using WEditFilterRuleText::WEditFilterRuleText;

public slots:
    void setMatchCase(bool matchCase) override;

private:
    bool m_matchCase = false;
};
