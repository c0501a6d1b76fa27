#include "configuration/AlarmScreenConfiguration.h"

AlarmScreenConfiguration::AlarmScreenConfiguration()
    : m_wildcardConfig(this)
{
}

AlarmScreenConfiguration::AlarmScreenConfiguration(const MsgLoggingProducer* logParent)
    : MsgLoggingProducer(logParent)
    , m_wildcardConfig(this)
{
}
