#pragma once

#include "DemoAlarmData.h"

#include <models/AlarmsModel.h>

#include <QDateTime>
#include <QObject>
#include <QRandomGenerator>
#include <QSharedPointer>
#include <QTimer>

// The plant behind the demo's alarm screen: alarms of the demo's datapoints
// come, go and are acknowledged, now and then in bursts, and systems go down
// and come back. It feeds the alarm model and the system connection
// monitor as the platform would. Its random numbers have a fixed seed, so
// that every run (and screenshot) starts alike.
class DemoAlarmSimulator : public QObject
{
    Q_OBJECT
public:
    DemoAlarmSimulator(const DemoAlarmData& data, const QSharedPointer<AlarmsModel>& model, QObject* parent);

    // The systems the monitor knows, with numbers 1 and up; the last one is down.
    QStringList systemNames() const;
    // Fills the model with the alarms of the last hours and starts the plant.
    void start(int intervalMs = 1000);
    // A burst of count alarms at once, as a plant upset gives.
    void burst(int count);
    // An alarm of the simulator's datapoints, as it came at time.
    AlarmPtr makeAlarm(qint64 ident, const DemoAlarmData::Alarm& source, const QDateTime& time,
                       AlarmInstance::AckState ack, bool went) const;
    qint64 nextIdent() { return ++m_lastIdent; }

private slots:
    void tick();

private:
    void come(int count, const QDateTime& time);

    const DemoAlarmData& m_data;
    QSharedPointer<AlarmsModel> m_model;
    QRandomGenerator m_random;
    QTimer m_timer;
    qint64 m_lastIdent = 0;
    int m_ticks = 0;
};
