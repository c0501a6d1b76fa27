#pragma once

#include "qvas_export.h"

#include <QMap>
#include <QMultiMap>
#include <QPointer>
#include <QString>
#include <QStringList>

class QObject;

// Registry of the operator's rights on named actions. For each action it
// keeps a state, an optional fixed state that overrides it, a possibility
// flag and the controls (widgets or actions) that stand for the action;
// every change is applied at once to those controls. Controls are held
// weakly: a destroyed control drops out by itself.
class QVAS_EXPORT ActionAccess
{
public:
    enum ActionState
    {
        Enabled = 0,
        Disabled = 1,
        Hidden = 2
    };

    ActionAccess();
    ActionAccess(const ActionAccess&) = delete;
    ActionAccess& operator=(const ActionAccess&) = delete;

    ActionState getActionState(const QString& name) const;
    bool getActionPossibility(const QString& name) const;

    void setActionState(const QString& name, ActionState state);
    void setFixedActionState(const QString& name, ActionState state);
    void resetFixedActionState(const QString& name);
    void setActionPossibility(const QString& name, bool possible);

    void registerActionControl(const QString& name, QObject* control);
    void unregisterActionControl(const QString& name, QObject* control);

    // Merges states, possibilities and live controls of other (not its fixed states).
    void copyFromOther(const ActionAccess* other);

    // The names that have registered controls, in name order.
    QStringList getControlledActionNames() const;

    void setControlState(const QString& name, ActionState state) const;
    void setControlState(QObject* control, ActionState state) const;
    bool setQWidgetState(QObject* control, ActionState state) const;
    bool setQActionState(QObject* control, ActionState state) const;

private:
    // Enabled becomes Disabled on an action that is not possible.
    ActionState limitedByPossibility(const QString& name, ActionState state) const;

    QMap<QString, ActionState> m_actionStates;
    QMap<QString, ActionState> m_fixedActionStates;
    QMap<QString, bool> m_actionPossibilities;
    // Purged of destroyed controls while states are applied, also in const operations.
    mutable QMultiMap<QString, QPointer<QObject>> m_actionControls;
};
