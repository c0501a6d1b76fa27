#pragma once

#include "datapoints/DpIdentifier.h"
#include "qvplatform_export.h"

#include <QVector>

// The datapoint elements of one connection, in the order they were given.
class QVPLATFORM_EXPORT DpIdentList
{
public:
    void append(const DpIdentifier& id) { m_items.append(id); }
    void clear() { m_items.clear(); }
    int getNumberOfItems() const { return m_items.size(); }
    // The identifier at index; an invalid one when out of range.
    DpIdentifier getAt(int index) const { return m_items.value(index); }
    bool operator==(const DpIdentList& other) const { return m_items == other.m_items; }

private:
    QVector<DpIdentifier> m_items;
};
