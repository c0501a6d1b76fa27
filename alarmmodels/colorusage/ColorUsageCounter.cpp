#include "colorusage/ColorUsageCounter.h"

ColorUsageCounter::ColorUsageCounter(const MsgLoggingProducer* producer)
    : MsgLoggingProducer(producer)
{
}

ColorUsageCounter::~ColorUsageCounter()
{
    // The target outlives this counter: take back what was registered there.
    setFinalTarget(QSharedPointer<ColorUsageCounter>());
}

void ColorUsageCounter::setFinalTarget(QSharedPointer<ColorUsageCounter> target)
{
    if (target == m_finalTarget || target.data() == this)
        return;
    for (auto it = m_usage.cbegin(); it != m_usage.cend(); ++it) {
        for (int i = 0; i < it.value(); ++i) {
            if (m_finalTarget)
                m_finalTarget->decrementColorUsage(it.key());
            if (target)
                target->incrementColorUsage(it.key());
        }
    }
    m_finalTarget = target;
}

void ColorUsageCounter::incrementColorUsage(const QString& name)
{
    ++m_usage[name];
    if (m_finalTarget)
        m_finalTarget->incrementColorUsage(name);
}

void ColorUsageCounter::decrementColorUsage(const QString& name)
{
    auto it = m_usage.find(name);
    if (it == m_usage.end())
        return;
    if (--it.value() <= 0)
        m_usage.erase(it);
    if (m_finalTarget)
        m_finalTarget->decrementColorUsage(name);
}

bool ColorUsageCounter::isColorUsed(const QString& name) const
{
    return m_usage.contains(name);
}

QStringList ColorUsageCounter::getColors() const
{
    return m_usage.keys();
}
