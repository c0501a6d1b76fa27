#pragma once

#include "alarmmodels_export.h"

#include <QString>
#include <QVector>

// The columns of the alarm table and what a grouped table calls its tree column.
class ALARMMODELS_EXPORT ProxyModelConfiguration
{
public:
    struct Column
    {
        QString property;  // the name of an alarm property
        QString title;     // the header; the property name when empty
    };

    QVector<Column> columns;
    QString groupColumnTitle = QStringLiteral("Group");
};
