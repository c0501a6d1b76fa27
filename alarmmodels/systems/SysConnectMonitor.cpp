#include "systems/SysConnectMonitor.h"

#include "logging/MsgLoggingMessage.h"

SysConnectMonitor::SysConnectMonitor(const MsgLoggingProducer* logParent)
    : MsgLoggingProducer(logParent)
{
}

SysConnectMonitor* SysConnectMonitor::getInstance(const MsgLoggingProducer* logParent)
{
    // Lives as long as the process, as the platform's own record does.
    static SysConnectMonitor* instance = new SysConnectMonitor(logParent);
    return instance;
}

const SystemInfo* SysConnectMonitor::findSystem(const QString& name) const
{
    for (auto it = m_systems.constBegin(); it != m_systems.constEnd(); ++it) {
        if (it->getName() == name)
            return &it.value();
    }
    return nullptr;
}

bool SysConnectMonitor::setSystem(unsigned int number, const QString& name, bool connected)
{
    const SystemInfo info(name, connected);
    auto it = m_systems.find(number);
    if (it != m_systems.end() && *it == info)
        return false;
    m_systems.insert(number, info);
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "system " << number << " '" << name << "' " << (connected ? "connected" : "not connected");
    emit systemListChanged();
    return true;
}

bool SysConnectMonitor::setSystemConnected(unsigned int number, bool connected)
{
    auto it = m_systems.constFind(number);
    return it != m_systems.constEnd() && setSystem(number, it->getName(), connected);
}

bool SysConnectMonitor::removeSystem(unsigned int number)
{
    if (!m_systems.remove(number))
        return false;
    emit systemListChanged();
    return true;
}

void SysConnectMonitor::setSystems(const QMap<unsigned int, SystemInfo>& systems)
{
    if (systems == m_systems)
        return;
    m_systems = systems;
    emit systemListChanged();
}
