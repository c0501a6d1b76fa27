#pragma once

#include "datapoints/DpIdentList.h"
#include "variables/Variable.h"
#include "qvplatform_export.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class HotLinkWaitForAnswer;
class WaitForAnswer;

// Names the manager a request is addressed to.
struct QVPLATFORM_EXPORT ManagerIdentifier
{
    int type;
    int number;
};

// The process's datapoint store and connections. The host (a real manager,
// the demo, a test) defines datapoint types, creates datapoints and sets
// their values; receivers connected to elements get the current values as
// the answer to the connection and every later change as a hotlink group,
// both from the event loop of the GUI thread. Values in a message are sorted
// by datapoint and by element position in the type.
//
// Element names are the datapoint name followed by the element, as in
// "FilterSet1.SetName"; the type gives each element a value type, and a new
// datapoint starts with empty values of those types.
class QVPLATFORM_EXPORT Manager
{
public:
    using Element = QPair<QString, VariableType>;

    // The event manager, to which connections are addressed.
    static const ManagerIdentifier eventId;

    // Defines a type of datapoint with elements such as ".SetName"; false
    // (with errMsg) when the name is taken or an element is not ".name".
    static bool defineType(const QString& typeName, const QList<Element>& elements, QString& errMsg);
    static bool createDp(const QString& dpName, const QString& typeName, QString& errMsg);
    // Removes the datapoint; its connections receive an error group.
    static bool deleteDp(const QString& dpName);
    static QString getTypeName(const QString& dpName);
    // The datapoints of a type, in the order they were created.
    static QStringList getDpNames(const QString& typeName);

    // The identifier of an element; false when there is no such element.
    static bool getId(const QString& elementName, DpIdentifier& id);
    // A copy of the value of an element, null when there is no such element;
    // the caller owns it.
    static Variable* dpGet(const QString& elementName);
    // Sets one element (value is copied).
    static bool dpSet(const QString& elementName, const Variable& value, QString& errMsg);
    // Sets several elements at once: every connection touched receives one
    // hotlink group. Nothing is set when one element or type is wrong.
    static bool dpSet(const QList<QPair<QString, const Variable*>>& values, QString& errMsg);

    // Connects receiver to the elements of ids. The manager owns receiver
    // from this call on (also when it fails) and deletes it when it is
    // disconnected. With wantAnswer, the current values arrive as the answer;
    // a receiver that is a HotLinkWaitForAnswer also gets every change.
    static bool dpConnect(const DpIdentList& ids, const ManagerIdentifier& manager, WaitForAnswer* receiver,
                          bool wantAnswer);
    // Ends the connection of receiver to ids; messages still waiting for it
    // are dropped. False when there is no such connection.
    static bool dpDisconnect(const DpIdentList& ids, const HotLinkWaitForAnswer* receiver,
                             const ManagerIdentifier& manager);

    static int connectionCount();
    // Messages waiting for the event loop.
    static int pendingMessages();
    // Forgets every datapoint, type and connection (deleting the receivers).
    static void reset();
};
