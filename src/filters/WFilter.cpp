#include "filters/WFilter.h"

WFilter::WFilter(const WildcardConfig& wildcardConfig, const QString& columnId,
                 Constants::ValueSource source, QWidget* parent)
    : QWidget(parent)
    , MsgLoggingProducer(&wildcardConfig)
    , m_wildcardConfig(wildcardConfig)
    , m_columnId(columnId)
    , m_source(source)
{
}

WFilter::~WFilter() = default;

bool WFilter::isPropertyMatch(const QSharedPointer<ValueFilter>& filter, QString& errMsg)
{
    // A missing filter is not for this widget; the caller moves on.
    if (!filter)
        return false;
    // One multi-argument arg() call each, so that a "%2" inside a value id
    // is not taken for a place holder.
    if (m_columnId != filter->getValueId()) {
        errMsg = tr("attempt to set filter for value '%1' to widget for column '%2'")
                     .arg(filter->getValueId(), m_columnId);
        return false;
    }
    if (m_source != filter->getSource()) {
        errMsg = tr("attempt to set filter for value '%1' source %2 to widget for source '%3'")
                     .arg(filter->getValueId(), QString::number(int(filter->getSource())),
                          QString::number(int(m_source)));
        return false;
    }
    return true;
}

void WFilter::setCompletionStrings(const QStringList& /*completions*/)
{
}

void WFilter::setColumnId(const QString& columnId)
{
    m_columnId = columnId;
}

QString WFilter::getColumnId() const
{
    return m_columnId;
}

Constants::ValueSource WFilter::getSource() const
{
    return m_source;
}
