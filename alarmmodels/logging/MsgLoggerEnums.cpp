#include "logging/MsgLoggerEnums.h"

QString MsgLoggerEnums::severityName(LogSeverity severity)
{
    switch (severity) {
    case LogTrace:
        return QStringLiteral("trace");
    case LogInfo:
        return QStringLiteral("info");
    case LogWarning:
        return QStringLiteral("warning");
    case LogError:
        return QStringLiteral("error");
    }
    return QString::number(int(severity));
}
