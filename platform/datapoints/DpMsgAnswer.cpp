#include "datapoints/DpMsgAnswer.h"

DpMsgAnswer::DpMsgAnswer()
    : DpMsg(MsgAnswer)
{
}
