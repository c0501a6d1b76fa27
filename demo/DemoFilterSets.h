#pragma once

#include <QString>
#include <QStringList>

// The demo project's filter statistics: datapoints of type "_QvAsFilter"
// for the filter sets shown as tabs above the alarm table, and the filter
// datapoints whose filters the counters count, defined in the platform's
// datapoint store as a project would define them.
class DemoFilterSets
{
public:
    // Defines the types and datapoints once per process; false (with
    // errMsg) when the store refuses them.
    static bool define(QString& errMsg);
    // The filter set datapoints, in tab order.
    static QStringList setDpNames();
};
