#pragma once

#include "logging/MsgLoggerEnums.h"
#include "alarmmodels_export.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

class MsgLoggerModel;

// Log settings that producers built from one another share: changing them
// through any of the producers changes them for all. Settings with sinks
// (those of a multi producer and of the producers built from it) log to
// every sink, each with its own threshold, instead of to their own buffer.
struct MsgLoggingSettings
{
    MsgLoggerEnums::LogSeverity threshold = MsgLoggerEnums::LogInfo;
    int logFunc = 1;
    QSharedPointer<MsgLoggerModel> buffer;
    QList<QSharedPointer<MsgLoggingSettings>> sinks;
    bool addTime = false;

    // The settings whose threshold, mode and buffer apply: the first sink's
    // when there are sinks.
    MsgLoggingSettings& primary() { return sinks.isEmpty() ? *this : *sinks.first(); }
    const MsgLoggingSettings& primary() const { return sinks.isEmpty() ? *this : *sinks.first(); }
};

// Mix-in of every class that logs. A producer decides whether a message of a
// severity is logged, how the function name is written in front of it and
// where the message is delivered.
class ALARMMODELS_EXPORT MsgLoggingProducer
{
public:
    enum LogFuncMode
    {
        LogFuncNone = 0,
        LogFuncShort = 1,
        LogFuncSignature = 2
    };

    // A producer with settings of its own.
    MsgLoggingProducer();
    // A producer that shares the settings of parent (its own when parent is null).
    explicit MsgLoggingProducer(const MsgLoggingProducer* parent);
    virtual ~MsgLoggingProducer();

    bool isLogged(MsgLoggerEnums::LogSeverity severity) const;
    bool isLogged(int severity) const;

    MsgLoggerEnums::LogSeverity getLogThreshold() const;
    void setLogThreshold(MsgLoggerEnums::LogSeverity threshold);

    // 0 no function name, 1 the short name, 2 the full signature.
    int getLogFunc() const;
    void setLogFunc(int mode);

    QSharedPointer<MsgLoggerModel> getLogBuffer() const;
    void setLogBuffer(const QSharedPointer<MsgLoggerModel>& buffer);

    // Hands one finished message to the buffer and to the "qvas.log" category.
    virtual void deliverLogMessage(MsgLoggerEnums::LogSeverity severity, const QString& text) const;

    // Writes a message to the "qvas.log" category (off unless enabled).
    static void echoLogMessage(MsgLoggerEnums::LogSeverity severity, const QString& text);

    // The text written in front of a message: nothing for mode 0,
    // "shortName: " for mode 1, "signature: " for mode 2.
    static QString functionPrefix(int mode, const char* shortName, const char* signature);

protected:
    // The settings object, which outlives the producers that share it.
    QSharedPointer<MsgLoggingSettings> logSettings() const { return m_logSettings; }

private:
    // Holds the settings of the producers it logs to.
    friend class MsgLoggingMultiProducer;

    QSharedPointer<MsgLoggingSettings> m_logSettings;
};
