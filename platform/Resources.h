#pragma once

#include "qvplatform_export.h"

#include <QStringList>

// The platform's environment: its ordered project and installation paths,
// the project path first. The host that starts the runtime fills the list.
class QVPLATFORM_EXPORT Resources
{
public:
    static QStringList pathes_;

    // Replaces the path list (the host's start-up; tests use temporary folders).
    static void setPathes(const QStringList& pathes);
};
