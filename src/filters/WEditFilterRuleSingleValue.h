#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

#include <QList>
#include <QPair>
#include <QVariant>

class Ui_WEditFilterRuleSelectText;

// Edits a single value filter: the property must equal one value chosen
// from a drop-down list, fixed at construction or filled from the
// property's completion strings. Entry 0 of the list means no filter.
class QVAS_EXPORT WEditFilterRuleSingleValue : public WFilter
{
    Q_OBJECT
public:
    WEditFilterRuleSingleValue(const WildcardConfig& wildcardConfig, const QString& columnId,
                               Constants::ValueSource source, QWidget* parent);
    // For forms: the default wildcards, alarm values, the column set later (columnId).
    explicit WEditFilterRuleSingleValue(QWidget* parent);
    // Entries of plain strings carry no value: choosing one gives no filter.
    WEditFilterRuleSingleValue(const WildcardConfig& wildcardConfig, const QString& columnId,
                               Constants::ValueSource source, const QStringList& choices, QWidget* parent);
    // Entries shown by the pairs' texts, standing for their values.
    WEditFilterRuleSingleValue(const WildcardConfig& wildcardConfig, const QString& columnId,
                               Constants::ValueSource source, const QList<QPair<QString, QVariant>>& choices,
                               QWidget* parent);
    ~WEditFilterRuleSingleValue() override;

    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;
    void setMatchCase(bool matchCase) override;
    // Refills the list; a chosen value still among the completions stays chosen.
    void setCompletionStrings(const QStringList& completions) override;

protected:
    // The match-all character when an empty entry stands for it, else nothing.
    QString labelForFirsListItem() const;

    Ui_WEditFilterRuleSelectText* ui;

private slots:
    void filterItemSelected(int index);
};
