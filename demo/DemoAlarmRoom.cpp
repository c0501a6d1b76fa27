#include "DemoAlarmRoom.h"

#include "DemoAlarmData.h"
#include "DemoAlarmDelegate.h"
#include "DemoAlarmSimulator.h"
#include "DemoAlarmMouse.h"

#include <colors/ColorEngine.h>
#include <table/ExporterCSV.h>
#include <table/TreeNodesState.h>

#include <configuration/AlarmScreenConfiguration.h>
#include <logging/MsgLoggingMessage.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <systems/SysConnectMonitor.h>

#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const char* const kTextProperty = "ALERT_TEXT";

} // namespace

DemoAlarmRoom::DemoAlarmRoom(const DemoAlarmData& data, const AlarmScreenConfiguration& config,
                             MsgLoggingProducer* producer, const ActionAccessUser* access, QWidget* parent)
    : QWidget(parent)
    , m_data(data)
    , m_producer(producer)
{
    setObjectName(QStringLiteral("alarms"));
    createModels(config);
    createTable();
    // Mouse events on the table go to the demo's script library (or to the
    // host, as configured); its menus are shown for right presses.
    m_mouse = new DemoAlarmMouse(m_table, config, producer, access, this);
    connect(m_mouse, SIGNAL(filterChosen(const SourceAndFilter&)), this, SIGNAL(filterChosen(const SourceAndFilter&)));
    connect(m_mouse, SIGNAL(message(const QString&)), this, SIGNAL(message(const QString&)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    m_grouping = m_proxy->getGroupingDepth() >= 2 ? QStringLiteral("system-priority")
               : m_proxy->getGroupingDepth() == 1 ? QStringLiteral("system")
                                                  : QStringLiteral("none");
}

DemoAlarmRoom::~DemoAlarmRoom() = default;

void DemoAlarmRoom::createModels(const AlarmScreenConfiguration& config)
{
    m_alarmModel.reset(new AlarmsModel(config.getAlarmModelConfiguration(), m_producer));
    m_archiveModel.reset(new AlarmsModel(config.getAlarmModelConfiguration(), m_producer));
    m_proxy = new AlarmsProxyModel(m_alarmModel, config.getProxyModelConfiguration(), this);
    m_archiveProxy = new AlarmsProxyModel(m_archiveModel, config.getProxyModelConfiguration(), this);
    m_simulator = new DemoAlarmSimulator(m_data, m_alarmModel, this);
    m_proxy->setConnectedSystems(m_simulator->systemNames());
    for (AlarmsProxyModel* proxy : {m_proxy, m_archiveProxy}) {
        proxy->setGroupingConfiguration(config.getGroupingConfiguration());
        connect(proxy, SIGNAL(alarmCountsChanged(int, int)), this, SLOT(proxyCountsChanged()));
    }
}

void DemoAlarmRoom::createTable()
{
    m_table = new QTreeView;
    m_table->setObjectName(QStringLiteral("alarmTable"));
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setItemDelegate(new DemoAlarmDelegate(ColorEngine::getInstance(m_producer), m_table));
    m_table->setSortingEnabled(true);
    // The groups the operator opens stay open across resets and compatible regrouping.
    m_treeState = new TreeNodesState(m_producer, this);
    m_treeState->setTreeView(m_table);
    m_treeState->setGroupingConfig(m_proxy->getGroupingConfiguration());
    m_exporter.reset(new ExporterCSV(m_producer));
    m_simulator->start();
    showModel(m_proxy);
    openAllGroups();
}

AlarmsProxyModel* DemoAlarmRoom::shownProxy() const
{
    return qobject_cast<AlarmsProxyModel*>(m_table->model());
}

void DemoAlarmRoom::showModel(AlarmsProxyModel* proxy)
{
    if (m_table->model() == proxy)
        return;
    if (QAbstractItemModel* old = m_table->model()) {
        disconnect(old, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(restoreTreeState()));
        disconnect(old, SIGNAL(modelReset()), this, SLOT(restoreTreeState()));
    }
    m_table->setModel(proxy);
    sortNewestFirst();
    // A group that comes back with new alarms is shown as the operator left it.
    connect(proxy, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(restoreTreeState()), Qt::UniqueConnection);
    connect(proxy, SIGNAL(modelReset()), this, SLOT(restoreTreeState()), Qt::UniqueConnection);
    restoreTreeState();
    m_columnsSized = false;
    proxyCountsChanged();
}

void DemoAlarmRoom::sortNewestFirst()
{
    // The time column, when the table has one.
    const QVector<AlarmProp> columns = shownProxy()->getColumnsDefinition(true);
    for (int c = 0; c < columns.size(); ++c) {
        if (columns.at(c).getType() == AlarmProp::TypeTime) {
            m_table->sortByColumn(c, Qt::DescendingOrder);
            break;
        }
    }
}

void DemoAlarmRoom::sizeColumns()
{
    // A flat table keeps no room for tree branches in front of its rows.
    m_table->setRootIsDecorated(shownProxy()->getGroupingDepth() > 0);
    QHeaderView* header = m_table->header();
    header->setStretchLastSection(false);
    const QVector<AlarmProp> columns = shownProxy()->getColumnsDefinition(true);
    for (int c = 0; c < header->count(); ++c) {
        const bool text = c < columns.size() && columns.at(c).getName() == QLatin1String(kTextProperty);
        if (text) {
            header->setSectionResizeMode(c, QHeaderView::Stretch);
            continue;
        }
        header->setSectionResizeMode(c, QHeaderView::Interactive);
        // Room for the sort indicator beside the widest cell or title.
        m_table->resizeColumnToContents(c);
        header->resizeSection(c, header->sectionSize(c) + 12);
    }
    // The operator's widths of an earlier run win over the content's.
    if (!m_restoredHeader.isEmpty())
        header->restoreState(m_restoredHeader);
}

QByteArray DemoAlarmRoom::headerState() const
{
    return m_table->header()->saveState();
}

void DemoAlarmRoom::restoreHeaderState(const QByteArray& state)
{
    m_restoredHeader = state;
    m_columnsSized = false;
    proxyCountsChanged();
}

void DemoAlarmRoom::restoreTreeState()
{
    m_treeState->restoreState();
}

void DemoAlarmRoom::proxyCountsChanged()
{
    const AlarmsProxyModel* proxy = shownProxy();
    if (!proxy)
        return;
    // Columns fit the first alarms shown; later the operator's widths stay.
    if (!m_columnsSized && proxy->getShownAlarmCount() > 0) {
        m_columnsSized = true;
        sizeColumns();
    }
    emit countsChanged(countsText());
}

QString DemoAlarmRoom::countsText() const
{
    const AlarmsProxyModel* proxy = shownProxy();
    return tr("%1: %2 of %3 alarms shown")
        .arg(proxy == m_proxy ? tr("Live") : tr("History"))
        .arg(proxy->getShownAlarmCount())
        .arg(proxy->getConnectedAlarmCount());
}

QString DemoAlarmRoom::tableSummary() const
{
    const AlarmsProxyModel* proxy = shownProxy();
    const int groups = proxy->getGroupingDepth() > 0 ? proxy->rowCount() : 0;
    return QStringLiteral("%1 top groups, %2 of %3 alarms shown")
        .arg(groups)
        .arg(proxy->getShownAlarmCount())
        .arg(proxy->getConnectedAlarmCount());
}

bool DemoAlarmRoom::setGrouping(const QString& name)
{
    GroupingConfiguration grouping;
    if (name == QLatin1String("system") || name == QLatin1String("system-priority"))
        grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("SYSTEM"));
    if (name == QLatin1String("system-priority"))
        grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("PRIORITY"));
    if (grouping.isEmpty() && name != QLatin1String("none"))
        return false;
    // What the operator opened on the levels that stay is kept.
    m_treeState->setGroupingConfig(grouping);
    for (AlarmsProxyModel* proxy : {m_proxy, m_archiveProxy}) {
        if (!proxy->setGroupingConfiguration(grouping))
            return false;
    }
    m_grouping = name;
    // The table's columns changed: sort newest first and size them again.
    sortNewestFirst();
    restoreTreeState();
    m_restoredHeader.clear();
    m_columnsSized = false;
    proxyCountsChanged();
    return true;
}

