#pragma once

#include "DemoAlarmData.h"
#include "DemoCompletionLibrary.h"
#include "DemoMouseLibrary.h"

#include <access/ActionAccessOwner.h>
#include <table/ExportCsvOptions.h>

#include <configuration/AlarmScreenConfiguration.h>
#include <logging/MsgLoggingProducer.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/WildcardConfig.h>

#include <QMainWindow>
#include <QSharedPointer>

class FilterRuleContainer;

class AlarmsModel;
class AlarmsProxyModel;
class ConnectionMapWidget;
class ExporterCSV;
class TreeNodesState;
class DemoAlarmSimulator;
class DemoArchiveQuery;
class DemoCounterBar;
class DemoMouseProcessor;
class DemoFilterSetEditor;
class DemoStatisticsArea;
class QueryStateDisplay;
class Spoiler;
class QToolButton;
class DemoTextRuleFilter;
class SourceAndFiltersUi;
class SourceUi;
class QuickCellFilter;
class MsgLoggerModel;
class QActionGroup;
class QCheckBox;
class QLabel;
class QModelIndex;
class QTreeView;
class QMenu;
class QPlainTextEdit;
class QTabWidget;

// The host alarm screen of the demo: it places the library's widgets around
// a simulated alarm table, sets the operator's rights on named actions and
// shows what the widgets produce.
class DemoWindow : public QMainWindow, public MsgLoggingProducer, public ActionAccessOwner
{
    Q_OBJECT
public:
    enum Role
    {
        RoleOperator = 0,
        RoleEngineer = 1,
        RoleAdministrator = 2
    };

    DemoWindow(const QString& projectDir, const AlarmScreenConfiguration& config, QWidget* parent = nullptr);

    // Shows a stored filter in the text rule list, as a host restoring an
    // operator's filter does.
    void showInitialFilter();
    // Switches the source control to history (as the operator does).
    void showHistory();
    // Applies the panel's current source and filters, as its Apply button does.
    void applySourceNow();
    // Opens the source control's "systems" or "timerange" popup.
    bool openSourcePopup(const QString& name);
    // Builds the source-and-filters panel: "builtin", "none" or "plugin"
    // (the configuration's plug-in, or the sample one).
    bool setPanelKind(const QString& kind);
    // Shows a stored filter file in the panel, as "Load Filter..." does;
    // false (said in the log and on stderr) when it cannot be read.
    bool loadFilter(const QString& path);
    // Adds a filter set tab without applying it, as an operator starting an edit.
    bool startFilterEdit();
    // Opens the script-described menu of the first alarm row, as a right press does.
    bool openAlarmMenu();
    // Clicks the counter of that id ("unack", "prio80" or a system), as the operator does.
    bool clickCounter(const QString& id);
    // Types text into the panel's quick filter and finishes editing, as the operator does.
    bool typeQuickFilter(const QString& text);
    // Selects the page whose object name is name ("alarms", "filters", "colours", "completions").
    bool showPage(const QString& name);
    void setRole(Role role);
    // Groups the alarm table: "none", "system" or "system-priority".
    bool setGrouping(const QString& name);
    // What the alarm table shows, as one line: "N groups, shown of total".
    QString tableSummary() const;
    // A burst of alarms from the simulated plant.
    void alarmBurst(int count);
    // Opens every group node of the alarm table, as the operator does at
    // start; the tree state remembers them.
    void openAllGroups();
    // The live table stops showing the alarms of system, as unchecking it
    // in the "System Connections" dialog does.
    bool disconnectSystem(const QString& system);
    // The system connection monitor reports system as down.
    bool takeSystemDown(const QString& system);
    // Writes the table (all rows, headers, grouping) to fileName; false
    // with the exporter's error text in error.
    bool exportTable(const QString& fileName, QString& error);
    static bool roleFromName(const QString& name, Role& role);
    // Takes the source-and-filters area out of the splitter into the
    // spoiler, collapsed, as the operator does.
    void collapseSourceArea();
    // Sets a filter set datapoint's layout JSON, as the Filter sets page does.
    bool setFilterSetJson(const QString& dp, const QString& json);

public slots:
    // Opens or closes the query state popup below its button.
    void toggleQueryState();
    void setSourceInSpoiler(bool inSpoiler);

private slots:
    void applyPanelFilter(const SourceAndFilter& filter, int type);
    void panelChanged();
    void quickFilterChanged(const QuickCellFilter& filter);
    void panelKindChosen(QAction* action);
    void filterActionRequested(const QString& action);
    void applyCounterFilter(const SourceAndFilter& filter);
    void mouseEntryChosen(int value, const QVariantList& args);
    void hostMouseEvent(const QVariantList& args);
    void filterEdited();
    void matchCaseToggled(bool matchCase);
    void roleChosen(QAction* action);
    void fillFilterMenu();
    void acknowledgeSelected();
    void acknowledgeAll();
    void groupingChosen(QAction* action);
    void showCounts();
    void restoreTreeState();
    void expandAllGroups();
    void collapseAllGroups();
    // Opens the "System Connections" dialog (a click on the connection map).
    void showSystemConnections();
    void exportToCsv();

private:
    QWidget* createToolBarArea();
    QWidget* createPanelArea();
    SourceUi* sourceUi() const;
    QWidget* createAlarmTable();
    QWidget* createFilterPage();
    QWidget* createLogView();
    QWidget* createCompletionPage();
    void createMenus();
    void createGroupingMenu();
    void createFileMenu();
    // The table shows the live alarms, or the archive's after a history query.
    void showModel(AlarmsProxyModel* proxy);
    AlarmsProxyModel* shownProxy() const;
    void sortNewestFirst();
    // The alarm rows of the table in column 0, groups collapsed or not, walked
    // level by level; at most limit of them (-1: all).
    QList<QModelIndex> alarmRows(int limit) const;
    // The structured filter the operator edits, as a rule container.
    QSharedPointer<FilterRuleContainer> editedRules() const;

