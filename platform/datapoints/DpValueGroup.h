#pragma once

#include "datapoints/DpIdentifier.h"
#include "datapoints/ErrClass.h"
#include "qvplatform_export.h"

#include <memory>
#include <vector>

class Variable;

// Values of datapoint elements that travel together in one message, or the
// error that took their place. Items keep the order in which they were
// added; the manager adds them sorted by element.
class QVPLATFORM_EXPORT DpValueGroup
{
public:
    DpValueGroup() = default;
    DpValueGroup(const DpValueGroup& other);
    DpValueGroup& operator=(const DpValueGroup& other);
    virtual ~DpValueGroup();

    // Takes ownership of value.
    void appendItem(const DpIdentifier& id, Variable* value);
    int getNumberOfItems() const { return int(m_items.size()); }
    const DpIdentifier& getIdentifier(int index) const { return m_items.at(size_t(index)).id; }
    // The value of item index; null when out of range.
    const Variable* getValue(int index) const;
    Variable* getValue(int index);

    void setError(const ErrClass& error) { m_error.reset(new ErrClass(error)); }
    // The error of the group; null when it carries values.
    const ErrClass* getErrorPtr() const { return m_error.get(); }

private:
    struct Item
    {
        DpIdentifier id;
        std::unique_ptr<Variable> value;
    };
    std::vector<Item> m_items;
    std::unique_ptr<ErrClass> m_error;
};
