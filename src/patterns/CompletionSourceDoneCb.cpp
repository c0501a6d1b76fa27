#include "patterns/CompletionSourceDoneCb.h"

CompletionSourceDoneCb::CompletionSourceDoneCb(FilterCompletions* target, const QString& functionName,
                                               void* consumer)
    : MsgLoggingProducer(target)
    , m_target(target)
    , m_consumer(consumer)
    , m_functionName(functionName)
{
}

CompletionSourceDoneCb::CompletionSourceDoneCb(const CompletionSourceDoneCb& other)
    : DoneCB(other)
    , MsgLoggingProducer(other)
    , m_consumer(other.m_consumer)
    , m_functionName(other.m_functionName)
{
}

CompletionSourceDoneCb::~CompletionSourceDoneCb() = default;

DoneCB* CompletionSourceDoneCb::clone() const
{
    return new CompletionSourceDoneCb(*this);
}

void CompletionSourceDoneCb::execute(const Variable* result)
{
    if (m_target)
        m_target->applyCtrlCallReturnValue(m_consumer, result);
}
