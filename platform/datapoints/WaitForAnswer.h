#pragma once

#include "qvplatform_export.h"

class DpMsgAnswer;

// Receives the answer to a request made to the manager.
class QVPLATFORM_EXPORT WaitForAnswer
{
public:
    virtual ~WaitForAnswer();
    virtual void callBack(DpMsgAnswer& answer) = 0;
};
