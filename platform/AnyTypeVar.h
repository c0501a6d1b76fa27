#pragma once

#include "Variable.h"
#include "qvplatform_export.h"

#include <memory>

// A value of any type, as the elements of untyped lists hold them.
class QVPLATFORM_EXPORT AnyTypeVar : public Variable
{
public:
    // Takes ownership of value (may be null: an empty mixed value).
    explicit AnyTypeVar(Variable* value = nullptr);
    AnyTypeVar(const AnyTypeVar& other);
    ~AnyTypeVar() override;

    VariableType isA() const override { return ANYTYPE_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    const Variable* getValue() const { return m_value.get(); }

private:
    std::unique_ptr<Variable> m_value;
};
