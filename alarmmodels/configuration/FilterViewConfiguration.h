#pragma once

#include "configuration/FilterGridViewConfiguration.h"
#include "configuration/FilterViewItemConfiguration.h"
#include "alarmmodels_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The layout of one filter set of a filter statistics view, read from the
// set's JSON:
//   { "view": 1,
//     "container": { "frameShape": "Box", "frameShadow": "Sunken", "lineWidth": 1, "midLineWidth": 0,
//                    "spacing": 4, "background": "none" },
//     "cell": { "frameShape": "Panel", "frameShadow": "Raised", "lineWidth": 1, "midLineWidth": 0,
//               "backColorSource": 1, "foreColorSource": 0, "text": "%name%: %count%",
//               "toolTip": "%count% alarms", "selectedLineColor": "WarningBg", "selectedLineWidth": 3,
//               "userData": 0 },
//     "items": [ { "row": 0, "column": 0, "filter": "FltPumps" } ] }
// Every key is optional except the items' "filter". The document is checked
// whole before anything is taken; a failed parse leaves the configuration
// empty with the error text.
class ALARMMODELS_EXPORT FilterViewConfiguration
{
public:
    enum ViewKind
    {
        ViewGrid = 1,
        ViewTree = 2
    };

    // Largest row and column of an item, and most items of one set.
    static const int MaxCell = 99;
    static const int MaxItems = 1000;

    // Reads json; setName only names the set in error texts. False with
    // getErrorText() on error.
    bool fromJson(const QByteArray& json, const QString& setName);
    void reset();

    int getViewKind() const { return m_viewKind; }
    const FilterGridViewConfiguration& getGrid() const { return m_grid; }
    const QList<FilterViewItemConfiguration>& getItems() const { return m_items; }
    // Why the last fromJson failed; empty after success.
    const QString& getErrorText() const { return m_errorText; }
    // The error text says in full what is wrong with which set; otherwise
    // it is the JSON reader's text, which needs the set named in front.
    bool isErrorTextComplete() const { return m_errorTextComplete; }

private:
    int m_viewKind = 0;
    FilterGridViewConfiguration m_grid;
    QList<FilterViewItemConfiguration> m_items;
    QString m_errorText;
    bool m_errorTextComplete = false;
};
