#include "scripts/Controller.h"

#include "scripts/DoneCB.h"
#include "variables/Variable.h"

#include <QRegularExpression>
#include <QTimer>

Controller* Controller::thisPtr = nullptr;

Controller::Controller(QObject* parent)
    : QObject(parent)
{
    thisPtr = this;
}

Controller::~Controller()
{
    // Calls still waiting never answer; their callbacks are ours to delete.
    for (Call& call : m_queue)
        delete call.callback;
    if (thisPtr == this)
        thisPtr = nullptr;
}

int Controller::checkIn(CharString code, DynVar /*globals*/, ExternData* /*externData*/,
                        const Variable* /*userData*/, bool /*flag1*/, bool /*flag2*/, bool /*flag3*/)
{
    static const QRegularExpression uses(QStringLiteral("#uses\\s+\"([^\"]*)\""));
    QStringList libraries;
    auto it = uses.globalMatch(code.toQString());
    while (it.hasNext()) {
        const QString library = it.next().captured(1);
        if (!m_libraries.contains(library))
            return -1;
        libraries.append(library);
    }
    const int id = m_nextScriptId++;
    m_scriptLibraries.insert(id, libraries);
    return id;
}

int Controller::startFunc(int scriptId, const CharString& function, const Variable* arguments, DoneCB* callback)
{
    const auto script = m_scriptLibraries.constFind(scriptId);
    if (script == m_scriptLibraries.cend() || !callback)
        return 1;
    const QString name = function.toQString();
    for (const QString& library : script.value()) {
        const auto found = m_libraries.value(library).constFind(name);
        if (found == m_libraries.value(library).cend())
            continue;
        Call call{found.value(), DynVar(), callback};
        if (arguments && arguments->isA() == DYN_VAR)
            call.arguments = *static_cast<const DynVar*>(arguments);
        else if (arguments)
            call.arguments.append(arguments->clone());
        m_queue.push_back(std::move(call));
        scheduleRun();
        return 0;
    }
    return 1;
}

void Controller::registerFunction(const QString& library, const QString& function, NativeFunction implementation)
{
    m_libraries[library].insert(function, std::move(implementation));
}

bool Controller::hasLibrary(const QString& library) const
{
    return m_libraries.contains(library);
}

void Controller::setHoldAnswers(bool hold)
{
    m_hold = hold;
    if (!m_hold)
        scheduleRun();
}

int Controller::releaseAnswers(int count)
{
    int ran = 0;
    while (!m_queue.empty() && (count < 0 || ran < count)) {
        runOne();
        ++ran;
    }
    return ran;
}

void Controller::scheduleRun()
{
    if (m_runScheduled || m_hold || m_queue.empty())
        return;
    m_runScheduled = true;
    QTimer::singleShot(0, this, SLOT(runQueued()));
}

void Controller::runQueued()
{
    m_runScheduled = false;
    // Only the calls waiting now: calls started by a callback run on the next turn.
    size_t count = m_queue.size();
    while (!m_hold && count-- > 0 && !m_queue.empty())
        runOne();
    scheduleRun();
}

void Controller::runOne()
{
    Call call = std::move(m_queue.front());
    m_queue.pop_front();
    std::unique_ptr<Variable> result(call.function ? call.function(call.arguments) : nullptr);
    std::unique_ptr<DoneCB> callback(call.callback);
    callback->execute(result.get());
}
