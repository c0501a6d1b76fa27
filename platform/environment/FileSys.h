#pragma once

#include "qvplatform_export.h"

// File system conventions of the platform.
class QVPLATFORM_EXPORT FileSys
{
public:
    // Separator of the parts of a path.
    static const char PATH_CHAR;
};
