#include "statistics/FilterConfigHotLink.h"

#include "statistics/FilterStatisticsTab.h"

#include <datapoints/DpHLGroup.h>
#include <datapoints/DpMsgAnswer.h>
#include <logging/MsgLoggingMessage.h>
#include <scriptbridge/converter.h>

FilterConfigHotLink::FilterConfigHotLink(FilterStatisticsTab* tab)
    : MsgLoggingProducer(nullptr)
    , m_tab(tab)
{
}

QList<Variable*> FilterConfigHotLink::valuesOf(DpValueGroup& group)
{
    QList<Variable*> values;
    for (int i = 0; i < group.getNumberOfItems(); ++i)
        values.append(group.getValue(i));
    return values;
}

void FilterConfigHotLink::hotLinkCallBack(DpMsgAnswer& answer)
{
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << "[FilterConfigHotLink] Receiving DpMsgAnswer";
    if (!m_tab)
        return;
    for (int i = 0; i < answer.getNumberOfGroups(); ++i) {
        AnswerGroup& group = answer.getGroup(i);
        if (const ErrClass* error = group.getErrorPtr()) {
            MSG_LOG(this, MsgLoggerEnums::LogError)
                << "[FilterConfigHotLink] Receiving DpMsgAnswer error: " << error->toString().toQString();
            return;
        }
        parseVarList(valuesOf(group));
    }
}

void FilterConfigHotLink::hotLinkCallBack(DpHLGroup& group)
{
    if (!m_tab)
        return;
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << "[FilterConfigHotLink] Receiving  DpHLGroup";
    if (const ErrClass* error = group.getErrorPtr()) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "[FilterConfigHotLink] error arrived: " << error->getErrorText().toQString();
        return;
    }
    parseVarList(valuesOf(group));
}

void FilterConfigHotLink::parseVarList(const QList<Variable*>& values)
{
    if (values.size() != 3) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "[FilterConfigHotLink]: list of variables contains "
                                                 << values.size() << ", while 3 items are expected";
        return;
    }
    const QString setName = converter::anyVariableToVariant(this, values.at(0)).toString();
    const QString configDp = converter::anyVariableToVariant(this, values.at(1)).toString();
    const QString setJson = converter::anyVariableToVariant(this, values.at(2)).toString();
    // The tab logs its own errors; the text it returns adds nothing here.
    if (m_tab)
        m_tab->newDpData(setName, configDp, setJson);
}
