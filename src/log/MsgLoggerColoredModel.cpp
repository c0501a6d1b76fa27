#include "log/MsgLoggerColoredModel.h"

#include <QBrush>

MsgLoggerColoredModel::MsgLoggerColoredModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::EditRole);
}

QVariant MsgLoggerColoredModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = QSortFilterProxyModel::data(index, role);
    // The source gives the severity itself as the background of column 1.
    if (role != Qt::BackgroundRole || index.column() != 1)
        return value;
    const QColor color = colorOfSeverity(value.toInt());
    return color.isValid() ? QVariant(QBrush(color, Qt::SolidPattern)) : QVariant();
}

QColor MsgLoggerColoredModel::colorOfSeverity(int severity)
{
    switch (severity) {
    case 2:
        return QColor(255, 255, 192);
    case 3:
        return QColor(255, 192, 192);
    default:
        return QColor();
    }
}
