#pragma once

#include "models/AlarmProp.h"
#include "alarmmodels_export.h"

#include <QVector>

// The properties every alarm of the screen has, in order.
class ALARMMODELS_EXPORT AlarmModelConfiguration
{
public:
    QVector<AlarmProp> properties;

    // The property with that name, or null.
    const AlarmProp* findProperty(const QString& name) const
    {
        for (const AlarmProp& prop : properties) {
            if (prop.getName() == name)
                return &prop;
        }
        return nullptr;
    }
};
