#include "datapoints/DpMsg.h"

DpMsg::DpMsg(MsgType type)
    : m_type(type)
{
}

DpMsg::~DpMsg() = default;
