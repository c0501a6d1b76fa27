#pragma once

#include "configuration/AlarmModelConfiguration.h"
#include "logging/MsgLoggingProducer.h"
#include "models/AlarmInstance.h"
#include "alarmmodels_export.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QVector>

class SystemConnectionsControl;

// The store of the alarms of all systems. Alarms come, change and go in
// batches; every consumer is told of each batch, restricted to the alarms
// of the systems it is connected to. Alarms are kept in the order of their
// identifiers, which the host gives in the order the alarms arrive.
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
    void clear();

    void addConsumer(SystemConnectionsControl* consumer);
    void removeConsumer(SystemConnectionsControl* consumer);

signals:
    // After every batch: the number of alarms held.
    void alarmCountChanged(int count);

private:
    enum Change
    {
        Added,
        Changed,
        Removed
    };
    void store(const AlarmList& alarms);
    void tellConsumers(Change change, const AlarmList& alarms);

    QVector<AlarmProp> m_properties;
    QMap<qint64, AlarmPtr> m_alarms;
    QList<SystemConnectionsControl*> m_consumers;
};
