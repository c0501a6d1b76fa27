#include "models/ModelRowSelection.h"

#include <QVector>

void ModelRowSelection::init(const QList<QModelIndex>& indexes)
{
    m_children.clear();
    m_all = false;
    for (const QModelIndex& index : indexes) {
        if (!index.isValid())
            continue;
        QVector<int> rows;
        for (QModelIndex i = index; i.isValid(); i = i.parent())
            rows.prepend(i.row());
        ModelRowSelection* node = this;
        for (int row : qAsConst(rows)) {
            auto it = node->m_children.find(row);
            if (it == node->m_children.end()) {
                it = node->m_children.insert(row, ModelRowSelection());
                it->m_all = false;
            }
            node = &it.value();
        }
        node->clear();
    }
}

void ModelRowSelection::clear()
{
    m_children.clear();
    m_all = true;
}

const ModelRowSelection* ModelRowSelection::getChildRowSelection(int row) const
{
    if (m_all)
        return this;
    const auto it = m_children.constFind(row);
    return it == m_children.constEnd() ? nullptr : &it.value();
}
