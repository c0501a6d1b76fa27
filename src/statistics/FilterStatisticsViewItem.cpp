#include "statistics/FilterStatisticsViewItem.h"

QVariant FilterStatisticsViewItem::data(int) const
{
    return QVariant();
}
