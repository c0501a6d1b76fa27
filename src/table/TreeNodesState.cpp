#include "table/TreeNodesState.h"

#include <logging/MsgLoggingMessage.h>

#include <QTreeView>

TreeNodesState::SingleNodeState::SingleNodeState(const QVariant& value)
    : m_value(value)
    , m_expanded(false)
{
}

void TreeNodesState::SingleNodeState::reset()
{
    m_expanded = false;
    m_children.clear();
}

void TreeNodesState::SingleNodeState::setForAll(bool expanded)
{
    m_expanded = expanded;
    for (SingleNodeState& child : m_children)
        child.setForAll(expanded);
}

void TreeNodesState::SingleNodeState::setExpanded(const QList<QVariant>& path, int level, bool expanded)
{
    SingleNodeState* node = this;
    for (; level >= 0; --level) {
        auto it = node->m_children.find(path.at(level));
        if (it == node->m_children.end()) {
            SingleNodeState child(path.at(level));
            child.setExpanded(path, level - 1, expanded);
            node->m_children.insert(child.m_value, child);
            return;
        }
        node = &it.value();
    }
    node->m_expanded = expanded;
}

void TreeNodesState::SingleNodeState::restoreState(QTreeView* view, const QModelIndex& index) const
{
    // A node already as remembered is left alone: the view would redo its
    // layout below it for nothing.
    if (index.isValid() && view->isExpanded(index) != m_expanded)
        view->setExpanded(index, m_expanded);
    if (m_children.isEmpty())
        return;
    const QAbstractItemModel* model = view->model();
    const int rows = model->rowCount(index);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex child = model->index(row, 0, index);
        if (!child.isValid())
            continue;
        const auto it = m_children.constFind(child.data(Qt::EditRole));
        if (it != m_children.constEnd())
            it->restoreState(view, child);
    }
}

void TreeNodesState::SingleNodeState::truncateIncompatibleLevels(int maxLevel, int level)
{
    if (level > maxLevel) {
        m_children.clear();
        return;
    }
    for (SingleNodeState& child : m_children)
        child.truncateIncompatibleLevels(maxLevel, level + 1);
}

void TreeNodesState::SingleNodeState::printState(const MsgLoggingProducer* logger, const QString& indent) const
{
    MSG_LOG(logger, MsgLoggerEnums::LogWarning)
        << indent << "mainValue: " << m_value.toString() << ", expanded " << (m_expanded ? 1 : 0);
    const QString childIndent = indent + QStringLiteral("  ");
    for (const SingleNodeState& child : m_children)
        child.printState(logger, childIndent);
}

TreeNodesState::TreeNodesState(const MsgLoggingProducer* logParent, QObject* parent)
    : QObject(parent)
    , MsgLoggingProducer(logParent)
    , m_root(QVariant())
    , m_view(nullptr)
    , m_expandAll(false)
    , m_restoring(false)
{
}

void TreeNodesState::setTreeView(QTreeView* view)
{
    if (m_view) {
        disconnect(m_view, SIGNAL(expanded(const QModelIndex&)), this, SLOT(nodeExpanded(const QModelIndex&)));
        disconnect(m_view, SIGNAL(collapsed(const QModelIndex&)), this, SLOT(nodeCollapsed(const QModelIndex&)));
    }
    reset();
    m_view = view;
    if (!m_view)
        return;
    connect(m_view, SIGNAL(expanded(const QModelIndex&)), this, SLOT(nodeExpanded(const QModelIndex&)));
    connect(m_view, SIGNAL(collapsed(const QModelIndex&)), this, SLOT(nodeCollapsed(const QModelIndex&)));
}

void TreeNodesState::setGroupingConfig(const GroupingConfiguration& config)
{
    m_root.truncateIncompatibleLevels(findGrooupingCompatibility(config), 0);
    m_grouping = config;
}

void TreeNodesState::restoreState() const
{
    if (!m_view) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "call to restoreState() without tree view";
        return;
    }
    if (!m_view->model()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "call to restoreState() for tree view without model";
        return;
    }
    m_restoring = true;
    // Setting the same root index again makes the view lay its rows out
    // anew on its next turn. Until then it only records each expansion
    // set below, instead of laying out the rows after every node: with
    // thousands of nodes laid out already, that made a restore quadratic.
    m_view->setRootIndex(m_view->rootIndex());
    if (m_expandAll)
        m_view->expandAll();
    else
        m_root.restoreState(m_view, QModelIndex());
    m_restoring = false;
}

void TreeNodesState::reset()
{
    m_root.reset();
    m_expandAll = false;
}

void TreeNodesState::expandAll()
{
    m_expandAll = true;
    m_root.setForAll(true);
}

void TreeNodesState::collapseAll()
{
    m_expandAll = false;
    m_root.setForAll(false);
}

int TreeNodesState::findGrooupingCompatibility(const GroupingConfiguration& config) const
{
    const QList<GroupingConfiguration::Rule>& rules = config.getRules();
    const QList<GroupingConfiguration::Rule>& stored = m_grouping.getRules();
    int last = -1;
    for (int i = 0; i < rules.size() && i < stored.size(); ++i) {
        if (rules.at(i).kind != stored.at(i).kind || rules.at(i).text != stored.at(i).text)
            break;
        last = i;
    }
    return last;
}

void TreeNodesState::nodeExpansionChanged(const QModelIndex& index, bool expanded)
{
    if (!index.isValid())
        return;
    QList<QVariant> path;
    for (QModelIndex i = index; i.isValid(); i = i.parent())
        path.append(i.data(Qt::EditRole));
    m_root.setExpanded(path, path.size() - 1, expanded);
}

void TreeNodesState::nodeCollapsed(QModelIndex index)
{
    if (!m_restoring)
        nodeExpansionChanged(index, false);
}

void TreeNodesState::nodeExpanded(QModelIndex index)
{
    if (!m_restoring)
        nodeExpansionChanged(index, true);
}
