#include "statistics/FilterDpLink.h"

#include "configuration/FilterJson.h"
#include "filtervalues/WildcardConfig.h"
#include "logging/MsgLoggingMessage.h"
#include "scriptbridge/converter.h"
#include "statistics/FilterStatisticsValueConsumer.h"

#include <datapoints/DpHLGroup.h>
#include <datapoints/DpMsgAnswer.h>
#include <datapoints/Manager.h>

const char* const FilterDpLink::FILTER_DP_TYPE = "_QvAsStatFilter";

FilterDpLink::FilterDpLink(FilterStatisticsValueConsumer* consumer, const QString& dpName)
    : m_consumer(consumer)
    , m_dpName(dpName)
{
}

FilterDpLink* FilterDpLink::connect(FilterStatisticsValueConsumer* consumer, const QString& dpName)
{
    if (Manager::getTypeName(dpName) != QLatin1String(FILTER_DP_TYPE))
        return nullptr;
    auto* link = new FilterDpLink(consumer, dpName);
    QString errMsg;
    if (!converter::getDpIds(consumer, {dpName + QStringLiteral(".Name"), dpName + QStringLiteral(".Filter")},
                             link->m_ids, errMsg)) {
        delete link;
        return nullptr;
    }
    const DpIdentList ids = link->m_ids;
    // The manager owns the link from here on, also when connecting fails.
    return Manager::dpConnect(ids, Manager::eventId, link, true) ? link : nullptr;
}

void FilterDpLink::disconnect(FilterDpLink* link)
{
    if (link)
        Manager::dpDisconnect(link->m_ids, link, Manager::eventId);
}

void FilterDpLink::hotLinkCallBack(DpMsgAnswer& answer)
{
    if (answer.getNumberOfGroups() > 0)
        take(answer.getGroup(0));
}

void FilterDpLink::hotLinkCallBack(DpHLGroup& group)
{
    take(group);
}

void FilterDpLink::take(const DpValueGroup& group)
{
    if (group.getErrorPtr() || group.getNumberOfItems() != 2) {
        MSG_LOG(m_consumer, MsgLoggerEnums::LogWarning)
            << "filter datapoint " << m_dpName << " sent no filter"
            << (group.getErrorPtr() ? QStringLiteral(": ") + group.getErrorPtr()->toString().toQString() : QString());
        return;
    }
    const QString name = converter::anyVariableToVariant(m_consumer, group.getValue(0)).toString();
    const QByteArray json = converter::anyVariableToVariant(m_consumer, group.getValue(1)).toString().toUtf8();
    const WildcardConfig wildcard(m_consumer);
    SourceAndFilter filter(&wildcard, name.isEmpty() ? m_dpName : name);
    QString errMsg;
    if (!FilterJson::fromText(json, wildcard, nullptr, filter, errMsg)) {
        MSG_LOG(m_consumer, MsgLoggerEnums::LogWarning) << "filter datapoint " << m_dpName << ": " << errMsg;
        m_consumer->setDpDataFailed();
        return;
    }
    m_consumer->setDpData(m_dpName, filter);
}