void DemoAlarmRoom::openAllGroups()
{
    const QAbstractItemModel* model = m_table->model();
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty()) {
        const QModelIndex parent = parents.takeFirst();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            if (model->hasChildren(index)) {
                m_table->expand(index);
                parents.append(index);
            }
        }
    }
}

void DemoAlarmRoom::expandAllGroups()
{
    m_treeState->expandAll();
    m_treeState->restoreState();
}

void DemoAlarmRoom::collapseAllGroups()
{
    m_treeState->collapseAll();
    m_treeState->restoreState();
}

QList<QModelIndex> DemoAlarmRoom::alarmRows(int limit) const
{
    const AlarmsProxyModel* proxy = shownProxy();
    QList<QModelIndex> rows;
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty() && rows.size() != limit) {
        const QModelIndex parent = parents.takeFirst();
        for (int row = 0; row < proxy->rowCount(parent) && rows.size() != limit; ++row) {
            const QModelIndex index = proxy->index(row, 0, parent);
            if (proxy->getAlarmAtRow(index))
                rows.append(index);
            else
                parents.append(index);
        }
    }
    return rows;
}

void DemoAlarmRoom::acknowledgeSelected()
{
    AlarmsProxyModel* proxy = shownProxy();
    QVector<qint64> idents;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        if (const AlarmPtr alarm = proxy->getAlarmAtRow(index))
            idents.append(alarm->getIdent());
    }
    const int count = proxy->getAlarmsModel()->acknowledge(idents);
    MSG_LOG(m_producer, MsgLoggerEnums::LogInfo) << count << " selected alarms acknowledged";
}

