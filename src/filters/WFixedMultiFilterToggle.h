#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

#include <filtervalues/ValueFilterFixedMulti.h>

#include <QAbstractButton>
#include <QMap>
#include <QPointer>

// Governs a group of fixed filters through buttons that the page builder
// registers for the group's kinds. It has no look of its own; the buttons
// stand wherever the page puts them and are not owned.
class QVAS_EXPORT WFixedMultiFilterToggle : public WFilter
{
    Q_OBJECT
public:
    WFixedMultiFilterToggle(const WildcardConfig& wildcardConfig,
                            const QSharedPointer<ValueFilterFixedMulti>& filter, QWidget* parent);

    // Registers button to switch the fixed filter of kind; false (logged)
    // when the group has no such kind. The button's state is left as it is.
    bool addButton(QAbstractButton* button, const QString& kind);
    // Switches the first fixed filter of kind; notify emits filterChanged()
    // when that changed it.
    void setFilterState(const QString& kind, bool include, bool notify);

    QString getColumnId() const override;
    Constants::ValueSource getSource() const override;
    void setMatchCase(bool matchCase) override;
    // Never null: the group is part of the set also when all is off.
    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;

protected:
    QSharedPointer<ValueFilterFixedMulti> m_filter;
    QMap<QString, QPointer<QAbstractButton>> m_buttons;

private slots:
    void buttonClicked(bool checked);
};
