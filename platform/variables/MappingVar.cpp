#include "variables/MappingVar.h"

MappingVar::MappingVar(const MappingVar& other)
    : Variable(other)
{
    *this = other;
}

MappingVar& MappingVar::operator=(const MappingVar& other)
{
    if (this == &other)
        return *this;
    decltype(m_items) items;
    items.reserve(other.m_items.size());
    for (const auto& item : other.m_items)
        items.emplace_back(std::unique_ptr<Variable>(item.first->clone()), std::unique_ptr<Variable>(item.second->clone()));
    m_items = std::move(items);
    return *this;
}

MappingVar::~MappingVar() = default;

Variable* MappingVar::clone() const
{
    return new MappingVar(*this);
}

bool MappingVar::isEqual(const Variable& other) const
{
    if (other.isA() != MAPPING_VAR)
        return false;
    const auto& map = static_cast<const MappingVar&>(other);
    if (map.m_items.size() != m_items.size())
        return false;
    for (const auto& item : m_items) {
        const Variable* value = map.getAt(*item.first);
        if (!value || !value->isEqual(*item.second))
            return false;
    }
    return true;
}

const Variable* MappingVar::getKey(int index) const
{
    return index >= 0 && size_t(index) < m_items.size() ? m_items[size_t(index)].first.get() : nullptr;
}

const Variable* MappingVar::getValue(int index) const
{
    return index >= 0 && size_t(index) < m_items.size() ? m_items[size_t(index)].second.get() : nullptr;
}

const Variable* MappingVar::getAt(const Variable& key) const
{
    for (const auto& item : m_items) {
        if (item.first->isEqual(key))
            return item.second.get();
    }
    return nullptr;
}

bool MappingVar::setAt(Variable* key, Variable* value)
{
    std::unique_ptr<Variable> ownedKey(key);
    std::unique_ptr<Variable> ownedValue(value);
    if (!key || !value)
        return false;
    for (auto& item : m_items) {
        if (item.first->isEqual(*key)) {
            item.second = std::move(ownedValue);
            return true;
        }
    }
    m_items.emplace_back(std::move(ownedKey), std::move(ownedValue));
    return true;
}
