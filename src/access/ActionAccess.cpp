#include "access/ActionAccess.h"

#include <QAction>
#include <QWidget>

ActionAccess::ActionAccess() = default;

ActionAccess::ActionState ActionAccess::limitedByPossibility(const QString& name, ActionState state) const
{
    return state == Enabled && !getActionPossibility(name) ? Disabled : state;
}

ActionAccess::ActionState ActionAccess::getActionState(const QString& name) const
{
    if (name.isEmpty())
        return Enabled;
    auto fixed = m_fixedActionStates.constFind(name);
    if (fixed != m_fixedActionStates.cend())
        return limitedByPossibility(name, fixed.value());
    auto state = m_actionStates.constFind(name);
    if (state != m_actionStates.cend())
        return limitedByPossibility(name, state.value());
    return limitedByPossibility(name, Enabled);
}

bool ActionAccess::getActionPossibility(const QString& name) const
{
    return m_actionPossibilities.value(name, true);
}

void ActionAccess::setActionState(const QString& name, ActionState state)
{
    if (name.isEmpty())
        return;
    m_actionStates.insert(name, state);
    setControlState(name, state);
}

void ActionAccess::setFixedActionState(const QString& name, ActionState state)
{
    if (name.isEmpty())
        return;
    m_fixedActionStates.insert(name, state);
    setControlState(name, state);
}

void ActionAccess::resetFixedActionState(const QString& name)
{
    if (name.isEmpty() || m_fixedActionStates.remove(name) == 0)
        return;
    setControlState(name, getActionState(name));
}

void ActionAccess::setActionPossibility(const QString& name, bool possible)
{
    if (name.isEmpty())
        return;
    m_actionPossibilities.insert(name, possible);
    setControlState(name, getActionState(name));
}

void ActionAccess::registerActionControl(const QString& name, QObject* control)
{
    if (name.isEmpty() || !control)
        return;
    for (auto it = m_actionControls.constFind(name); it != m_actionControls.cend() && it.key() == name; ++it) {
        if (it.value() == control)
            return;
    }
    m_actionControls.insert(name, QPointer<QObject>(control));
    setControlState(control, getActionState(name));
}

void ActionAccess::unregisterActionControl(const QString& name, QObject* control)
{
    if (name.isEmpty() || !control)
        return;
    m_actionControls.remove(name, QPointer<QObject>(control));
}

void ActionAccess::copyFromOther(const ActionAccess* other)
{
    if (!other || other == this)
        return;
    for (auto it = other->m_actionStates.cbegin(); it != other->m_actionStates.cend(); ++it)
        m_actionStates.insert(it.key(), it.value());
    for (auto it = other->m_actionPossibilities.cbegin(); it != other->m_actionPossibilities.cend(); ++it)
        m_actionPossibilities.insert(it.key(), it.value());
    for (auto it = other->m_actionControls.cbegin(); it != other->m_actionControls.cend(); ++it) {
        if (!it.value().isNull())
            registerActionControl(it.key(), it.value().data());
    }
}

QStringList ActionAccess::getControlledActionNames() const
{
    return m_actionControls.uniqueKeys();
}

void ActionAccess::setControlState(const QString& name, ActionState state) const
{
    auto it = m_actionControls.find(name);
    if (it == m_actionControls.end())
        return;
    while (it != m_actionControls.end() && it.key() == name) {
        if (it.value().isNull())
            it = m_actionControls.erase(it);
        else
            ++it;
    }
    const ActionState shown = limitedByPossibility(name, state);
    // Collected first: applying a state runs code of the controls, which
    // must not invalidate the walk over the map.
    QList<QPointer<QObject>> controls;
    for (auto live = m_actionControls.constFind(name); live != m_actionControls.cend() && live.key() == name; ++live)
        controls.append(live.value());
    for (const QPointer<QObject>& control : controls)
        setControlState(control.data(), shown);
}

void ActionAccess::setControlState(QObject* control, ActionState state) const
{
    if (!control)
        return;
    if (!setQWidgetState(control, state))
        setQActionState(control, state);
}

bool ActionAccess::setQWidgetState(QObject* control, ActionState state) const
{
    if (!control || !control->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(control);
    switch (state) {
    case Enabled:
        widget->setEnabled(true);
        widget->show();
        break;
    case Disabled:
        widget->setEnabled(false);
        widget->show();
        break;
    case Hidden:
        widget->hide();
        break;
    }
    return true;
}

bool ActionAccess::setQActionState(QObject* control, ActionState state) const
{
    auto* action = qobject_cast<QAction*>(control);
    if (!action)
        return false;
    switch (state) {
    case Enabled:
        action->setEnabled(true);
        action->setVisible(true);
        break;
    case Disabled:
        action->setEnabled(false);
        action->setVisible(true);
        break;
    case Hidden:
        action->setVisible(false);
        break;
    }
    return true;
}
