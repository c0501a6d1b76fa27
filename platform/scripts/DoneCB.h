#pragma once

#include "qvplatform_export.h"

class Variable;

// Receives the return value of a started script function.
class QVPLATFORM_EXPORT DoneCB
{
public:
    virtual ~DoneCB();
    virtual DoneCB* clone() const = 0;
    // result is the function's return value (null when it returned nothing);
    // it is valid only during the call.
    virtual void execute(const Variable* result) = 0;
};
