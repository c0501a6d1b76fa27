#pragma once

#include "DemoAlarmData.h"
#include "DemoCompletionLibrary.h"
#include "DemoMouseLibrary.h"

#include <access/ActionAccessOwner.h>

#include <configuration/AlarmScreenConfiguration.h>
#include <filtervalues/SourceAndFilter.h>
#include <logging/MsgLoggingProducer.h>

#include <QMainWindow>
#include <QSharedPointer>

class ConnectionMapWidget;
class DemoAlarmRoom;
class DemoFilterPage;
class DemoFilterSetEditor;
class DemoHistoryRoom;
class DemoMenus;
class DemoSourceRoom;
class DemoStatisticsRoom;
class InEwoFocusProcessor;
class MsgLoggerModel;
class QLabel;
class QSplitter;
class QTabWidget;

// The host alarm screen of the demo: a thin window that wires its rooms
// (alarm table, source and filters, statistics, history, menus) and keeps
// the operator's layout across runs.
class DemoWindow : public QMainWindow, public MsgLoggingProducer, public ActionAccessOwner
{
    Q_OBJECT
public:
    DemoWindow(const QString& projectDir, const AlarmScreenConfiguration& config, QWidget* parent = nullptr);

    DemoAlarmRoom* alarms() const { return m_alarms; }
    DemoSourceRoom* source() const { return m_source; }
    DemoStatisticsRoom* statistics() const { return m_statistics; }
    DemoHistoryRoom* history() const { return m_history; }
    DemoMenus* menus() const { return m_menus; }
    DemoFilterPage* filterPage() const { return m_filterPage; }
    DemoFilterSetEditor* filterSets() const { return m_filterSets; }

    // Presses Tab from the first focus target, printing where the focus goes.
    void walkTabs(int presses);
    // "N messages, worst severity S" of the screen's own log.
    QString logSummary() const;
    // Selects the page whose object name is name ("alarms", "filters", ...).
    bool showPage(const QString& name);
    // The spoiler state, splitter sizes, column widths and grouping the
    // operator left, from the settings of the last run; and back.
    void restoreLayout();
    void saveLayout() const;
    static void forgetLayout();

public slots:
    void showSystemConnections();
    void resetLayout();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void applyFilter(const SourceAndFilter& applied, int type);
    void applyChosenFilter(const SourceAndFilter& filter);
    void showMessage(const QString& text);
    void registerTabGroups();

private:
    QWidget* createCentralArea();
    QTabWidget* createPages();
    void createStatusBar();

    QString m_projectDir;
    DemoAlarmData m_data;
    DemoCompletionLibrary m_completionLibrary;
    DemoMouseLibrary m_mouseLibrary;
    QSharedPointer<MsgLoggerModel> m_log;
    AlarmScreenConfiguration m_config;
    DemoAlarmRoom* m_alarms = nullptr;
    DemoHistoryRoom* m_history = nullptr;
    DemoSourceRoom* m_source = nullptr;
    DemoStatisticsRoom* m_statistics = nullptr;
    DemoMenus* m_menus = nullptr;
    DemoFilterPage* m_filterPage = nullptr;
    DemoFilterSetEditor* m_filterSets = nullptr;
    QTabWidget* m_pages = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_counts = nullptr;
    ConnectionMapWidget* m_connectionMap = nullptr;
    InEwoFocusProcessor* m_focus = nullptr;
};
