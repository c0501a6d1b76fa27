#pragma once

#include <table/ExportCsvOptions.h>

#include <filtervalues/SourceAndFilter.h>

#include <QModelIndex>
#include <QSharedPointer>
#include <QWidget>

class AlarmScreenConfiguration;
class AlarmsModel;
class AlarmsProxyModel;
class DemoAlarmData;
class DemoAlarmSimulator;
class DemoAlarmMouse;
class ExporterCSV;
class MsgLoggingProducer;
class ActionAccessUser;
class QTreeView;
class TreeNodesState;

// The alarm area: the live and archive alarm models with their proxies, the
// simulated plant, the table with its colours, grouping, remembered groups
// and column widths, acknowledging and CSV export.
class DemoAlarmRoom : public QWidget
{
    Q_OBJECT
public:
    DemoAlarmRoom(const DemoAlarmData& data, const AlarmScreenConfiguration& config, MsgLoggingProducer* producer,
                  const ActionAccessUser* access, QWidget* parent = nullptr);
    ~DemoAlarmRoom() override;

    QTreeView* table() const { return m_table; }
    const QSharedPointer<AlarmsModel>& liveModel() const { return m_alarmModel; }
    const QSharedPointer<AlarmsModel>& archiveModel() const { return m_archiveModel; }
    AlarmsProxyModel* liveProxy() const { return m_proxy; }
    AlarmsProxyModel* archiveProxy() const { return m_archiveProxy; }
    AlarmsProxyModel* shownProxy() const;
    DemoAlarmSimulator* simulator() const { return m_simulator; }

    // The table shows the live alarms, or the archive's after a history query.
    void showModel(AlarmsProxyModel* proxy);
    // Groups the table: "none", "system" or "system-priority".
    bool setGrouping(const QString& name);
    QString groupingName() const { return m_grouping; }
    // Opens every group node, as the operator does at start; the tree
    // state remembers them.
    void openAllGroups();
    // The alarm rows in column 0, walked level by level; at most limit (-1: all).
    QList<QModelIndex> alarmRows(int limit) const;
    DemoAlarmMouse* mouse() const { return m_mouse; }
    // "N top groups, shown of total alarms shown".
    QString tableSummary() const;
    // "Live: shown of total alarms shown", or History.
    QString countsText() const;
    bool disconnectSystem(const QString& system);
    bool takeSystemDown(const QString& system);
    // Writes the table (all rows, headers, grouping) to fileName.
    bool exportTable(const QString& fileName, QString& error);
    // The column widths as the header keeps them, and back.
    QByteArray headerState() const;
    void restoreHeaderState(const QByteArray& state);

public slots:
    void acknowledgeSelected();
    void acknowledgeAll();
    void expandAllGroups();
    void collapseAllGroups();
    void exportToCsv();

signals:
    void countsChanged(const QString& text);
    // A menu entry asks for this filter to be applied.
    void filterChosen(const SourceAndFilter& filter);
    void message(const QString& text);

private slots:
    void proxyCountsChanged();
    void restoreTreeState();

private:
    void createModels(const AlarmScreenConfiguration& config);
    void createTable();
    void sortNewestFirst();
    // Columns fit their content (time, priority, system never cut); the
    // alarm text takes the rest.
    void sizeColumns();

    const DemoAlarmData& m_data;
    MsgLoggingProducer* m_producer;
    QSharedPointer<AlarmsModel> m_alarmModel;
    QSharedPointer<AlarmsModel> m_archiveModel;
    AlarmsProxyModel* m_proxy = nullptr;
    AlarmsProxyModel* m_archiveProxy = nullptr;
    DemoAlarmSimulator* m_simulator = nullptr;
    QTreeView* m_table = nullptr;
    TreeNodesState* m_treeState = nullptr;
    DemoAlarmMouse* m_mouse = nullptr;
    QSharedPointer<ExporterCSV> m_exporter;
    ExportCsvOptions m_csvOptions;
    QString m_grouping;
    QByteArray m_restoredHeader;
    bool m_columnsSized = false;
};
