#pragma once

#include "qvas_export.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <filtervalues/Constants.h>
#include <logging/MsgLoggingProducer.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/TimeRange.h>

#include <QColor>
#include <QDateTime>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// The abstract source control: where alarms come from (live, or an archive
// query over a time range), the progress of a running query and the apply
// button. It writes the source part into a filter.
class QVAS_EXPORT SourceUi : public QWidget, public MsgLoggingProducer
{
    Q_OBJECT
public:
    SourceUi(const AlarmScreenConfiguration& config, QWidget* parent);
    ~SourceUi() override;

    // The state label's background for state; invalid where there is none.
    QColor findStateColor(Constants::SourceState state) const;
    // The background that shows a source state, also in the query state popup.
    static QColor stateColor(Constants::SourceState state);
    Constants::SourceMode getMode() const { return m_mode; }
    Constants::SourceMode getArchiveMode() const { return m_archiveMode; }
    const TimeRange& getTimeRange() const { return m_timeRange; }

public slots:
    virtual Qt::TimeSpec getTimeSpec() const;
    virtual void setTimeSpec(Qt::TimeSpec spec);
    virtual void connectedSystemsChanged(const QStringList& systems);
    virtual void addToFilter(const SourceAndFilter& filter) const;
    virtual void compareWithFilter(const SourceAndFilter& filter, bool flag) = 0;
    virtual QString prepareArchiveMode(const QDateTime& start, const QDateTime& end, const QStringList& systems);
    virtual void prepareOnlineMode() = 0;
    virtual void displayFilterModified(bool same) = 0;
    virtual void displaySourceState(Constants::SourceState state) = 0;
    virtual void displaySourceCounts(unsigned int totalRead, unsigned int matching) = 0;
    virtual bool mayApplySettings() const;
    virtual void setMayApplySettings(bool may);

signals:
    void apply();
    void abortQuery();
    void changed();

protected:
    Constants::SourceMode m_mode;
    Constants::SourceMode m_archiveMode;
    Constants::SourceState m_state;
    QDateTime m_queryStartTime;
    QTimer m_stateTimer;
    TimeRange m_timeRange;
    QStringList m_connectedSystems;
    bool m_mayApplySettings;
};
