#include "datapoints/Manager.h"

#include "datapoints/DpHLGroup.h"
#include "datapoints/DpMsgAnswer.h"
#include "datapoints/HotLinkWaitForAnswer.h"
#include "variables/IntegerVar.h"
#include "variables/TextVar.h"
#include "variables/TimeVar.h"

#include <QMap>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

const ManagerIdentifier Manager::eventId{1, 0};

namespace {

struct Datapoint
{
    QString name;
    QString type;
    std::vector<std::shared_ptr<Variable>> values;
};

struct Connection
{
    int id;
    DpIdentList ids;
    WaitForAnswer* receiver;
};

struct Message
{
    int connection;
    std::unique_ptr<DpMsgAnswer> answer;  // or
    std::unique_ptr<DpHLGroup> group;
};

Variable* emptyValue(VariableType type)
{
    switch (type) {
    case INTEGER_VAR:
        return new IntegerVar(0);
    case TIME_VAR:
        return new TimeVar;
    default:
        return new TextVar;
    }
}

// The store and the message queue, emptied on the event loop.
class Store : public QObject
{
public:
    QMap<QString, QList<Manager::Element>> types;
    QMap<int, Datapoint> dps;
    QMap<QString, int> dpIds;
    int nextDpId = 1;
    std::vector<Connection> connections;
    int nextConnectionId = 1;
    std::deque<Message> queue;
    bool runScheduled = false;
    // The receiver being called, and whether it was disconnected meanwhile.
    WaitForAnswer* delivering = nullptr;
    bool deleteAfterDelivery = false;

    ~Store() override { clearConnections(); }

    void clearConnections()
    {
        queue.clear();
        for (Connection& connection : connections)
            deleteReceiver(connection.receiver);
        connections.clear();
    }

    void deleteReceiver(WaitForAnswer* receiver)
    {
        if (receiver && receiver == delivering)
            deleteAfterDelivery = true;
        else
            delete receiver;
    }

    const Datapoint* findDp(const QString& name) const
    {
        const auto id = dpIds.constFind(name);
        return id == dpIds.cend() ? nullptr : &dps.find(id.value()).value();
    }

    // A group of the current values of ids, sorted by element.
    template <typename Group>
    Group* snapshot(const DpIdentList& ids) const
    {
        QVector<DpIdentifier> sorted;
        for (int i = 0; i < ids.getNumberOfItems(); ++i)
            sorted.append(ids.getAt(i));
        std::stable_sort(sorted.begin(), sorted.end());
        auto* group = new Group;
        for (const DpIdentifier& id : sorted) {
            const auto dp = dps.constFind(id.getDp());
            if (dp == dps.cend()) {
                group->setError(ErrClass(7, CharString::fromQString(
                                                QStringLiteral("datapoint of element '%1' does not exist")
                                                    .arg(id.getName()))));
                return group;
            }
            group->appendItem(id, dp->values.at(size_t(id.getElement()))->clone());
        }
        return group;
    }

    void post(Message message)
    {
        queue.push_back(std::move(message));
        if (runScheduled)
            return;
        runScheduled = true;
        QTimer::singleShot(0, this, [this] { run(); });
    }

    void run()
    {
        runScheduled = false;
        // Only the messages waiting now: those posted by a receiver go on the next turn.
        size_t count = queue.size();
        while (count-- > 0 && !queue.empty()) {
            Message message = std::move(queue.front());
            queue.pop_front();
            deliver(message);
        }
        if (!queue.empty() && !runScheduled) {
            runScheduled = true;
            QTimer::singleShot(0, this, [this] { run(); });
        }
    }

    void deliver(Message& message)
    {
        const auto connection = std::find_if(connections.begin(), connections.end(),
                                             [&](const Connection& c) { return c.id == message.connection; });
        if (connection == connections.end())
            return;
        WaitForAnswer* receiver = connection->receiver;
        delivering = receiver;
        if (message.answer) {
            receiver->callBack(*message.answer);
        } else if (auto* hotLink = dynamic_cast<HotLinkWaitForAnswer*>(receiver)) {
            const DpMsg hotLinkMsg(DpMsg::MsgHotLink);
            hotLink->hotLinkCallBack(hotLinkMsg, *message.group);
        }
        delivering = nullptr;
        if (deleteAfterDelivery) {
            deleteAfterDelivery = false;
            delete receiver;
        }
    }

