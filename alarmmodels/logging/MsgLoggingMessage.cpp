#include "logging/MsgLoggingMessage.h"

#include "logging/MsgLoggingProducer.h"

MsgLoggingMessage::MsgLoggingMessage(const MsgLoggingProducer* producer,
                                     MsgLoggerEnums::LogSeverity severity)
    : m_producer(producer)
    , m_severity(severity)
{
}

MsgLoggingMessage::MsgLoggingMessage(const MsgLoggingProducer* producer,
                                     MsgLoggerEnums::LogSeverity severity, const char* shortName,
                                     const char* signature)
    : m_producer(producer)
    , m_severity(severity)
    , m_text(producer ? MsgLoggingProducer::functionPrefix(producer->getLogFunc(), shortName, signature)
                      : QString())
{
}

MsgLoggingMessage::~MsgLoggingMessage()
{
    if (m_producer)
        m_producer->deliverLogMessage(m_severity, m_text);
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(const QString& text)
{
    m_text += text;
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(const char* text)
{
    m_text += QString::fromUtf8(text);
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(QChar c)
{
    m_text += c;
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(int value)
{
    m_text += QString::number(value);
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(unsigned int value)
{
    m_text += QString::number(value);
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(long long value)
{
    m_text += QString::number(value);
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(double value)
{
    m_text += QString::number(value);
    return *this;
}

MsgLoggingMessage& MsgLoggingMessage::operator<<(bool value)
{
    m_text += value ? QStringLiteral("true") : QStringLiteral("false");
    return *this;
}

bool MsgLoggingMessage::isLoggedBy(const MsgLoggingProducer* producer, int severity)
{
    return producer && producer->isLogged(severity);
}
