#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The demo's simulated alarms: a few systems, each with plant datapoints
// that raise alarms with a text and a priority.
class DemoAlarmData
{
public:
    struct Alarm
    {
        QString system;
        QString dpe;
        QString text;
        int priority;
    };

    DemoAlarmData();

    const QList<Alarm>& alarms() const { return m_alarms; }
    QStringList systems() const;
    QStringList dpesOfSystem(const QString& system) const;
    QStringList priorities() const;
    // Texts of the alarms whose datapoint matches the wildcard pattern
    // (empty: all), in alarm order without repeats.
    QStringList textsForDpePattern(const QString& pattern) const;

private:
    QList<Alarm> m_alarms;
};
