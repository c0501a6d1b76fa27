#pragma once

#include "alarmmodels_export.h"

#include <datapoints/DpIdentList.h>
#include <datapoints/HotLinkWaitForAnswer.h>

#include <QString>

class FilterStatisticsValueConsumer;
class DpValueGroup;

// Feeds a filter counter from its filter datapoint: a datapoint of type
// FILTER_DP_TYPE whose ".Name" is the filter's name and whose ".Filter" is
// the filter as JSON (the stored filter format). Every delivery sets the
// counter's filter anew. The manager owns the link; the counter ends the
// connection before it goes away.
class ALARMMODELS_EXPORT FilterDpLink : public HotLinkWaitForAnswer
{
public:
    static const char* const FILTER_DP_TYPE;

    // Connects consumer to the filter datapoint dpName; null when there is
    // no such datapoint.
    static FilterDpLink* connect(FilterStatisticsValueConsumer* consumer, const QString& dpName);
    // Ends the connection of link (deleting it); null is ignored.
    static void disconnect(FilterDpLink* link);

    void hotLinkCallBack(DpMsgAnswer& answer) override;
    void hotLinkCallBack(DpHLGroup& group) override;

private:
    FilterDpLink(FilterStatisticsValueConsumer* consumer, const QString& dpName);
    void take(const DpValueGroup& group);

    FilterStatisticsValueConsumer* m_consumer;
    QString m_dpName;
    DpIdentList m_ids;
};
