#pragma once

#include "qvas_export.h"

#include <datapoints/HotLinkWaitForAnswer.h>
#include <logging/MsgLoggingProducer.h>

#include <QList>
#include <QPointer>

class DpValueGroup;
class FilterStatisticsTab;
class Variable;

// The type of the datapoints that describe a filter set: ".SetName",
// ".ConfigDp" and ".SetJSON", in this order.
constexpr const char FILTER_CONFIG_DP_TYPE[] = "_QvAsFilter";

// Receives the three values of a filter configuration datapoint, as the
// answer to the connection and on every change, and hands them to its tab.
// The manager owns it; a delivery after the tab is gone is dropped.
class QVAS_EXPORT FilterConfigHotLink : public HotLinkWaitForAnswer, public MsgLoggingProducer
{
public:
    explicit FilterConfigHotLink(FilterStatisticsTab* tab);

    void hotLinkCallBack(DpMsgAnswer& answer) override;
    void hotLinkCallBack(DpHLGroup& group) override;
    void parseVarList(const QList<Variable*>& values);

private:
    static QList<Variable*> valuesOf(DpValueGroup& group);

    QPointer<FilterStatisticsTab> m_tab;
};
