#include "variables/MixedVar.h"

MixedVar::MixedVar(Variable* value)
    : HolderVar(value)
{
}

Variable* MixedVar::clone() const
{
    return new MixedVar(*this);
}
