#include "filtervalues/WildcardConfig.h"

WildcardConfig::WildcardConfig() = default;

WildcardConfig::WildcardConfig(const MsgLoggingProducer* logParent)
    : MsgLoggingProducer(logParent)
{
}
