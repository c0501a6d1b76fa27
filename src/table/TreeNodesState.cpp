#include "table/TreeNodesState.h"

#include <logging/MsgLoggingMessage.h>

#include <QHash>
#include <QTreeView>

namespace {

// Whether two group values are of one type and equal. Equal values are
// equivalent in the ordered map of children, which holds no two equivalent
// values: a child found equal is the one the map finds. The reverse does
// not hold (the map also takes values of other types, or strings that
// differ in case, as equivalent), so a value not found equal is looked up
// in the map.
bool sameValue(const QVariant& a, const QVariant& b)
{
    return a.userType() == b.userType() && a == b;
}

// A group value as a hash key, without copying it. Only strings and whole
// numbers are hashed; other values are left to the map.
struct ExactValue
{
    const QVariant* value;

    static bool hashable(const QVariant& v)
    {
        switch (v.userType()) {
        case QMetaType::QString:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return true;
        default:
            return false;
        }
    }
    bool operator==(const ExactValue& other) const { return sameValue(*value, *other.value); }
};

uint qHash(const ExactValue& key, uint seed)
{
    const QVariant& v = *key.value;
    switch (v.userType()) {
    case QMetaType::QString:
        return ::qHash(v.toString(), seed);
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return ::qHash(v.toULongLong(), seed);
    default:
        return ::qHash(v.toLongLong(), seed);
    }
}

// The remembered children of a node, found by value for every row under
// it. Comparing QVariants in order is slow (conversions, text comparisons
// in both directions); with thousands of groups a restore spent most of its
// time there. Many children are hashed, a few are compared one by one.
class ValueIndex
{
public:
    using SingleNodeState = TreeNodesState::SingleNodeState;

    explicit ValueIndex(const QMap<QVariant, SingleNodeState>& children)
        : m_children(children)
    {
        if (children.size() <= kScanned)
            return;
        m_exact.reserve(children.size());
        for (auto it = children.cbegin(); it != children.cend(); ++it) {
            if (ExactValue::hashable(it.key()))
                m_exact.insert(ExactValue{&it.key()}, &it.value());
        }
    }

    const SingleNodeState* find(const QVariant& value) const
    {
        if (m_children.size() <= kScanned) {
            for (auto it = m_children.cbegin(); it != m_children.cend(); ++it) {
                if (sameValue(it.key(), value))
                    return &it.value();
            }
        } else if (ExactValue::hashable(value)) {
            if (const SingleNodeState* state = m_exact.value(ExactValue{&value}))
                return state;
        }
        const auto it = m_children.constFind(value);
        return it == m_children.cend() ? nullptr : &it.value();
    }

private:
    // Up to this many children are compared one by one.
    static const int kScanned = 4;

    const QMap<QVariant, SingleNodeState>& m_children;
    QHash<ExactValue, const SingleNodeState*> m_exact;
};

} // namespace

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
    if (index.isValid())
        view->setExpanded(index, m_expanded);
    if (m_children.isEmpty())
        return;
    const QAbstractItemModel* model = view->model();
    const int rows = model->rowCount(index);
    const ValueIndex children(m_children);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex child = model->index(row, 0, index);
        if (!child.isValid())
            continue;
        if (const SingleNodeState* state = children.find(child.data(Qt::EditRole)))
            state->restoreState(view, child);
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
    if (m_view)
        followView(false);
    reset();
    m_view = view;
    if (m_view)
        followView(true);
}

void TreeNodesState::followView(bool follow) const
{
    if (follow) {
        connect(m_view, SIGNAL(expanded(const QModelIndex&)), this, SLOT(nodeExpanded(const QModelIndex&)));
        connect(m_view, SIGNAL(collapsed(const QModelIndex&)), this, SLOT(nodeCollapsed(const QModelIndex&)));
    } else {
        disconnect(m_view, SIGNAL(expanded(const QModelIndex&)), this, SLOT(nodeExpanded(const QModelIndex&)));
        disconnect(m_view, SIGNAL(collapsed(const QModelIndex&)), this, SLOT(nodeCollapsed(const QModelIndex&)));
    }
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
