#pragma once

#include "variables/CharString.h"
#include "qvplatform_export.h"

// An error the manager reports with a message: a number and a text.
class QVPLATFORM_EXPORT ErrClass
{
public:
    ErrClass(int errorId, const CharString& text);

    int getErrorId() const { return m_errorId; }
    const CharString& getErrorText() const { return m_text; }
    // Number and text in one line, "error 7: datapoint 'X' was deleted".
    CharString toString() const;

private:
    int m_errorId;
    CharString m_text;
};
