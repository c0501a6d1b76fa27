#pragma once

#include "qvplatform_export.h"

// A message of the manager to a receiver of a connection.
class QVPLATFORM_EXPORT DpMsg
{
public:
    enum MsgType
    {
        MsgAnswer = 0,   // the answer to a request, such as a connection
        MsgHotLink = 1   // a change of connected values
    };

    explicit DpMsg(MsgType type);
    virtual ~DpMsg();

    MsgType isA() const { return m_type; }

private:
    MsgType m_type;
};
