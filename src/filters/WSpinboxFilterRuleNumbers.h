#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

#include <filtervalues/ValueFilterNumbers.h>

class Ui_WSpinboxFilterRuleNumbers;

// Edits a numeric filter of one rule: a fixed comparison operator ("=",
// ">", "<", ">=", "<=") with the integer of a spin box. The widget is its
// own filter; it stays empty until the spin box is changed.
class QVAS_EXPORT WSpinboxFilterRuleNumbers : public WFilter, private ValueFilterNumbers
{
    Q_OBJECT
public:
    WSpinboxFilterRuleNumbers(const WildcardConfig& wildcardConfig, const QString& columnId,
                              Constants::ValueSource source, QWidget* parent, const QString& op, int minimum,
                              int maximum, int value);
    ~WSpinboxFilterRuleNumbers() override;

    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    // Reads the number back out of the filter's text, whatever operator it has.
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;
    void setMatchCase(bool matchCase) override;

public slots:
    void parseSpinboxInput(int value);

protected:
    void parseFilterString(const QString& text);

    Ui_WSpinboxFilterRuleNumbers* ui;
    QString m_operator;
};
