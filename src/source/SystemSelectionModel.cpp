#include "source/SystemSelectionModel.h"

#include <systems/SysOracleArchive.h>

#include <QColor>

namespace {
QStringList archiveSystems()
{
    return SysOracleArchive::getInstance()->getSystems();
}
} // namespace

SystemSelectionModel::SystemSelectionModel(QObject* parent, int columns)
    : QAbstractTableModel(parent)
    , m_filter(QString(), Qt::CaseInsensitive, QRegExp::WildcardUnix)
    , m_columnCount(qMax(columns, 1))
    , m_initialDone(false)
{
    connect(SysOracleArchive::getInstance(), SIGNAL(contentChanged()), this, SLOT(systemListChanged()));
}

int SystemSelectionModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return (getTotalCount() + m_columnCount - 1) / m_columnCount;
}

int SystemSelectionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

int SystemSelectionModel::getTotalCount() const
{
    return archiveSystems().size();
}

QString SystemSelectionModel::systemAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() >= m_columnCount)
        return QString();
    const int position = index.row() * m_columnCount + index.column();
    const QStringList systems = archiveSystems();
    return position < systems.size() ? systems.at(position) : QString();
}

bool SystemSelectionModel::isHighlighted(const QString& system) const
{
    return !m_filter.isEmpty() && m_filter.isValid() && m_filter.exactMatch(system);
}

QVariant SystemSelectionModel::data(const QModelIndex& index, int role) const
{
    const QString system = systemAt(index);
    if (system.isEmpty())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return system;
    case Qt::BackgroundRole:
        return isHighlighted(system) ? QVariant(QColor(Qt::cyan)) : QVariant();
    case Qt::CheckStateRole:
        return m_selectedSystems.contains(system) ? Qt::Checked : Qt::Unchecked;
    default:
        break;
    }
    return QVariant();
}

Qt::ItemFlags SystemSelectionModel::flags(const QModelIndex& index) const
{
    // Every cell, empty ones included; the invalid root index has none, as
    // views and proxies expect of a table model.
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
}

bool SystemSelectionModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const QString system = systemAt(index);
    if (role != Qt::CheckStateRole || system.isEmpty())
        return false;
    bool changed = false;
    if (value.toInt() == Qt::Checked) {
        if (!m_selectedSystems.contains(system)) {
            m_selectedSystems.append(system);
            changed = true;
        }
    } else {
        changed = m_selectedSystems.removeOne(system);
    }
    if (changed) {
        emit dataChanged(index, index, {Qt::CheckStateRole});
        emitSelectionChanged();
    }
    return true;
}

QVariant SystemSelectionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("System");
    return QAbstractTableModel::headerData(section, orientation, role);
}

int SystemSelectionModel::setFilter(const QString& filter)
{
    m_filter.setPattern(filter);
    emitGridChanged(Qt::BackgroundRole);
    if (filter.isEmpty())
        return 0;
    int matching = 0;
    for (const QString& system : archiveSystems()) {
        if (isHighlighted(system))
            ++matching;
    }
    return matching;
}

QString SystemSelectionModel::setSelectedSystems(const QStringList& systems)
{
    if (systems.isEmpty())
        return QString();
    const QStringList known = archiveSystems();
    for (const QString& system : systems) {
        if (!known.contains(system))
            return tr("Unknwon system name: %1").arg(system);
    }
    bool added = false;
    for (const QString& system : systems) {
        if (!m_selectedSystems.contains(system)) {
            m_selectedSystems.append(system);
            added = true;
        }
    }
    if (added) {
        emitGridChanged(Qt::CheckStateRole);
        emitSelectionChanged();
    }
    return QString();
}

QString SystemSelectionModel::setInitial(const QStringList& systems)
{
    if (m_initialDone)
        return QString();
    m_initialDone = true;
    return setSelectedSystems(systems);
}

void SystemSelectionModel::setSelection(bool select)
{
    if (m_filter.isEmpty() || !m_filter.isValid())
        return;
    bool changed = false;
    for (const QString& system : archiveSystems()) {
        if (!isHighlighted(system))
            continue;
        if (select && !m_selectedSystems.contains(system)) {
            m_selectedSystems.append(system);
            changed = true;
        } else if (!select) {
            changed = m_selectedSystems.removeOne(system) || changed;
        }
    }
    if (changed) {
        emitGridChanged(Qt::CheckStateRole);
        emitSelectionChanged();
    }
}

void SystemSelectionModel::systemListChanged()
{
    beginResetModel();
    const QStringList known = archiveSystems();
    for (int i = m_selectedSystems.size() - 1; i >= 0; --i) {
        if (!known.contains(m_selectedSystems.at(i)))
            m_selectedSystems.removeAt(i);
    }
    endResetModel();
    emitSelectionChanged();
}

void SystemSelectionModel::emitGridChanged(int role)
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    emit dataChanged(index(0, 0), index(rows - 1, m_columnCount - 1), {role});
}

void SystemSelectionModel::emitSelectionChanged()
{
    emit selectionChanged(m_selectedSystems.size(), getTotalCount());
}
