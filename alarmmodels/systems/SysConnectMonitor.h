#pragma once

#include "logging/MsgLoggingProducer.h"
#include "systems/SystemInfo.h"
#include "alarmmodels_export.h"

#include <QMap>
#include <QObject>

// The process-wide record of the systems of the installation and whether
// each is reachable. The host feeds it; views follow systemListChanged(),
// which is emitted for every real change, a new or gone system as well as a
// system that went down or came back.
class ALARMMODELS_EXPORT SysConnectMonitor : public QObject, public MsgLoggingProducer
{
    Q_OBJECT
public:
    // The one monitor; logParent gives its log settings when it is created.
    static SysConnectMonitor* getInstance(const MsgLoggingProducer* logParent = nullptr);

    const QMap<unsigned int, SystemInfo>& getSystems() const { return m_systems; }
    // The system of that name, or null.
    const SystemInfo* findSystem(const QString& name) const;

    // Adds or updates a system; false (and no signal) when nothing changed.
    bool setSystem(unsigned int number, const QString& name, bool connected);
    // Changes the reachability of a known system; false when unknown or unchanged.
    bool setSystemConnected(unsigned int number, bool connected);
    bool removeSystem(unsigned int number);
    // Replaces the whole list; one signal when it differs.
    void setSystems(const QMap<unsigned int, SystemInfo>& systems);

signals:
    void systemListChanged();

private:
    explicit SysConnectMonitor(const MsgLoggingProducer* logParent);

    QMap<unsigned int, SystemInfo> m_systems;
};