    QString m_projectDir;
    DemoAlarmData m_alarms;
    DemoCompletionLibrary m_completionLibrary;
    DemoMouseLibrary m_mouseLibrary;
    QSharedPointer<MsgLoggerModel> m_log;
    AlarmScreenConfiguration m_config;
    WildcardConfig m_wildcardConfig;
    QWidget* m_panelArea = nullptr;
    SourceAndFiltersUi* m_panel = nullptr;
    QString m_pluginName;
    QString m_panelKind;
    // The filter as the panel last asked to apply it; the panel compares with it.
    SourceAndFilter m_applied;
    QActionGroup* m_panelKinds = nullptr;
    DemoArchiveQuery* m_query = nullptr;
    QSharedPointer<AlarmsModel> m_alarmModel;
    QSharedPointer<AlarmsModel> m_archiveModel;
    AlarmsProxyModel* m_proxy = nullptr;
    AlarmsProxyModel* m_archiveProxy = nullptr;
    DemoAlarmSimulator* m_simulator = nullptr;
    QTreeView* m_table = nullptr;
    DemoCounterBar* m_counters = nullptr;
    DemoMouseProcessor* m_mouse = nullptr;
    DemoStatisticsArea* m_statistics = nullptr;
    DemoFilterSetEditor* m_filterSets = nullptr;
    QueryStateDisplay* m_queryState = nullptr;
    QToolButton* m_queryButton = nullptr;
    Spoiler* m_spoiler = nullptr;
    QLabel* m_counts = nullptr;
    ConnectionMapWidget* m_connectionMap = nullptr;
    TreeNodesState* m_treeState = nullptr;
    QSharedPointer<ExporterCSV> m_exporter;
    ExportCsvOptions m_csvOptions;
    bool m_columnsSized = false;
    QActionGroup* m_groupings = nullptr;
    QTabWidget* m_pages = nullptr;
    DemoTextRuleFilter* m_textFilter = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QPlainTextEdit* m_filterText = nullptr;
    QMenu* m_filterMenu = nullptr;
    QActionGroup* m_roles = nullptr;
};
