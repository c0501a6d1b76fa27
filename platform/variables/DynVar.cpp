#include "variables/DynVar.h"

DynVar::DynVar(const DynVar& other)
    : Variable(other)
{
    *this = other;
}

DynVar& DynVar::operator=(const DynVar& other)
{
    if (this == &other)
        return *this;
    std::vector<std::unique_ptr<Variable>> items;
    items.reserve(other.m_items.size());
    for (const auto& item : other.m_items)
        items.emplace_back(item->clone());
    m_items = std::move(items);
    return *this;
}

DynVar::~DynVar() = default;

Variable* DynVar::clone() const
{
    return new DynVar(*this);
}

bool DynVar::isEqual(const Variable& other) const
{
    if (other.isA() != DYN_VAR)
        return false;
    const auto& list = static_cast<const DynVar&>(other);
    if (list.m_items.size() != m_items.size())
        return false;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (!m_items[i]->isEqual(*list.m_items[i]))
            return false;
    }
    return true;
}

const Variable* DynVar::getAt(int index) const
{
    return index >= 0 && size_t(index) < m_items.size() ? m_items[size_t(index)].get() : nullptr;
}

bool DynVar::append(Variable* value)
{
    if (!value)
        return false;
    m_items.emplace_back(value);
    return true;
}
