#pragma once

#include "logging/MsgLoggingProducer.h"
#include "alarmmodels_export.h"

#include <QList>

// A producer that logs to several sinks: its log parent's and those of every
// producer added with addLogProducer, each with its own threshold; a buffer
// shared by several sinks gets a message once. Producers built from this one
// log to the same sinks. Sinks are held by their settings, so a producer that
// added itself may be destroyed before this one.
class ALARMMODELS_EXPORT MsgLoggingMultiProducer : public MsgLoggingProducer
{
public:
    explicit MsgLoggingMultiProducer(const MsgLoggingProducer* logParent);

    void addLogProducer(const MsgLoggingProducer* producer);

    bool isMulti() const { return true; }
    // The lowest threshold of the sinks: what at least one of them logs.
    MsgLoggerEnums::LogSeverity getLogUserLogThreshold() const;
    bool isLogAddTime() const;
    void setLogAddTime(bool addTime);
    QList<QSharedPointer<MsgLoggerModel>> getUniqueLogBuffers() const;
};
