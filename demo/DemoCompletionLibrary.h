#pragma once

#include "DemoAlarmData.h"

#include <FilterWidgetConfiguration.h>

class Controller;
class DynVar;
class Variable;

// The demo's script library of completion functions, answering from the
// simulated alarms: PRIORITY a fixed list, DPE per system, ALERT_TEXT
// depending on the text typed for DPE; other properties have none.
class DemoCompletionLibrary
{
public:
    static const char* const LibraryName;

    explicit DemoCompletionLibrary(const DemoAlarmData& data);

    void registerWith(Controller& controller) const;
    // The configuration naming this library, with a fixed list for ACK_STATE.
    static FilterWidgetConfiguration configuration();

    Variable* master(const DynVar& arguments) const;
    Variable* slave(const DynVar& arguments) const;

private:
    const DemoAlarmData& m_data;
};
