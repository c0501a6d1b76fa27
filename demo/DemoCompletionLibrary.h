#pragma once

#include "DemoAlarmData.h"

class Controller;
class DynVar;
class Variable;

// The demo's script library of completion functions, answering from the
// simulated alarms: PRIORITY a fixed list, DPE per system, ALERT_TEXT
// depending on the text typed for DPE; other properties have none. The
// demo configuration names it (config/alarmscreen.json).
class DemoCompletionLibrary
{
public:
    static const char* const LibraryName;

    explicit DemoCompletionLibrary(const DemoAlarmData& data);

    void registerWith(Controller& controller) const;

    Variable* master(const DynVar& arguments) const;
    Variable* slave(const DynVar& arguments) const;

private:
    const DemoAlarmData& m_data;
};
