#pragma once

#include "variables/Variable.h"
#include "qvplatform_export.h"

#include <memory>
#include <vector>

// A list of values; it owns its elements.
class QVPLATFORM_EXPORT DynVar : public Variable
{
public:
    DynVar() = default;
    DynVar(const DynVar& other);
    DynVar& operator=(const DynVar& other);
    DynVar(DynVar&&) = default;
    DynVar& operator=(DynVar&&) = default;
    ~DynVar() override;

    VariableType isA() const override { return DYN_VAR; }
    // The type of the list, found again on every call (no cached answer).
    VariableType isAUncached() const { return DYN_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    int getNumberOfItems() const { return int(m_items.size()); }
    // The element at index (0-based), null when out of range.
    const Variable* getAt(int index) const;
    // Appends value, taking ownership; a null value is refused.
    bool append(Variable* value);

private:
    std::vector<std::unique_ptr<Variable>> m_items;
};
