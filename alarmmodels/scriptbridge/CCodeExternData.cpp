#include "scriptbridge/CCodeExternData.h"

CCodeExternData::CCodeExternData(const QString& component, const QString& context)
    : m_component(component)
    , m_context(context)
{
}