    // Tells every hotlink receiver connected to one of changed of its values.
    void notifyChanged(const QVector<DpIdentifier>& changed)
    {
        for (const Connection& connection : connections) {
            if (!dynamic_cast<HotLinkWaitForAnswer*>(connection.receiver))
                continue;
            bool touched = false;
            for (int i = 0; i < connection.ids.getNumberOfItems() && !touched; ++i)
                touched = changed.contains(connection.ids.getAt(i));
            if (touched)
                post(Message{connection.id, nullptr, std::unique_ptr<DpHLGroup>(snapshot<DpHLGroup>(connection.ids))});
        }
    }
};

Store& store()
{
    static Store instance;
    return instance;
}

// Splits "Dp.element" into the datapoint and ".element".
bool splitElement(const QString& elementName, QString& dp, QString& element)
{
    const int dot = elementName.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return false;
    dp = elementName.left(dot);
    element = elementName.mid(dot);
    return true;
}

bool validElementName(const QString& element)
{
    return element.size() > 1 && element.startsWith(QLatin1Char('.')) && element.indexOf(QLatin1Char('.'), 1) < 0;
}

} // namespace

bool Manager::defineType(const QString& typeName, const QList<Element>& elements, QString& errMsg)
{
    Store& s = store();
    if (typeName.isEmpty() || s.types.contains(typeName)) {
        errMsg = QStringLiteral("datapoint type '%1' exists already or has no name").arg(typeName);
        return false;
    }
    for (const Element& element : elements) {
        if (!validElementName(element.first)) {
            errMsg = QStringLiteral("element '%1' of type '%2' must be a dot and a name").arg(element.first, typeName);
            return false;
        }
    }
    s.types.insert(typeName, elements);
    return true;
}

bool Manager::createDp(const QString& dpName, const QString& typeName, QString& errMsg)
{
    Store& s = store();
    if (dpName.isEmpty() || dpName.contains(QLatin1Char('.')) || s.dpIds.contains(dpName)) {
        errMsg = QStringLiteral("datapoint '%1' exists already or is not a valid name").arg(dpName);
        return false;
    }
    const auto type = s.types.constFind(typeName);
    if (type == s.types.cend()) {
        errMsg = QStringLiteral("datapoint type '%1' does not exist").arg(typeName);
        return false;
    }
    Datapoint dp{dpName, typeName, {}};
    for (const Element& element : type.value())
        dp.values.emplace_back(emptyValue(element.second));
    const int id = s.nextDpId++;
    s.dps.insert(id, std::move(dp));
    s.dpIds.insert(dpName, id);
    return true;
}

bool Manager::deleteDp(const QString& dpName)
{
    Store& s = store();
    const int id = s.dpIds.value(dpName, -1);
    if (id < 0)
        return false;
    s.dps.remove(id);
    s.dpIds.remove(dpName);
    for (const Connection& connection : s.connections) {
        bool uses = false;
        for (int i = 0; i < connection.ids.getNumberOfItems(); ++i)
            uses = uses || connection.ids.getAt(i).getDp() == id;
        if (uses && dynamic_cast<HotLinkWaitForAnswer*>(connection.receiver)) {
            std::unique_ptr<DpHLGroup> group(new DpHLGroup);
            group->setError(ErrClass(7, CharString::fromQString(QStringLiteral("datapoint '%1' was deleted").arg(dpName))));
            s.post(Message{connection.id, nullptr, std::move(group)});
        }
    }
    return true;
}

QString Manager::getTypeName(const QString& dpName)
{
    const Datapoint* dp = store().findDp(dpName);
    return dp ? dp->type : QString();
}

