#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

class Ui_WEditFilterRuleDate;

// Edits a date filter: a comparison method (none, before, after, between)
// and one or two date-time values; only the editors that the method needs
// are enabled.
class QVAS_EXPORT WEditFilterRuleDate : public WFilter
{
    Q_OBJECT
public:
    WEditFilterRuleDate(const WildcardConfig& wildcardConfig, const QString& columnId,
                        Constants::ValueSource source, const QString& displayFormat, QWidget* parent);
    // For forms: the default wildcards, alarm values, the form's display
    // format, the column set later (columnId).
    explicit WEditFilterRuleDate(QWidget* parent);
    ~WEditFilterRuleDate() override;

    // Both dates go into the filter, also the second one that "before" and
    // "after" do not use, so that it survives a round trip.
    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;
    void setMatchCase(bool matchCase) override;

protected:
    Ui_WEditFilterRuleDate* ui;

private slots:
    void compMethodChanged(int i);
    void dateTimeChanged(QDateTime newValue);
};
