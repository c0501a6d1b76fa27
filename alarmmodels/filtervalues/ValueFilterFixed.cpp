#include "filtervalues/ValueFilterFixed.h"

#include "models/AlarmInstance.h"

ValueFilterFixed::ValueFilterFixed(const WildcardConfig& config, const QString& valueId,
                                   Constants::ValueSource source, bool matchCase, const QString& kind,
                                   bool include)
    : ValueFilter(config, valueId, source, matchCase)
    , m_kind(kind)
    , m_include(include)
{
}

const QStringList& ValueFilterFixed::knownKinds()
{
    static const QStringList kinds{QStringLiteral("unacknowledged"), QStringLiteral("acknowledged"),
                                   QStringLiteral("came"), QStringLiteral("went")};
    return kinds;
}

QString ValueFilterFixed::toString() const
{
    return QStringLiteral("fixed ") + propertyText() + QStringLiteral(": ") + m_kind
        + (m_include ? QStringLiteral(" on") : QStringLiteral(" off"));
}

bool ValueFilterFixed::isEqual(const ValueFilter& other) const
{
    const auto* fixed = dynamic_cast<const ValueFilterFixed*>(&other);
    return fixed && isSameProperty(other) && fixed->m_kind == m_kind && fixed->m_include == m_include;
}

bool ValueFilterFixed::fits(const AlarmInstance& alarm) const
{
    if (m_kind == QLatin1String("unacknowledged"))
        return alarm.getAckState() == AlarmInstance::Unacknowledged;
    if (m_kind == QLatin1String("acknowledged"))
        return alarm.getAckState() == AlarmInstance::Acknowledged;
    if (m_kind == QLatin1String("came"))
        return !alarm.isWent();
    if (m_kind == QLatin1String("went"))
        return alarm.isWent();
    return false;
}

bool ValueFilterFixed::matches(const AlarmInstance& alarm, const AlarmProp& /*prop*/) const
{
    return !m_include || fits(alarm);
}
