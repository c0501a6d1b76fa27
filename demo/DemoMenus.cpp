#include "DemoMenus.h"

#include "DemoAlarmRoom.h"
#include "DemoHistoryRoom.h"
#include "DemoSourceRoom.h"

#include <access/ActionAccessUser.h>
#include <access/EwoActions.h>

#include <logging/MsgLoggingMessage.h>

#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

// What each role may do; actions not listed are enabled.
struct RoleRight
{
    const QString* action;
    ActionAccess::ActionState state;
    bool possible;
};

QVector<RoleRight> rightsOf(DemoMenus::Role role)
{
    using S = ActionAccess;
    switch (role) {
    case DemoMenus::RoleOperator:
        return {{&EwoActions::AckAll, S::Disabled, true},      {&EwoActions::AckSelected, S::Enabled, true},
                {&EwoActions::SwitchSourceMode, S::Enabled, false}, {&EwoActions::SaveFilter, S::Hidden, true},
                {&EwoActions::LoadFilter, S::Enabled, true},   {&EwoActions::Settings, S::Disabled, true},
                {&EwoActions::AdminSettings, S::Hidden, true}};
    case DemoMenus::RoleEngineer:
        return {{&EwoActions::AckAll, S::Enabled, true},       {&EwoActions::AckSelected, S::Enabled, true},
                {&EwoActions::SwitchSourceMode, S::Enabled, true}, {&EwoActions::SaveFilter, S::Enabled, true},
                {&EwoActions::LoadFilter, S::Enabled, true},   {&EwoActions::Settings, S::Enabled, true},
                {&EwoActions::AdminSettings, S::Disabled, true}};
    case DemoMenus::RoleAdministrator:
        break;
    }
    return {{&EwoActions::AckAll, S::Enabled, true},       {&EwoActions::AckSelected, S::Enabled, true},
            {&EwoActions::SwitchSourceMode, S::Enabled, true}, {&EwoActions::SaveFilter, S::Enabled, true},
            {&EwoActions::LoadFilter, S::Enabled, true},   {&EwoActions::Settings, S::Enabled, true},
            {&EwoActions::AdminSettings, S::Enabled, true}};
}

} // namespace

DemoMenus::DemoMenus(QMainWindow* window, const ActionAccessUser* access, DemoAlarmRoom* alarms,
                     DemoSourceRoom* source, DemoHistoryRoom* history)
    : QObject(window)
    , m_window(window)
    , m_access(access)
    , m_alarms(alarms)
    , m_source(source)
    , m_history(history)
{
    createFileMenu();
    // Entries of this menu are built each time it opens, so they show the
    // rights at that moment.
    m_filterMenu = m_window->menuBar()->addMenu(tr("&Filter"));
    connect(m_filterMenu, SIGNAL(aboutToShow()), this, SLOT(fillFilterMenu()));
    fillFilterMenu();
    createViewMenu();
    createLayoutMenu();
    createRightsMenu();
}

QWidget* DemoMenus::createToolBar()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_history->button());
    layout->addStretch(1);
    layout->addWidget(new QLabel(tr("Operator actions:")));
    const QList<QPair<const QString*, QString>> buttons{{&EwoActions::AckSelected, tr("Acknowledge selected")},
                                                        {&EwoActions::AckAll, tr("Acknowledge all")},
                                                        {&EwoActions::Settings, tr("Settings...")},
                                                        {&EwoActions::AdminSettings, tr("Admin settings...")}};
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(entry.second);
        layout->addWidget(button);
        m_access->registerActionControl(*entry.first, button);
        if (entry.first == &EwoActions::AckSelected)
            connect(button, SIGNAL(clicked()), m_alarms, SLOT(acknowledgeSelected()));
        else if (entry.first == &EwoActions::AckAll)
            connect(button, SIGNAL(clicked()), m_alarms, SLOT(acknowledgeAll()));
    }
    return bar;
}

void DemoMenus::createFileMenu()
{
    QMenu* file = m_window->menuBar()->addMenu(tr("&File"));
    connect(file->addAction(tr("Export to CSV...")), SIGNAL(triggered()), m_alarms, SLOT(exportToCsv()));
    connect(file->addAction(tr("System Connections...")), SIGNAL(triggered()), this,
            SIGNAL(systemConnectionsRequested()));
}

