#pragma once

#include "qvplatform_export.h"

enum VariableType
{
    NO_VAR = 0,
    INTEGER_VAR,
    TEXT_VAR,
    TIME_VAR,
    DYN_VAR,
    MAPPING_VAR,
    MIXED_VAR,
    ANYTYPE_VAR
};

// A value of the script language. Values are deep-copied with clone().
class QVPLATFORM_EXPORT Variable
{
public:
    virtual ~Variable();

    virtual VariableType isA() const = 0;
    virtual Variable* clone() const = 0;
    // Same type and same value (deep).
    virtual bool isEqual(const Variable& other) const = 0;

    // The script language's name of a type, for messages: "int", "string", ...
    static const char* getTypeName(VariableType type);

protected:
    Variable() = default;
    Variable(const Variable&) = default;
    Variable& operator=(const Variable&) = default;
};
