#pragma once

#include <QString>

class QWidget;

// Types into the pattern editors of the panel's current filter tab as the
// operator does, key by key, for the demo's screenshots.
class DemoPatternTyping
{
public:
    // Types text into the pattern editor named editorName (a line break is
    // typed as Return) inside window's visible filter tab; with apply, then
    // presses the apply button of its structured filter. False when there is no
    // such editor.
    static bool typeInto(QWidget* window, const QString& editorName, const QString& text, bool apply);
};
