#include "access/ActionAccessUser.h"

#include "access/EwoActions.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

ActionAccessUser::ActionAccessUser(ActionAccess* access)
    : m_actionAccess(access ? access : new ActionAccess)
{
}

ActionAccessUser::ActionAccessUser(const ActionAccessUser* other)
    : m_actionAccess(other ? other->m_actionAccess : QSharedPointer<ActionAccess>(new ActionAccess))
{
}

ActionAccessUser::~ActionAccessUser() = default;

ActionAccess::ActionState ActionAccessUser::getActionState(const QString& name) const
{
    return m_actionAccess->getActionState(name);
}

void ActionAccessUser::setActionState(const QString& name, ActionAccess::ActionState state) const
{
    m_actionAccess->setActionState(name, state);
}

void ActionAccessUser::setFixedActionState(const QString& name, ActionAccess::ActionState state) const
{
    m_actionAccess->setFixedActionState(name, state);
}

void ActionAccessUser::resetFixedActionState(const QString& name) const
{
    m_actionAccess->resetFixedActionState(name);
}

void ActionAccessUser::setActionPossibility(const QString& name, bool possible) const
{
    m_actionAccess->setActionPossibility(name, possible);
}

void ActionAccessUser::registerActionControl(const QString& name, QObject* control) const
{
    m_actionAccess->registerActionControl(name, control);
}

void ActionAccessUser::unregisterActionControl(const QString& name, QObject* control) const
{
    m_actionAccess->unregisterActionControl(name, control);
}

void ActionAccessUser::setActionAccess(const QSharedPointer<ActionAccess>& access)
{
    if (!access || access == m_actionAccess)
        return;
    if (m_actionAccess)
        access->copyFromOther(m_actionAccess.data());
    m_actionAccess = access;
}

QAction* ActionAccessUser::addMenuAction(QMenu* menu, const QString& actionName, const QString& text,
                                         const QString& iconPath) const
{
    const ActionAccess::ActionState state = getActionState(actionName);
    if (state == ActionAccess::Hidden)
        return nullptr;
    auto* action = iconPath.isEmpty() ? new QAction(text, menu) : new QAction(QIcon(iconPath), text, menu);
    action->setEnabled(state == ActionAccess::Enabled);
    action->setData(QVariant(actionName));
    menu->addAction(action);
    return action;
}

void ActionAccessUser::addSubMenu(QMenu* menu, const QString& actionName, QMenu* subMenu) const
{
    const ActionAccess::ActionState state = getActionState(actionName);
    if (state == ActionAccess::Hidden)
        return;
    subMenu->setEnabled(state == ActionAccess::Enabled);
    menu->addMenu(subMenu);
}

QStringList ActionAccessUser::getAllActions() const
{
    QStringList result = EwoActions::getAllActions();
    for (const QString& name : m_actionAccess->getControlledActionNames()) {
        if (!result.contains(name))
            result.append(name);
    }
    return result;
}
