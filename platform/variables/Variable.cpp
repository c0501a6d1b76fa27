#include "variables/Variable.h"

Variable::~Variable() = default;

const char* Variable::getTypeName(VariableType type)
{
    switch (type) {
    case NO_VAR:
        return "void";
    case INTEGER_VAR:
        return "int";
    case TEXT_VAR:
        return "string";
    case TIME_VAR:
        return "time";
    case DYN_VAR:
        return "dyn_anytype";
    case MAPPING_VAR:
        return "mapping";
    case MIXED_VAR:
        return "mixed";
    case ANYTYPE_VAR:
        return "anytype";
    }
    return "unknown";
}
