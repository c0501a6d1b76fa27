#pragma once

#include "alarmmodels_export.h"

#include <QMetaType>
#include <QObject>

// Severities of log messages, from the most detailed trace (0) to errors (3).
class ALARMMODELS_EXPORT MsgLoggerEnums
{
    Q_GADGET
public:
    enum LogSeverity
    {
        LogTrace = 0,    // the most detailed trace
        LogInfo = 1,     // entries that could not be read
        LogWarning = 2,  // misuse, filters that cannot be shown
        LogError = 3     // script, answer and internal inconsistencies
    };
    Q_ENUM(LogSeverity)

    // "trace", "info", "warning" or "error"; the number for anything else.
    static QString severityName(LogSeverity severity);
};

Q_DECLARE_METATYPE(MsgLoggerEnums::LogSeverity)
