#include "systems/SystemConnectionsControl.h"

SystemConnectionsControl::SystemConnectionsControl(const MsgLoggingProducer* logParent)
    : MsgLoggingMultiProducer(logParent)
{
}

SystemConnectionsControl::~SystemConnectionsControl() = default;

QString SystemConnectionsControl::instanceTypeName() const
{
    return QStringLiteral("SystemConnectionsControl");
}

bool SystemConnectionsControl::isSystemConnected(const QString& system) const
{
    if (m_mirror)
        return m_mirror->isSystemConnected(system);
    return m_connectedToAll || m_connectedSystems.contains(system);
}

QStringList SystemConnectionsControl::getConnectedSystems() const
{
    if (m_mirror)
        return m_mirror->getConnectedSystems();
    return m_connectedSystems.keys();
}

bool SystemConnectionsControl::addConnectedSystem(const QString& system)
{
    if (m_connectedSystems.contains(system))
        return false;
    m_connectedSystems.insert(system, true);
    return true;
}

bool SystemConnectionsControl::removeConnectedSystem(const QString& system)
{
    return m_connectedSystems.remove(system) > 0;
}

void SystemConnectionsControl::setMirror(const SystemConnectionsControl* mirror)
{
    m_mirror = mirror == this ? nullptr : mirror;
}

void SystemConnectionsControl::alarmsAdded(const AlarmList&) {}
void SystemConnectionsControl::alarmsChanged(const AlarmList&) {}
void SystemConnectionsControl::alarmsRemoved(const AlarmList&) {}
void SystemConnectionsControl::alarmsCleared() {}
