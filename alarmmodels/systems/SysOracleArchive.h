#pragma once

#include "alarmmodels_export.h"

#include <QObject>
#include <QStringList>

// The archive service: the systems whose alarms the archive holds. The host
// sets the list; every change is announced with contentChanged().
class ALARMMODELS_EXPORT SysOracleArchive : public QObject
{
    Q_OBJECT
public:
    static SysOracleArchive* getInstance();

    QStringList getSystems() const { return m_systems; }
    // Replaces the list; emits contentChanged() when it differs.
    void setSystems(const QStringList& systems);

signals:
    void contentChanged();

private:
    SysOracleArchive() = default;

    QStringList m_systems;
};
