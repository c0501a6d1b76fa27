#pragma once

#include "variables/CharString.h"
#include "variables/DynVar.h"
#include "qvplatform_export.h"

#include <QMap>
#include <QObject>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

class DoneCB;
class ExternData;
class Variable;

// The process's script controller. Script libraries are made callable by
// checking in a script text that uses them; their functions are started
// with a done-callback and answer later, on the event loop of the GUI
// thread, never inside startFunc.
//
// Libraries are provided as native functions registered by name (a host or
// a test registers a library and its functions). A test can hold answers
// back and release them, to exercise calls that are still running.
class QVPLATFORM_EXPORT Controller : public QObject
{
    Q_OBJECT
public:
    // Computes a function's return value from its arguments; the controller
    // owns the result (null: the function returned nothing).
    using NativeFunction = std::function<Variable*(const DynVar& arguments)>;

    // The process's controller: the one most recently constructed and alive.
    static Controller* thisPtr;

    explicit Controller(QObject* parent = nullptr);
    ~Controller() override;

    // Compiles code; every `#uses "name"` in it must name a registered
    // library. The script id, or -1 when the code uses an unknown library.
    int checkIn(CharString code, DynVar globals, ExternData* externData, const Variable* userData,
                bool flag1, bool flag2, bool flag3);
    // 1 when the function is not known to the script (the caller keeps and
    // deletes callback); otherwise 0, and the controller owns callback, calls
    // its execute() with the result later and then deletes it.
    int startFunc(int scriptId, const CharString& function, const Variable* arguments, DoneCB* callback);

    void registerFunction(const QString& library, const QString& function, NativeFunction implementation);
    bool hasLibrary(const QString& library) const;

    // While holding, started calls wait until released.
    void setHoldAnswers(bool hold);
    int pendingCalls() const { return int(m_queue.size()); }
    // Runs up to count waiting calls now (all for -1); returns how many ran.
    int releaseAnswers(int count = -1);

private slots:
    void runQueued();

private:
    struct Call
    {
        NativeFunction function;
        DynVar arguments;
        DoneCB* callback;
    };

    void scheduleRun();
    void runOne();

    QMap<QString, QMap<QString, NativeFunction>> m_libraries;
    QMap<int, QStringList> m_scriptLibraries;
    int m_nextScriptId = 0;
    std::deque<Call> m_queue;
    bool m_hold = false;
    bool m_runScheduled = false;
};
