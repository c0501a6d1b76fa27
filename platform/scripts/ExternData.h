#pragma once

#include "qvplatform_export.h"

// Data a C++ component hands to the scripts it checks in.
class QVPLATFORM_EXPORT ExternData
{
public:
    virtual ~ExternData();
};
