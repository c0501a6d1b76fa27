#pragma once

#include <filters/WEditFilterRuleText.h>

// The smallest concrete text rule list: it only remembers the match-case flag.
class TestTextRuleFilter : public WEditFilterRuleText
{
    Q_OBJECT
public:
    TestTextRuleFilter(const WildcardConfig& config, const QString& columnId, Constants::ValueSource source,
                       QWidget* parent = nullptr)
        : WEditFilterRuleText(config, columnId, source, parent)
    {
    }

    bool matchCase = false;

public slots:
    void setMatchCase(bool value) override { matchCase = value; }
};
