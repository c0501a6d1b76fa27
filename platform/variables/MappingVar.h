#pragma once

#include "variables/Variable.h"
#include "qvplatform_export.h"

#include <memory>
#include <utility>
#include <vector>

// A mapping from keys of any type to values, in insertion order; it owns
// its keys and values.
class QVPLATFORM_EXPORT MappingVar : public Variable
{
public:
    MappingVar() = default;
    MappingVar(const MappingVar& other);
    MappingVar& operator=(const MappingVar& other);
    ~MappingVar() override;

    VariableType isA() const override { return MAPPING_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    int getNumberOfItems() const { return int(m_items.size()); }
    const Variable* getKey(int index) const;
    const Variable* getValue(int index) const;
    // The value stored under key, null when there is none.
    const Variable* getAt(const Variable& key) const;
    // Stores value under key, taking ownership of both and replacing a
    // value stored under an equal key. Null arguments are refused.
    bool setAt(Variable* key, Variable* value);

private:
    std::vector<std::pair<std::unique_ptr<Variable>, std::unique_ptr<Variable>>> m_items;
};
