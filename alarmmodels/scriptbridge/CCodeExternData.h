#pragma once

#include "alarmmodels_export.h"

#include <scripts/ExternData.h>

#include <QString>

// Names the C++ component that checks in a script, for the script's messages.
class ALARMMODELS_EXPORT CCodeExternData : public ExternData
{
public:
    CCodeExternData(const QString& component, const QString& context);

    const QString& getComponent() const { return m_component; }
    const QString& getContext() const { return m_context; }

private:
    QString m_component;
    QString m_context;
};
