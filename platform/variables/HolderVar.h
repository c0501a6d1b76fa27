#pragma once

#include "variables/Variable.h"
#include "qvplatform_export.h"

#include <memory>

// A variable that holds one value of any type (or none); the kinds differ
// only in their type.
class QVPLATFORM_EXPORT HolderVar : public Variable
{
public:
    ~HolderVar() override;

    bool isEqual(const Variable& other) const override;
    const Variable* getValue() const { return m_value.get(); }

protected:
    // Takes ownership of value.
    explicit HolderVar(Variable* value);
    HolderVar(const HolderVar& other);

private:
    std::unique_ptr<Variable> m_value;
};