QStringList Manager::getDpNames(const QString& typeName)
{
    QStringList names;
    for (const Datapoint& dp : store().dps) {
        if (dp.type == typeName)
            names.append(dp.name);
    }
    return names;
}

bool Manager::getId(const QString& elementName, DpIdentifier& id)
{
    QString dpName;
    QString element;
    if (!splitElement(elementName, dpName, element))
        return false;
    const Store& s = store();
    const Datapoint* dp = s.findDp(dpName);
    if (!dp)
        return false;
    const QList<Element>& elements = s.types.value(dp->type);
    for (int i = 0; i < elements.size(); ++i) {
        if (elements.at(i).first == element) {
            id = DpIdentifier(s.dpIds.value(dpName), i, elementName);
            return true;
        }
    }
    return false;
}

Variable* Manager::dpGet(const QString& elementName)
{
    DpIdentifier id;
    if (!getId(elementName, id))
        return nullptr;
    return store().dps.value(id.getDp()).values.at(size_t(id.getElement()))->clone();
}

bool Manager::dpSet(const QString& elementName, const Variable& value, QString& errMsg)
{
    return dpSet({qMakePair(elementName, &value)}, errMsg);
}

bool Manager::dpSet(const QList<QPair<QString, const Variable*>>& values, QString& errMsg)
{
    Store& s = store();
    QVector<DpIdentifier> ids;
    for (const auto& value : values) {
        DpIdentifier id;
        if (!getId(value.first, id)) {
            errMsg = QStringLiteral("datapoint element '%1' does not exist").arg(value.first);
            return false;
        }
        const VariableType expected = s.types.value(s.dps.value(id.getDp()).type).at(id.getElement()).second;
        if (!value.second || value.second->isA() != expected) {
            errMsg = QStringLiteral("datapoint element '%1' holds values of type %2")
                         .arg(value.first, QString::fromLatin1(Variable::getTypeName(expected)));
            return false;
        }
        ids.append(id);
    }
    for (int i = 0; i < ids.size(); ++i)
        s.dps[ids.at(i).getDp()].values[size_t(ids.at(i).getElement())].reset(values.at(i).second->clone());
    s.notifyChanged(ids);
    return true;
}

bool Manager::dpConnect(const DpIdentList& ids, const ManagerIdentifier&, WaitForAnswer* receiver, bool wantAnswer)
{
    Store& s = store();
    bool known = receiver && ids.getNumberOfItems() > 0;
    for (int i = 0; known && i < ids.getNumberOfItems(); ++i)
        known = s.dps.contains(ids.getAt(i).getDp());
    if (!known) {
        delete receiver;
        return false;
    }
    const int id = s.nextConnectionId++;
    s.connections.push_back(Connection{id, ids, receiver});
    if (wantAnswer) {
        std::unique_ptr<DpMsgAnswer> answer(new DpMsgAnswer);
        std::unique_ptr<AnswerGroup> group(s.snapshot<AnswerGroup>(ids));
        answer->appendGroup(*group);
        s.post(Message{id, std::move(answer), nullptr});
    }
    return true;
}

bool Manager::dpDisconnect(const DpIdentList& ids, const HotLinkWaitForAnswer* receiver, const ManagerIdentifier&)
{
    Store& s = store();
    const auto connection = std::find_if(s.connections.begin(), s.connections.end(), [&](const Connection& c) {
        return c.receiver == receiver && c.ids == ids;
    });
    if (connection == s.connections.end())
        return false;
    const int id = connection->id;
    WaitForAnswer* owned = connection->receiver;
    s.connections.erase(connection);
    s.queue.erase(std::remove_if(s.queue.begin(), s.queue.end(), [id](const Message& m) { return m.connection == id; }),
                  s.queue.end());
    s.deleteReceiver(owned);
    return true;
}

int Manager::connectionCount()
{
    return int(store().connections.size());
}

int Manager::pendingMessages()
{
    return int(store().queue.size());
}

void Manager::reset()
{
    Store& s = store();
    s.clearConnections();
    s.types.clear();
    s.dps.clear();
    s.dpIds.clear();
}
