#pragma once

#include "logging/MsgLoggingProducer.h"
#include "alarmmodels_export.h"

#include <QMap>
#include <QSharedPointer>
#include <QStringList>

// Counts which colour names are in use by the components that show them.
// A counter may forward its counts to a final target (the colour engine),
// so that a component can register its names on a counter of its own.
class ALARMMODELS_EXPORT ColorUsageCounter : public MsgLoggingProducer
{
public:
    explicit ColorUsageCounter(const MsgLoggingProducer* producer = nullptr);
    ~ColorUsageCounter() override;

    // Moves this counter's usages from the previous target to target.
    virtual void setFinalTarget(QSharedPointer<ColorUsageCounter> target);
    virtual void incrementColorUsage(const QString& name);
    // A decrement without a matching increment is ignored.
    virtual void decrementColorUsage(const QString& name);
    virtual bool isColorUsed(const QString& name) const;
    // The names in use, in name order.
    virtual QStringList getColors() const;

private:
    QMap<QString, int> m_usage;
    QSharedPointer<ColorUsageCounter> m_finalTarget;
};
