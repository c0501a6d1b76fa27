#pragma once

#include "variables/Variable.h"
#include "qvplatform_export.h"

#include <QDateTime>

class QVPLATFORM_EXPORT TimeVar : public Variable
{
public:
    explicit TimeVar(const QDateTime& value = QDateTime());

    VariableType isA() const override { return TIME_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    const QDateTime& getValue() const { return m_value; }

private:
    QDateTime m_value;
};
