#pragma once

#include "qvplatform_export.h"

#include <QString>

// One datapoint element as the manager knows it: the datapoint's number,
// the element's position in the datapoint's type and the element's name.
// Identifiers order by datapoint, then by element position, which is the
// order in which the manager hands out the values of a connection.
class QVPLATFORM_EXPORT DpIdentifier
{
public:
    DpIdentifier() = default;
    DpIdentifier(int dp, int element, const QString& name);

    bool isValid() const { return m_dp >= 0; }
    int getDp() const { return m_dp; }
    int getElement() const { return m_element; }
    const QString& getName() const { return m_name; }

    bool operator==(const DpIdentifier& other) const;
    bool operator<(const DpIdentifier& other) const;

private:
    int m_dp = -1;
    int m_element = -1;
    QString m_name;
};
