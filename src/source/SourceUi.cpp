#include "source/SourceUi.h"

SourceUi::SourceUi(const AlarmScreenConfiguration& config, QWidget* parent)
    : QWidget(parent)
    , MsgLoggingProducer(&config)
    , m_mode(Constants::SourceModeOnline)
    , m_archiveMode(Constants::SourceMode(config.getAlarmSourceConfiguration().archiveSourceMode))
    , m_state(Constants::SourceStateIdle)
    , m_timeRange(&config, Qt::LocalTime)
    , m_mayApplySettings(false)
{
}

SourceUi::~SourceUi() = default;

QColor SourceUi::findStateColor(Constants::SourceState state) const
{
    return stateColor(state);
}

QColor SourceUi::stateColor(Constants::SourceState state)
{
    switch (state) {
    case Constants::SourceStateError:
    case Constants::SourceStateQueryFailed:
        return QColor(255, 192, 192);
    case Constants::SourceStateConnecting:
    case Constants::SourceStateWaiting:
    case Constants::SourceStateQueryStarted:
    case Constants::SourceStateQueryReading:
        return QColor(255, 255, 192);
    default:
        break;
    }
    return QColor();
}

Qt::TimeSpec SourceUi::getTimeSpec() const
{
    return m_timeRange.getTimeSpec();
}

void SourceUi::setTimeSpec(Qt::TimeSpec spec)
{
    m_timeRange.setTimeSpec(spec);
}

void SourceUi::connectedSystemsChanged(const QStringList& systems)
{
    if (!systems.isSharedWith(m_connectedSystems))
        m_connectedSystems = systems;
}

void SourceUi::addToFilter(const SourceAndFilter& filter) const
{
    filter.setSourceMode(m_mode);
    filter.setTimeRange(m_timeRange);
}

QString SourceUi::prepareArchiveMode(const QDateTime& start, const QDateTime& end, const QStringList& /*systems*/)
{
    m_timeRange.setRangeType(TimeRange::FixedInterval);
    QDateTime startTime;
    startTime.setSecsSinceEpoch(start.toSecsSinceEpoch());
    startTime.setTimeSpec(getTimeSpec());
    QDateTime endTime;
    endTime.setSecsSinceEpoch(end.toSecsSinceEpoch());
    endTime.setTimeSpec(getTimeSpec());
    m_timeRange.setStartTime(startTime);
    m_timeRange.setEndTime(endTime);
    return QString();
}

bool SourceUi::mayApplySettings() const
{
    return m_mayApplySettings;
}

void SourceUi::setMayApplySettings(bool may)
{
    m_mayApplySettings = may;
}
