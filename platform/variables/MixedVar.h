#pragma once

#include "variables/HolderVar.h"
#include "qvplatform_export.h"

// A value of any type, held in a variable declared without a type.
class QVPLATFORM_EXPORT MixedVar : public HolderVar
{
public:
    // Takes ownership of value (may be null: an empty value).
    explicit MixedVar(Variable* value = nullptr);

    VariableType isA() const override { return MIXED_VAR; }
    Variable* clone() const override;
};
