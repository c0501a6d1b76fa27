#include "logging/MsgLoggingMultiProducer.h"

#include "logging/MsgLoggerModel.h"

MsgLoggingMultiProducer::MsgLoggingMultiProducer(const MsgLoggingProducer* logParent)
    : MsgLoggingProducer()
{
    // Settings of its own, whose first sinks are the parent's (or a fresh one).
    if (logParent)
        addLogProducer(logParent);
    else
        logSettings()->sinks.append(QSharedPointer<MsgLoggingSettings>::create());
}

void MsgLoggingMultiProducer::addLogProducer(const MsgLoggingProducer* producer)
{
    if (!producer || producer->m_logSettings == logSettings())
        return;
    QList<QSharedPointer<MsgLoggingSettings>>& sinks = logSettings()->sinks;
    // A producer that itself logs to sinks contributes those sinks.
    const QList<QSharedPointer<MsgLoggingSettings>> added =
        producer->m_logSettings->sinks.isEmpty() ? QList<QSharedPointer<MsgLoggingSettings>>{producer->m_logSettings}
                                                 : producer->m_logSettings->sinks;
    for (const QSharedPointer<MsgLoggingSettings>& sink : added) {
        if (!sinks.contains(sink))
            sinks.append(sink);
    }
}

MsgLoggerEnums::LogSeverity MsgLoggingMultiProducer::getLogUserLogThreshold() const
{
    MsgLoggerEnums::LogSeverity lowest = MsgLoggerEnums::LogError;
    for (const QSharedPointer<MsgLoggingSettings>& sink : qAsConst(logSettings()->sinks))
        lowest = qMin(lowest, sink->threshold);
    return lowest;
}

bool MsgLoggingMultiProducer::isLogAddTime() const
{
    return logSettings()->addTime;
}

void MsgLoggingMultiProducer::setLogAddTime(bool addTime)
{
    logSettings()->addTime = addTime;
}

QList<QSharedPointer<MsgLoggerModel>> MsgLoggingMultiProducer::getUniqueLogBuffers() const
{
    QList<QSharedPointer<MsgLoggerModel>> buffers;
    for (const QSharedPointer<MsgLoggingSettings>& sink : qAsConst(logSettings()->sinks)) {
        if (sink->buffer && !buffers.contains(sink->buffer))
            buffers.append(sink->buffer);
    }
    return buffers;
}
