#include "variables/AnyTypeVar.h"

AnyTypeVar::AnyTypeVar(Variable* value)
    : HolderVar(value)
{
}

Variable* AnyTypeVar::clone() const
{
    return new AnyTypeVar(*this);
}
