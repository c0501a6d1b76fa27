#pragma once

#include "variables/CharString.h"
#include "variables/Variable.h"
#include "qvplatform_export.h"

#include <QString>

class QVPLATFORM_EXPORT TextVar : public Variable
{
public:
    TextVar() = default;
    explicit TextVar(const char* text);
    explicit TextVar(const QString& text);

    VariableType isA() const override { return TEXT_VAR; }
    Variable* clone() const override;
    bool isEqual(const Variable& other) const override;

    const CharString& getValue() const { return m_value; }
    QString toQString() const { return m_value.toQString(); }
    void setValue(const CharString& value) { m_value = value; }

    // The language's yes/no test of a text: false for an empty or blank
    // text and for "0", "false" and "no" (any letter case); true otherwise.
    bool isTrue() const;

private:
    CharString m_value;
};
