#include "MsgLoggingProducer.h"

#include "MsgLoggerModel.h"

#include <QLoggingCategory>

// Off by default; QT_LOGGING_RULES="qvas.log.debug=true" echoes every
// delivered message to stderr while debugging.
Q_LOGGING_CATEGORY(lcQvasLog, "qvas.log", QtInfoMsg)

MsgLoggingProducer::MsgLoggingProducer()
    : m_logSettings(QSharedPointer<MsgLoggingSettings>::create())
{
}

MsgLoggingProducer::MsgLoggingProducer(const MsgLoggingProducer* parent)
    : m_logSettings(parent ? parent->m_logSettings : QSharedPointer<MsgLoggingSettings>::create())
{
}

MsgLoggingProducer::~MsgLoggingProducer() = default;

bool MsgLoggingProducer::isLogged(MsgLoggerEnums::LogSeverity severity) const
{
    return severity >= m_logSettings->threshold;
}

bool MsgLoggingProducer::isLogged(int severity) const
{
    return isLogged(MsgLoggerEnums::LogSeverity(severity));
}

MsgLoggerEnums::LogSeverity MsgLoggingProducer::getLogThreshold() const
{
    return m_logSettings->threshold;
}

void MsgLoggingProducer::setLogThreshold(MsgLoggerEnums::LogSeverity threshold)
{
    m_logSettings->threshold = threshold;
}

int MsgLoggingProducer::getLogFunc() const
{
    return m_logSettings->logFunc;
}

void MsgLoggingProducer::setLogFunc(int mode)
{
    m_logSettings->logFunc = mode;
}

QSharedPointer<MsgLoggerModel> MsgLoggingProducer::getLogBuffer() const
{
    return m_logSettings->buffer;
}

void MsgLoggingProducer::setLogBuffer(const QSharedPointer<MsgLoggerModel>& buffer)
{
    m_logSettings->buffer = buffer;
}

void MsgLoggingProducer::deliverLogMessage(MsgLoggerEnums::LogSeverity severity, const QString& text) const
{
    if (m_logSettings->buffer)
        m_logSettings->buffer->addMessage(severity, text);
    qCDebug(lcQvasLog).noquote() << MsgLoggerEnums::severityName(severity) << text;
}

QString MsgLoggingProducer::functionPrefix(int mode, const char* shortName, const char* signature)
{
    const char* name = nullptr;
    if (mode == LogFuncShort)
        name = shortName;
    else if (mode == LogFuncSignature)
        name = signature;
    if (!name || !*name)
        return QString();
    return QString::fromUtf8(name) + QStringLiteral(": ");
}
