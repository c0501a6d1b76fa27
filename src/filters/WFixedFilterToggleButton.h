#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

#include <filtervalues/ValueFilterFixed.h>

class QColor;
class Ui_WFilterToggleButton;

// Switches one fixed filter on and off with a checkable tool button. The
// fixed filter (not null) is shared with the caller and names the
// widget's property and source.
class QVAS_EXPORT WFixedFilterToggleButton : public WFilter
{
    Q_OBJECT
public:
    WFixedFilterToggleButton(const WildcardConfig& wildcardConfig, const QSharedPointer<ValueFilterFixed>& filter,
                             QWidget* parent);
    ~WFixedFilterToggleButton() override;

    void setText(const QString& text);
    void setToolTip(const QString& toolTip);
    void setTextColor(const QColor& color);

    QString getColumnId() const override;
    Constants::ValueSource getSource() const override;
    void setMatchCase(bool matchCase) override;
    // Never null: a fixed filter is always part of the set, on or off.
    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    // A fixed filter of another kind belongs to another toggle of the same
    // property: false without a message.
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;

protected:
    QSharedPointer<ValueFilterFixed> m_filter;
    Ui_WFilterToggleButton* ui;

private slots:
    void buttonClicked(bool checked = false);
};
