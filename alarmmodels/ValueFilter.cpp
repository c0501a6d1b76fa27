#include "ValueFilter.h"

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
