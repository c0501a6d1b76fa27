#pragma once

#include "logging/MsgLoggingProducer.h"
#include "alarmmodels_export.h"

#include <QChar>

// Wildcard settings of an alarm screen. It is also the log producer from
// which filters and filter widgets take their log settings.
class ALARMMODELS_EXPORT WildcardConfig : public MsgLoggingProducer
{
public:
    WildcardConfig();
    // Shares the log settings of logParent.
    explicit WildcardConfig(const MsgLoggingProducer* logParent);

    // The character that matches any text.
    QChar matchAllChar = QLatin1Char('*');
    // An empty entry stands for matchAllChar.
    bool emptyIsMatchAll = false;
};
