#pragma once

#include "environment/PathList.h"
#include "qvplatform_export.h"

// The platform's environment. The host that starts the runtime fills the
// path list; tests fill it with temporary folders.
class QVPLATFORM_EXPORT Resources
{
public:
    static PathList pathes_;
};
