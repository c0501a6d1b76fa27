#pragma once

#include "qvas_export.h"

#include <QColor>
#include <QSortFilterProxyModel>

// The log messages with the severity column coloured: warnings light
// yellow, errors light red, the others as they are.
class QVAS_EXPORT MsgLoggerColoredModel : public QSortFilterProxyModel
{
public:
    explicit MsgLoggerColoredModel(QObject* parent);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    static QColor colorOfSeverity(int severity);
};
