#include "filtervalues/ValueFilter.h"

ValueFilter::ValueFilter(const WildcardConfig& config, const QString& valueId,
                         Constants::ValueSource source, bool matchCase)
    : MsgLoggingProducer(&config)
    , m_wildcardConfig(config)
    , m_valueId(valueId)
    , m_source(source)
    , m_matchCase(matchCase)
{
}

ValueFilter::~ValueFilter() = default;

void ValueFilter::setMatchCase(bool matchCase)
{
    m_matchCase = matchCase;
}

QString ValueFilter::propertyText() const
{
    return m_valueId + QLatin1Char('@') + QString::number(int(m_source));
}

bool ValueFilter::isSameProperty(const ValueFilter& other) const
{
    return m_valueId == other.m_valueId && m_source == other.m_source && m_matchCase == other.m_matchCase;
}
