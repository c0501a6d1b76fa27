#pragma once

#include "qvas_export.h"

#include <QObject>
#include <QStandardItem>

// The item of a filter statistics view organised as a tree. The tree view
// is not built yet; the item holds no data.
class QVAS_EXPORT FilterStatisticsViewItem : public QObject, public QStandardItem
{
    Q_OBJECT
public:
    static const int ItemType = QStandardItem::UserType + 1;

    int type() const override { return ItemType; }
    QStandardItem* clone() const override { return new FilterStatisticsViewItem; }
    QVariant data(int role) const override;
};
