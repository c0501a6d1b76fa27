#pragma once

#include "Variable.h"
#include "qvplatform_export.h"

#include <memory>

// A value of any type, held in a variable declared without a type.
class QVPLATFORM_EXPORT MixedVar : public Variable
{
public:
    // Takes ownership of value (may be null: an empty mixed value).
    explicit MixedVar(Variable* value = nullptr);
    MixedVar(const MixedVar& other);
    ~MixedVar() override;

    VariableType isA() const override { return MIXED_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    const Variable* getValue() const { return m_value.get(); }

private:
    std::unique_ptr<Variable> m_value;
};
