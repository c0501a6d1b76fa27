#pragma once

class Controller;
class DynVar;
class Variable;

// The demo's script library for mouse events on the alarm table: its
// function answers every event with the menu of the alarm under the mouse
// (its text as title, acknowledge, details, filter by its system, and a
// cascade of more entries), placed at the mouse. The demo's processor
// shows it for a right press. The demo configuration names it.
class DemoMouseLibrary
{
public:
    static const char* const LibraryName;
    static const char* const FunctionName;

    enum Entry
    {
        EntryAcknowledge = 1,
        EntryDetails = 2,
        EntryFilterSystem = 3,
        EntryAcknowledgeSystem = 4,
        EntryCopyText = 5
    };

    void registerWith(Controller& controller) const;
    static Variable* mouseEvent(const DynVar& arguments);
};
