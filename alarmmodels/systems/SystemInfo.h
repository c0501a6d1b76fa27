#pragma once

#include "alarmmodels_export.h"

#include <QString>

// What the system connection monitor knows of one system of the
// installation: its name and whether it is reachable.
class ALARMMODELS_EXPORT SystemInfo
{
public:
    SystemInfo() = default;
    SystemInfo(const QString& name, bool connected)
        : m_name(name)
        , m_connected(connected)
    {
    }

    const QString& getName() const { return m_name; }
    bool isConnected() const { return m_connected; }

    bool operator==(const SystemInfo& other) const
    {
        return m_name == other.m_name && m_connected == other.m_connected;
    }
    bool operator!=(const SystemInfo& other) const { return !(*this == other); }

private:
    QString m_name;
    bool m_connected = false;
};
