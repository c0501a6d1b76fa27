#include "logging/MsgLoggingProducer.h"

#include "logging/MsgLoggerModel.h"

#include <QDateTime>
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
    if (m_logSettings->sinks.isEmpty())
        return severity >= m_logSettings->threshold;
    for (const QSharedPointer<MsgLoggingSettings>& sink : qAsConst(m_logSettings->sinks)) {
        if (severity >= sink->threshold)
            return true;
    }
    return false;
}

bool MsgLoggingProducer::isLogged(int severity) const
{
    return isLogged(MsgLoggerEnums::LogSeverity(severity));
}

MsgLoggerEnums::LogSeverity MsgLoggingProducer::getLogThreshold() const
{
    return m_logSettings->primary().threshold;
}

void MsgLoggingProducer::setLogThreshold(MsgLoggerEnums::LogSeverity threshold)
{
    m_logSettings->primary().threshold = threshold;
}

int MsgLoggingProducer::getLogFunc() const
{
    return m_logSettings->primary().logFunc;
}

void MsgLoggingProducer::setLogFunc(int mode)
{
    m_logSettings->primary().logFunc = mode;
}

QSharedPointer<MsgLoggerModel> MsgLoggingProducer::getLogBuffer() const
{
    return m_logSettings->primary().buffer;
}

void MsgLoggingProducer::setLogBuffer(const QSharedPointer<MsgLoggerModel>& buffer)
{
    m_logSettings->primary().buffer = buffer;
}

void MsgLoggingProducer::deliverLogMessage(MsgLoggerEnums::LogSeverity severity, const QString& text) const
{
    const MsgLoggingSettings& settings = *m_logSettings;
    const QString line = settings.addTime
        ? QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz ")) + text
        : text;
    if (settings.sinks.isEmpty()) {
        if (settings.buffer)
            settings.buffer->addMessage(severity, line);
    } else {
        // A buffer shared by several sinks gets the message once.
        QList<MsgLoggerModel*> delivered;
        for (const QSharedPointer<MsgLoggingSettings>& sink : settings.sinks) {
            if (severity < sink->threshold || !sink->buffer || delivered.contains(sink->buffer.data()))
                continue;
            delivered.append(sink->buffer.data());
            sink->buffer->addMessage(severity, line);
        }
    }
    echoLogMessage(severity, line);
}

void MsgLoggingProducer::echoLogMessage(MsgLoggerEnums::LogSeverity severity, const QString& text)
{
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
