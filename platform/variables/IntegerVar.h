#pragma once

#include "variables/Variable.h"
#include "qvplatform_export.h"

class QVPLATFORM_EXPORT IntegerVar : public Variable
{
public:
    explicit IntegerVar(int value = 0);

    VariableType isA() const override { return INTEGER_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    int getValue() const { return m_value; }
    void setValue(int value) { m_value = value; }

private:
    int m_value;
};
