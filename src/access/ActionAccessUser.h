#pragma once

#include "access/ActionAccess.h"
#include "qvas_export.h"

#include <QSharedPointer>
#include <QStringList>

class QAction;
class QMenu;

// Mix-in of the classes that own controls governed by action rights: it
// holds a shared registry, forwards the registry operations to it and builds
// menu entries that respect the rights.
class QVAS_EXPORT ActionAccessUser
{
public:
    // Takes ownership of access.
    explicit ActionAccessUser(ActionAccess* access);
    // Shares the registry of other.
    explicit ActionAccessUser(const ActionAccessUser* other);
    virtual ~ActionAccessUser();

    virtual ActionAccess::ActionState getActionState(const QString& name) const;
    virtual void setActionState(const QString& name, ActionAccess::ActionState state) const;
    virtual void setFixedActionState(const QString& name, ActionAccess::ActionState state) const;
    virtual void resetFixedActionState(const QString& name) const;
    virtual void setActionPossibility(const QString& name, bool possible) const;
    virtual void registerActionControl(const QString& name, QObject* control) const;
    virtual void unregisterActionControl(const QString& name, QObject* control) const;

    // Holds access from now on, after merging the current registry into it.
    // A null registry is ignored.
    void setActionAccess(const QSharedPointer<ActionAccess>& access);
    QSharedPointer<ActionAccess> getActionAccess() const { return m_actionAccess; }

    // A menu entry for the action in its current state; null (and no entry) when hidden.
    QAction* addMenuAction(QMenu* menu, const QString& actionName, const QString& text,
                           const QString& iconPath) const;
    // Adds subMenu unless the action is hidden; enabled only when the action is.
    void addSubMenu(QMenu* menu, const QString& actionName, QMenu* subMenu) const;

    // The known action names, then the other names that have controls.
    QStringList getAllActions() const;

private:
    QSharedPointer<ActionAccess> m_actionAccess;
};