void DemoMenus::fillFilterMenu()
{
    m_filterMenu->clear();
    m_access->addMenuAction(m_filterMenu, EwoActions::SaveFilter, tr("Save Filter..."),
                            QStringLiteral(":/qvas/icons/filter.svg"));
    m_access->addMenuAction(m_filterMenu, EwoActions::LoadFilter, tr("Load Filter..."), QString());
}

QActionGroup* DemoMenus::addChoices(QMenu* menu, const QStringList& names, const QStringList& texts)
{
    auto* group = new QActionGroup(this);
    for (int i = 0; i < names.size(); ++i) {
        QAction* action = menu->addAction(texts.at(i));
        action->setCheckable(true);
        action->setData(names.at(i));
        group->addAction(action);
    }
    return group;
}

void DemoMenus::createViewMenu()
{
    QMenu* view = m_window->menuBar()->addMenu(tr("&View"));
    connect(view->addAction(tr("Expand all groups")), SIGNAL(triggered()), m_alarms, SLOT(expandAllGroups()));
    connect(view->addAction(tr("Collapse all groups")), SIGNAL(triggered()), m_alarms, SLOT(collapseAllGroups()));
    m_groupings = addChoices(view->addMenu(tr("&Grouping")),
                             {QStringLiteral("none"), QStringLiteral("system"), QStringLiteral("system-priority")},
                             {tr("None"), tr("By system"), tr("By system and priority")});
    connect(m_groupings, SIGNAL(triggered(QAction*)), this, SLOT(groupingChosen(QAction*)));
    m_panelKinds = addChoices(view->addMenu(tr("&Panel")),
                              {QStringLiteral("plugin"), QStringLiteral("builtin"), QStringLiteral("none")},
                              {tr("Sample plug-in panel (%1)").arg(m_source->pluginName()), tr("Built-in panel"),
                               tr("No panel")});
    connect(m_panelKinds, SIGNAL(triggered(QAction*)), this, SLOT(panelKindChosen(QAction*)));
    showChoices();
}

void DemoMenus::createLayoutMenu()
{
    QMenu* layout = m_window->menuBar()->addMenu(tr("&Layout"));
    QAction* inSpoiler = layout->addAction(tr("Source and filters in a spoiler"));
    inSpoiler->setCheckable(true);
    inSpoiler->setChecked(true);
    connect(inSpoiler, SIGNAL(toggled(bool)), m_source, SLOT(setInSpoiler(bool)));
    connect(layout->addAction(tr("Reset layout")), SIGNAL(triggered()), this, SIGNAL(resetLayoutRequested()));
}

void DemoMenus::createRightsMenu()
{
    QMenu* rights = m_window->menuBar()->addMenu(tr("&Rights"));
    m_roles = new QActionGroup(this);
    const QStringList names{tr("Operator"), tr("Engineer"), tr("Administrator")};
    for (int role = RoleOperator; role <= RoleAdministrator; ++role) {
        QAction* action = rights->addAction(names.at(role));
        action->setCheckable(true);
        action->setData(role);
        m_roles->addAction(action);
    }
    connect(m_roles, SIGNAL(triggered(QAction*)), this, SLOT(roleChosen(QAction*)));
}

void DemoMenus::showChoices()
{
    for (QAction* action : m_groupings->actions())
        action->setChecked(action->data().toString() == m_alarms->groupingName());
    for (QAction* action : m_panelKinds->actions())
        action->setChecked(action->data().toString() == m_source->panelKind());
}

void DemoMenus::groupingChosen(QAction* action)
{
    m_alarms->setGrouping(action->data().toString());
    showChoices();
}

void DemoMenus::panelKindChosen(QAction* action)
{
    m_source->setPanelKind(action->data().toString());
    showChoices();
}

bool DemoMenus::roleFromName(const QString& name, Role& role)
{
    static const QStringList names{QStringLiteral("operator"), QStringLiteral("engineer"),
                                   QStringLiteral("administrator")};
    const int index = names.indexOf(name.toLower());
    if (index < 0)
        return false;
    role = Role(index);
    return true;
}

void DemoMenus::setRole(Role role)
{
    for (const RoleRight& right : rightsOf(role)) {
        m_access->setActionPossibility(*right.action, right.possible);
        m_access->setActionState(*right.action, right.state);
    }
    m_roles->actions().at(role)->setChecked(true);
    fillFilterMenu();
}

void DemoMenus::roleChosen(QAction* action)
{
    setRole(Role(action->data().toInt()));
}
