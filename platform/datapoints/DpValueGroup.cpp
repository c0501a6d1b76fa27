#include "datapoints/DpValueGroup.h"

#include "variables/Variable.h"

DpValueGroup::DpValueGroup(const DpValueGroup& other)
{
    *this = other;
}

DpValueGroup& DpValueGroup::operator=(const DpValueGroup& other)
{
    if (this == &other)
        return *this;
    m_items.clear();
    for (const Item& item : other.m_items)
        appendItem(item.id, item.value ? item.value->clone() : nullptr);
    m_error.reset(other.m_error ? new ErrClass(*other.m_error) : nullptr);
    return *this;
}

DpValueGroup::~DpValueGroup() = default;

void DpValueGroup::appendItem(const DpIdentifier& id, Variable* value)
{
    m_items.push_back(Item{id, std::unique_ptr<Variable>(value)});
}

const Variable* DpValueGroup::getValue(int index) const
{
    return index >= 0 && index < getNumberOfItems() ? m_items.at(size_t(index)).value.get() : nullptr;
}

Variable* DpValueGroup::getValue(int index)
{
    return index >= 0 && index < getNumberOfItems() ? m_items.at(size_t(index)).value.get() : nullptr;
}
