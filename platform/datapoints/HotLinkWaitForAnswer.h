#pragma once

#include "datapoints/WaitForAnswer.h"
#include "qvplatform_export.h"

class DpHLGroup;
class DpMsg;

// Receives the values of a connection: the answer to the connection first,
// then a hotlink group on every change. Both arrive on the GUI thread from
// the event loop, never inside the call that caused them.
class QVPLATFORM_EXPORT HotLinkWaitForAnswer : public WaitForAnswer
{
public:
    void callBack(DpMsgAnswer& answer) override { hotLinkCallBack(answer); }
    void hotLinkCallBack(const DpMsg&, DpHLGroup& group) { hotLinkCallBack(group); }

    virtual void hotLinkCallBack(DpMsgAnswer& answer) = 0;
    virtual void hotLinkCallBack(DpHLGroup& group) = 0;
};
