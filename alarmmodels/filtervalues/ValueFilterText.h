#pragma once

#include "filtervalues/ValueFilter.h"
#include "filtervalues/ValueFilterTextItem.h"
#include "alarmmodels_export.h"

#include <QList>

// A text property filtered by a list of rules, kept in the order they were added.
class ALARMMODELS_EXPORT ValueFilterText : public ValueFilter
{
public:
    ValueFilterText(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                    bool matchCase);

    // Appends a rule. Refuses (false, logged) an empty pattern, an unknown
    // method and a regular expression that does not compile.
    bool addItem(const QString& pattern, int method, bool exclude);

    const QList<ValueFilterTextItem>& getItems() const { return m_items; }

    bool isEmpty() const override;
    QString toString() const override;
    bool isEqual(const ValueFilter& other) const override;

private:
    QList<ValueFilterTextItem> m_items;
};
