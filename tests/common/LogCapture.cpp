#include "LogCapture.h"

#include <logging/MsgLoggerModel.h>
#include <logging/MsgLoggingProducer.h>

LogCapture::LogCapture(MsgLoggingProducer* producer, int logFunc)
    : m_model(new MsgLoggerModel)
{
    producer->setLogBuffer(m_model);
    producer->setLogThreshold(MsgLoggerEnums::LogTrace);
    producer->setLogFunc(logFunc);
}

QStringList LogCapture::entries() const
{
    QStringList result;
    for (int row = 0; row < m_model->rowCount(); ++row)
        result << QString::number(int(m_model->severityAt(row))) + QLatin1Char('|') + m_model->messageAt(row);
    return result;
}

int LogCapture::count() const
{
    return m_model->rowCount();
}

void LogCapture::clear()
{
    m_model->clear();
}
