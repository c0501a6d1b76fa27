#pragma once

#include <QObject>

class ActionAccessUser;
class DemoAlarmRoom;
class DemoHistoryRoom;
class DemoSourceRoom;
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QWidget;

// The menus and actions of the screen: File, Filter, View (groups,
// grouping, panel), Layout and Rights, and the toolbar of operator actions;
// each governed action is registered under its named right, and a role sets
// the rights of all of them.
class DemoMenus : public QObject
{
    Q_OBJECT
public:
    enum Role
    {
        RoleOperator = 0,
        RoleEngineer = 1,
        RoleAdministrator = 2
    };

    DemoMenus(QMainWindow* window, const ActionAccessUser* access, DemoAlarmRoom* alarms, DemoSourceRoom* source,
              DemoHistoryRoom* history);

    // The toolbar row of operator actions, for the window to place.
    QWidget* createToolBar();
    void setRole(Role role);
    static bool roleFromName(const QString& name, Role& role);
    // Checks the entries that show the table's grouping and the panel kind.
    void showChoices();

signals:
    void systemConnectionsRequested();
    void resetLayoutRequested();

private slots:
    void fillFilterMenu();
    void groupingChosen(QAction* action);
    void panelKindChosen(QAction* action);
    void roleChosen(QAction* action);

private:
    void createFileMenu();
    void createViewMenu();
    void createLayoutMenu();
    void createRightsMenu();
    QActionGroup* addChoices(QMenu* menu, const QStringList& names, const QStringList& texts);

    QMainWindow* m_window;
    const ActionAccessUser* m_access;
    DemoAlarmRoom* m_alarms;
    DemoSourceRoom* m_source;
    DemoHistoryRoom* m_history;
    QMenu* m_filterMenu = nullptr;
    QActionGroup* m_groupings = nullptr;
    QActionGroup* m_panelKinds = nullptr;
    QActionGroup* m_roles = nullptr;
};
