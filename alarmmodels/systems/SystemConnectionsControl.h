#pragma once

#include "logging/MsgLoggingMultiProducer.h"
#include "models/AlarmInstance.h"
#include "alarmmodels_export.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The record of which systems an object is connected to, and the base of
// every consumer of the alarm model: the model tells a consumer of the
// alarms of its connected systems only, through the four alarms... hooks.
// A control may mirror another one: it then answers with the other's
// connections, so that several views follow the one the operator sets.
class ALARMMODELS_EXPORT SystemConnectionsControl : public MsgLoggingMultiProducer
{
public:
    explicit SystemConnectionsControl(const MsgLoggingProducer* logParent);
    ~SystemConnectionsControl() override;

    // The name of the kind of object, for log messages.
    virtual QString instanceTypeName() const;

    bool isSystemConnected(const QString& system) const;
    // The connected systems in name order.
    QStringList getConnectedSystems() const;

    // False when nothing changed.
    bool addConnectedSystem(const QString& system);
    bool removeConnectedSystem(const QString& system);
    // Connected to every system, whatever the record holds (for consumers
    // that count alarms of all systems).
    void setConnectedToAll(bool all) { m_connectedToAll = all; }
    // Answer with the connections of mirror (null: with this control's own).
    void setMirror(const SystemConnectionsControl* mirror);
    const SystemConnectionsControl* getMirror() const { return m_mirror; }

    // Told by the alarm model, only of alarms of connected systems.
    virtual void alarmsAdded(const AlarmList& alarms);
    // The new versions of changed alarms; the old ones have the same identifiers.
    virtual void alarmsChanged(const AlarmList& alarms);
    virtual void alarmsRemoved(const AlarmList& alarms);
    // The model dropped all its alarms.
    virtual void alarmsCleared();

private:
    // The value is unused; the map gives the name order.
    QMap<QString, bool> m_connectedSystems;
    const SystemConnectionsControl* m_mirror = nullptr;
    bool m_connectedToAll = false;
};
