#pragma once

#include "filtervalues/SourceAndFilter.h"
#include "models/AlarmMatcher.h"
#include "systems/SystemConnectionsControl.h"
#include "alarmmodels_export.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QVariant>

class AlarmsModel;

// The counts of the alarms (of all systems) that match one filter, kept up
// to date as alarms come, change and go: each batch changes the counts by
// the alarms it holds, and emits changed() once when a count changed.
class ALARMMODELS_EXPORT FilterStatistics : public QObject, public SystemConnectionsControl
{
    Q_OBJECT
public:
    enum Counter
    {
        CountAll = 0,
        CountUnacknowledged,
        CountAcknowledged,
        CountCame,  // not gone yet
        CountWent,
        CountCameUnacknowledged,
        CountWentUnacknowledged,
        CounterCount
    };

    FilterStatistics(const QSharedPointer<AlarmsModel>& model, const SourceAndFilter& filter,
                     const MsgLoggingProducer* logParent);
    ~FilterStatistics() override;

    QString instanceTypeName() const override;
    // The name of the filter counted.
    const QString& getName() const { return m_filter.getName(); }
    const SourceAndFilter& getFilter() const { return m_filter; }
    int getCount(Counter counter) const { return m_counts[counter]; }
    // The highest "PRIORITY" of the matching alarms; invalid when none matches.
    QVariant getHighestPriority() const;
    // Counts every alarm of the model afresh, as the incremental counts must stay.
    void recount();
    // Counts the alarms of another model (none: nothing to count).
    void setModel(const QSharedPointer<AlarmsModel>& model);

    void alarmsAdded(const AlarmList& alarms) override;
    void alarmsChanged(const AlarmList& alarms) override;
    void alarmsRemoved(const AlarmList& alarms) override;
    void alarmsCleared() override;

signals:
    void changed(const FilterStatistics* stats);

private:
    struct Counted
    {
        quint8 flags;  // a bit per Counter
        int priority;
        bool hasPriority;
    };
    Counted countedOf(const AlarmInstance& alarm) const;
    void add(const Counted& counted, int sign);
    void finishBatch(bool changed);

    QSharedPointer<AlarmsModel> m_model;
    SourceAndFilter m_filter;
    AlarmMatcher m_matcher;
    AlarmProp m_priority;
    int m_counts[CounterCount] = {};
    // What each counted alarm added, so that a change or removal takes it back.
    QHash<qint64, Counted> m_counted;
    // Priority to the number of matching alarms that have it.
    QMap<int, int> m_priorities;
};
