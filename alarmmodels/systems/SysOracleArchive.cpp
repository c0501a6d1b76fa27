#include "systems/SysOracleArchive.h"

SysOracleArchive* SysOracleArchive::getInstance()
{
    static SysOracleArchive instance;
    return &instance;
}

void SysOracleArchive::setSystems(const QStringList& systems)
{
    if (systems == m_systems)
        return;
    m_systems = systems;
    emit contentChanged();
}
