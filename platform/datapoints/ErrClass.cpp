#include "datapoints/ErrClass.h"

ErrClass::ErrClass(int errorId, const CharString& text)
    : m_errorId(errorId)
    , m_text(text)
{
}

CharString ErrClass::toString() const
{
    return CharString::fromQString(QStringLiteral("error %1: %2").arg(m_errorId).arg(m_text.toQString()));
}