void DemoAlarmRoom::acknowledgeAll()
{
    // Every alarm the table shows, groups collapsed or not.
    AlarmsProxyModel* proxy = shownProxy();
    QVector<qint64> idents;
    for (const QModelIndex& index : alarmRows(-1))
        idents.append(proxy->getAlarmAtRow(index)->getIdent());
    const int count = proxy->getAlarmsModel()->acknowledge(idents);
    MSG_LOG(m_producer, MsgLoggerEnums::LogInfo) << count << " alarms acknowledged";
}

bool DemoAlarmRoom::disconnectSystem(const QString& system)
{
    if (!m_proxy->isSystemConnected(system))
        return false;
    m_proxy->disconnectFromSystem(system);
    return true;
}

bool DemoAlarmRoom::takeSystemDown(const QString& system)
{
    SysConnectMonitor* monitor = SysConnectMonitor::getInstance(m_producer);
    const QMap<unsigned int, SystemInfo> systems = monitor->getSystems();
    for (auto it = systems.constBegin(); it != systems.constEnd(); ++it) {
        if (it->getName() == system)
            return monitor->setSystemConnected(it.key(), false) || !it->isConnected();
    }
    return false;
}

bool DemoAlarmRoom::exportTable(const QString& fileName, QString& error)
{
    if (!m_exporter->exportToCsv(m_table, shownProxy()->getGroupingDepth(), fileName, true, true, true,
                                 QStringList())) {
        error = m_exporter->getLastError();
        return false;
    }
    return true;
}

void DemoAlarmRoom::exportToCsv()
{
    const int depth = shownProxy()->getGroupingDepth();
    if (!m_csvOptions.getOptions(m_exporter->getSeparator(), depth > 0))
        return;
    if (!m_csvOptions.getSeparator().isEmpty())
        m_exporter->setSeparatorCSV(m_csvOptions.getSeparator());
    // No file name: the exporter asks for one.
    if (!m_exporter->exportToCsv(m_table, depth, QString(), m_csvOptions.getExportAll(), m_csvOptions.getHeaders(),
                                 m_csvOptions.getGrouping(), QStringList())) {
        MSG_LOG(m_producer, MsgLoggerEnums::LogError) << "CSV export failed: " << m_exporter->getLastError();
        QMessageBox::warning(this, tr("Export to CSV"), m_exporter->getLastError());
    }
}
