#pragma once

#include "datapoints/AnswerGroup.h"
#include "datapoints/DpMsg.h"
#include "qvplatform_export.h"

#include <QVector>

// The answer to a request: one or more groups of values or errors.
class QVPLATFORM_EXPORT DpMsgAnswer : public DpMsg
{
public:
    DpMsgAnswer();

    void appendGroup(const AnswerGroup& group) { m_groups.append(group); }
    int getNumberOfGroups() const { return m_groups.size(); }
    const AnswerGroup& getGroup(int index) const { return m_groups.at(index); }
    AnswerGroup& getGroup(int index) { return m_groups[index]; }

private:
    QVector<AnswerGroup> m_groups;
};
