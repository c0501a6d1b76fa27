#pragma once

#include "configuration/AlarmModelConfiguration.h"
#include "logging/MsgLoggingProducer.h"
#include "models/AlarmInstance.h"
#include "alarmmodels_export.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <QVector>

class SystemConnectionsControl;

// The store of the alarms of all systems. Alarms come, change and go in
// batches; every consumer is told of each batch, restricted to the alarms
// of the systems it is connected to. Alarms are kept in the order of their
// identifiers, which the host gives in the order the alarms arrive.
//
// With a slice size set, a batch larger than a slice is taken in a slice at
// a time, one slice per turn of the event loop, so that a flood of alarms
// never holds the loop (and the views on the alarms) for long. Every slice
// is stored and told to the consumers before the next one, so a consumer
// always sees what the model holds; batches and slices keep their order,
// and calls that need the whole past (acknowledge) take in what is pending
// first.
class ALARMMODELS_EXPORT AlarmsModel : public QObject, public MsgLoggingProducer
{
    Q_OBJECT
public:
    AlarmsModel(const AlarmModelConfiguration& config, const MsgLoggingProducer* logParent,
                QObject* parent = nullptr);

    // The properties of every alarm, each with its index set.
    const QVector<AlarmProp>& getAlarmProperties() const { return m_properties; }
    // The property of that name, or an invalid one.
    AlarmProp findProperty(const QString& name) const;
    // The property that filters and columns name by id and source, or an invalid one.
    AlarmProp findPropertyById(const QString& columnId, Constants::ValueSource source) const;

    // A new alarm whose value storage fits this model's properties.
    QSharedPointer<AlarmInstance> createAlarm(qint64 ident, const QString& system) const;

    AlarmPtr getAlarmByIdent(qint64 ident) const;
    const QMap<qint64, AlarmPtr>& getAlarms() const { return m_alarms; }
    int getAlarmCount() const { return m_alarms.size(); }
    // The alarms of the systems consumer is connected to, in identifier order.
    AlarmList getAlarmsFor(const SystemConnectionsControl* consumer) const;

    // New alarms; an identifier that is already held counts as a change.
    void addAlarms(const AlarmList& alarms);
    // New versions of held alarms; unknown identifiers are added.
    void updateAlarms(const AlarmList& alarms);
    // Removes the alarms of these identifiers; unknown ones are skipped.
    void removeAlarms(const QVector<qint64>& idents);
    // Acknowledges the unacknowledged alarms among idents; returns how many changed.
    int acknowledge(const QVector<qint64>& idents);
    // Drops the held alarms and the pending ones.
    void clear();

    // Alarms taken in per turn of the event loop; 0 (the default): every batch at once.
    void setSliceSize(int alarms);
    int getSliceSize() const { return m_sliceSize; }
    // Alarms (or identifiers to remove) of batches not yet taken in.
    int getPendingCount() const;
    // Takes in every pending batch now.
    void flushPending();

    void addConsumer(SystemConnectionsControl* consumer);
    void removeConsumer(SystemConnectionsControl* consumer);

signals:
    // After every batch (every slice of a sliced one): the number of alarms held.
    void alarmCountChanged(int count);

private slots:
    void takeSlice();

private:
    enum Change
    {
        Added,
        Changed,
        Removed
    };
    // A batch waiting to be taken in; next: the first element not taken yet.
    struct Pending
    {
        Change change;
        AlarmList alarms;       // Added and Changed
        QVector<qint64> idents; // Removed
        int next;

        int size() const { return change == Removed ? idents.size() : alarms.size(); }
    };
    // Takes batch in at once when nothing waits and it fits a slice; queues it otherwise.
    void takeNow(const Pending& batch);
    void take(const Pending& batch, int from, int to);
    void store(const AlarmList& alarms);
    void remove(const QVector<qint64>& idents);
    void tellConsumers(Change change, const AlarmList& alarms);

    QVector<AlarmProp> m_properties;
    QMap<qint64, AlarmPtr> m_alarms;
    QList<SystemConnectionsControl*> m_consumers;
    int m_sliceSize = 0;
    QVector<Pending> m_pending;
    QTimer m_sliceTimer;
};
