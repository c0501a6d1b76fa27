#pragma once

#include <QString>

// Where the demo's folders are: beside an installed demo (found from the
// executable's own folder, so that a moved prefix still works), else in the
// source and build trees the demo was built in.
class DemoFolders
{
public:
    // The demo project: configuration, colour databases, stored filters.
    static QString project();
    // The project folder whose bin/plugins/ holds the sample panel plug-in.
    static QString pluginProject();
    // The colour database of deliberately broken lines.
    static QString brokenColours();

private:
    // The installed folder name, or an empty string when not installed.
    static QString installed(const char* name);
};
