#pragma once

#include "DemoAlarmData.h"
#include "DemoCompletionLibrary.h"

#include <access/ActionAccessOwner.h>

#include <configuration/AlarmScreenConfiguration.h>
#include <logging/MsgLoggingProducer.h>
#include <filtervalues/WildcardConfig.h>

#include <QMainWindow>
#include <QSharedPointer>

class DemoArchiveQuery;
class DemoTextRuleFilter;
class SourceUiLong;
class MsgLoggerModel;
class QActionGroup;
class QCheckBox;
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
    // Applies the source control's current source, as its Apply button does.
    void applySourceNow() { applySource(); }
    // Opens the source control's "systems" or "timerange" popup.
    bool openSourcePopup(const QString& name);
    // Selects the page whose object name is name ("alarms", "filters", "colours", "completions").
    bool showPage(const QString& name);
    void setRole(Role role);
    static bool roleFromName(const QString& name, Role& role);

private slots:
    void applySource();
    void sourceChanged();
    void filterEdited();
    void matchCaseToggled(bool matchCase);
    void roleChosen(QAction* action);
    void fillFilterMenu();

private:
    QWidget* createToolBarArea();
    QWidget* createSourceControl();
    QWidget* createAlarmTable();
    QWidget* createFilterPage();
    QWidget* createLogView();
    QWidget* createCompletionPage();
    void createMenus();

    QString m_projectDir;
    DemoAlarmData m_alarms;
    DemoCompletionLibrary m_completionLibrary;
    QSharedPointer<MsgLoggerModel> m_log;
    AlarmScreenConfiguration m_config;
    WildcardConfig m_wildcardConfig;
    SourceUiLong* m_sourceUi = nullptr;
    DemoArchiveQuery* m_query = nullptr;
    QTabWidget* m_pages = nullptr;
    DemoTextRuleFilter* m_textFilter = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QPlainTextEdit* m_filterText = nullptr;
    QMenu* m_filterMenu = nullptr;
    QActionGroup* m_roles = nullptr;
};
