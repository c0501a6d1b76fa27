#pragma once

#include "variables/HolderVar.h"
#include "qvplatform_export.h"

// A value of any type, as the elements of untyped lists hold them.
class QVPLATFORM_EXPORT AnyTypeVar : public HolderVar
{
public:
    // Takes ownership of value (may be null: an empty value).
    explicit AnyTypeVar(Variable* value = nullptr);

    VariableType isA() const override { return ANYTYPE_VAR; }
    Variable* clone() const override;
};
