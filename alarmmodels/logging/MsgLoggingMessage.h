#pragma once

#include "logging/MsgLoggerEnums.h"
#include "alarmmodels_export.h"

#include <QString>

class MsgLoggingProducer;

// One log message: pieces are streamed into it and the whole text is
// delivered through the producer when the message is destroyed.
class ALARMMODELS_EXPORT MsgLoggingMessage
{
public:
    MsgLoggingMessage(const MsgLoggingProducer* producer, MsgLoggerEnums::LogSeverity severity);
    // Starts the text with the function name that the producer's getLogFunc() asks for.
    MsgLoggingMessage(const MsgLoggingProducer* producer, MsgLoggerEnums::LogSeverity severity,
                      const char* shortName, const char* signature);
    ~MsgLoggingMessage();

    MsgLoggingMessage(const MsgLoggingMessage&) = delete;
    MsgLoggingMessage& operator=(const MsgLoggingMessage&) = delete;

    MsgLoggingMessage& operator<<(const QString& text);
    MsgLoggingMessage& operator<<(const char* text);
    MsgLoggingMessage& operator<<(QChar c);
    MsgLoggingMessage& operator<<(int value);
    MsgLoggingMessage& operator<<(unsigned int value);
    MsgLoggingMessage& operator<<(long long value);
    MsgLoggingMessage& operator<<(double value);
    MsgLoggingMessage& operator<<(bool value);

    const QString& text() const { return m_text; }

    // True when producer is not null and logs severity.
    static bool isLoggedBy(const MsgLoggingProducer* producer, int severity);

private:
    const MsgLoggingProducer* m_producer;
    MsgLoggerEnums::LogSeverity m_severity;
    QString m_text;
};

// Logs one message through producer when it logs severity; the message
// starts with the calling function's name as the producer's mode selects:
//   MSG_LOG(this, MsgLoggerEnums::LogError) << "text " << row;
// A null producer logs nothing. The loop runs its body at most once and,
// unlike an if, is safe inside an unbraced if/else of the caller.
#define MSG_LOG(producer, severity)                                                          \
    for (bool msgLogOnce_ = MsgLoggingMessage::isLoggedBy((producer), (severity)); msgLogOnce_;   \
         msgLogOnce_ = false)                                                                \
        MsgLoggingMessage((producer), MsgLoggerEnums::LogSeverity(severity), __func__, Q_FUNC_INFO)
