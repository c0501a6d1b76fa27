#pragma once

#include <logging/MsgLoggerEnums.h>

#include <QSharedPointer>
#include <QStringList>

class MsgLoggerModel;
class MsgLoggingProducer;

// Collects what a producer (and every producer sharing its settings)
// delivers, so tests can assert exact texts and severities.
class LogCapture
{
public:
    // Attaches to producer with threshold 0 and the given function-name mode.
    explicit LogCapture(MsgLoggingProducer* producer, int logFunc = 0);

    // Every message as "severity|text", oldest first.
    QStringList entries() const;
    int count() const;
    void clear();

    QSharedPointer<MsgLoggerModel> model() const { return m_model; }

private:
    QSharedPointer<MsgLoggerModel> m_model;
};
