#pragma once

#include "alarmmodels_export.h"

#include <QList>
#include <QMap>
#include <QModelIndex>

// The selected rows of a tree model, as a tree of row numbers. A selected
// row stands for itself and everything beneath it; the rows above a
// selected row are kept so that a walk from the top finds it. A cleared
// selection stands for every row.
class ALARMMODELS_EXPORT ModelRowSelection
{
public:
    ModelRowSelection() = default;

    // The selection of the rows of indexes (their columns do not matter).
    void init(const QList<QModelIndex>& indexes);
    // Everything selected.
    void clear();

    // The selection beneath row, or null when row is not selected nor
    // above a selected row.
    const ModelRowSelection* getChildRowSelection(int row) const;
    bool isAll() const { return m_all; }

private:
    bool m_all = true;
    QMap<int, ModelRowSelection> m_children;
};
