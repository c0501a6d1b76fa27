#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

#include <filtervalues/ValueFilterNumbers.h>

#include <QRegularExpression>

class Ui_WEditFilterRuleNumbers;

// Edits a numeric filter as one line of rules ("!" negates, ">" and "<"
// compare, "a-b" is a range). The widget is its own filter: every edit is
// parsed at once and the tool tip lists the rules understood and the parts
// that failed, popped up while typing.
class QVAS_EXPORT WEditFilterRuleNumbers : public WFilter, private ValueFilterNumbers
{
    Q_OBJECT
public:
    WEditFilterRuleNumbers(const WildcardConfig& wildcardConfig, const QString& columnId,
                           Constants::ValueSource source, QWidget* parent);
    // For forms: the default wildcards, alarm values, the column set later (columnId).
    explicit WEditFilterRuleNumbers(QWidget* parent);
    // Also the column of the rules this widget parses.
    void setColumnId(const QString& columnId) override;
    ~WEditFilterRuleNumbers() override;

    // The syntax of one rule, for page builders that check texts themselves.
    static const QRegularExpression re;
    static const QString toolTipBlank;

    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;
    // Numbers have no letter case.
    void setMatchCase(bool matchCase) override;

public slots:
    void parseInput(QString text);

protected:
    void parseFilterString(const QString& text, bool showFeedback);
    // Sets the tool tip from the parse result; showFeedback pops it up at once.
    void setFeedback(bool showFeedback);

    Ui_WEditFilterRuleNumbers* ui;
};
