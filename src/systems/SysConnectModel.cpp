#include "systems/SysConnectModel.h"

#include <models/AlarmsProxyModel.h>
#include <systems/SysConnectMonitor.h>

#include <algorithm>

SysConnectModel::SysConnectModel(AlarmsProxyModel* proxyModel, bool editable, QObject* parent)
    : QAbstractTableModel(parent)
    , MsgLoggingProducer(proxyModel)
    , m_proxyModel(proxyModel)
    , m_columnCount(1)
    , m_editable(editable)
{
    connect(m_proxyModel, SIGNAL(connectedSystemsChanged()), this, SLOT(connectedSystemsChanged()));
    connect(SysConnectMonitor::getInstance(this), SIGNAL(systemListChanged()), this, SLOT(systemListChanged()));
    systemListChanged();
}

int SysConnectModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return (m_systems.size() + m_columnCount - 1) / m_columnCount;
}

int SysConnectModel::columnCount(const QModelIndex&) const
{
    return m_columnCount;
}

int SysConnectModel::positionOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() >= m_columnCount)
        return -1;
    const int position = index.row() * m_columnCount + index.column();
    return position < m_systems.size() ? position : -1;
}

QVariant SysConnectModel::data(const QModelIndex& index, int role) const
{
    const int position = positionOf(index);
    if (position < 0)
        return QVariant();
    const SystemConnectionInfo& info = m_systems.at(position);
    switch (role) {
    case Qt::DisplayRole:
        return info.systemName;
    case Qt::DecorationRole:
        return info.systemConnected ? QVariant() : QVariant(m_icon);
    case Qt::CheckStateRole:
        return int(info.modelConnected ? Qt::Checked : Qt::Unchecked);
    default:
        return QVariant();
    }
}

bool SysConnectModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int position = positionOf(index);
    if (role != Qt::CheckStateRole || position < 0)
        return false;
    // The check mark itself changes when the proxy model reports the new
    // connection (connectedSystemsChanged).
    const QString& name = m_systems.at(position).systemName;
    if (value.toInt() == Qt::Checked)
        m_proxyModel->connectToSystem(name);
    else
        m_proxyModel->disconnectFromSystem(name);
    return true;
}

Qt::ItemFlags SysConnectModel::flags(const QModelIndex& index) const
{
    // The root is no cell; every cell, even an empty one of the last row, has the same flags.
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable;
    if (m_editable)
        result |= Qt::ItemIsEnabled;
    return result;
}

QVariant SysConnectModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("System");
    return QAbstractTableModel::headerData(section, orientation, role);
}

int SysConnectModel::findSystemIdx(const QString& name) const
{
    return m_positions.value(name, -1);
}

void SysConnectModel::indexPositions()
{
    m_positions.clear();
    m_positions.reserve(m_systems.size());
    for (int i = 0; i < m_systems.size(); ++i)
        m_positions.insert(m_systems.at(i).systemName, i);
}

QModelIndex SysConnectModel::itemIndex(int position) const
{
    if (position < 0 || position >= m_systems.size())
        return QModelIndex();
    return index(position / m_columnCount, position % m_columnCount);
}

bool SysConnectModel::systemListHasChanged(const QMap<unsigned int, SystemInfo>& systems) const
{
    for (const SystemInfo& system : systems) {
        if (findSystemIdx(system.getName()) < 0)
            return true;
    }
    return false;
}

int SysConnectModel::columnsFor(int systemCount)
{
    if (systemCount <= 9)
        return 1;
    if (systemCount < 50)
        return systemCount / 10;
    return 4;
}

void SysConnectModel::processSystemListChanges(const QMap<unsigned int, SystemInfo>& systems)
{
    beginResetModel();
    for (const SystemInfo& system : systems) {
        const int position = findSystemIdx(system.getName());
        if (position >= 0) {
            m_systems[position].systemConnected = system.isConnected();
        } else {
            SystemConnectionInfo info;
            info.systemName = system.getName();
            info.systemConnected = system.isConnected();
            info.modelConnected = m_proxyModel->isSystemConnected(system.getName());
            // Known from now on, should the map name a system twice.
            m_positions.insert(info.systemName, m_systems.size());
            m_systems.append(info);
        }
    }
    std::sort(m_systems.begin(), m_systems.end());
    indexPositions();
    m_columnCount = columnsFor(m_systems.size());
    endResetModel();
    emit columnWidhtCanChange();
}

void SysConnectModel::processSystemConnectionChanges(const QMap<unsigned int, SystemInfo>& systems)
{
    bool wentDown = false;
    for (const SystemInfo& system : systems) {
        const int position = findSystemIdx(system.getName());
        if (position < 0 || m_systems.at(position).systemConnected == system.isConnected())
            continue;
        m_systems[position].systemConnected = system.isConnected();
        wentDown = wentDown || !system.isConnected();
        const QModelIndex cell = itemIndex(position);
        emit dataChanged(cell, cell);
    }
    // A system that went down gets a decoration, which needs room.
    if (wentDown)
        emit columnWidhtCanChange();
}

void SysConnectModel::connectedSystemsChanged()
{
    for (int i = 0; i < m_systems.size(); ++i) {
        const bool connected = m_proxyModel->isSystemConnected(m_systems.at(i).systemName);
        if (connected == m_systems.at(i).modelConnected)
            continue;
        m_systems[i].modelConnected = connected;
        const QModelIndex cell = itemIndex(i);
        emit dataChanged(cell, cell);
    }
}

void SysConnectModel::systemListChanged()
{
    const QMap<unsigned int, SystemInfo> systems = SysConnectMonitor::getInstance(this)->getSystems();
    if (systemListHasChanged(systems))
        processSystemListChanges(systems);
    else
        processSystemConnectionChanges(systems);
}
