#pragma once

#include "qvas_export.h"

#include <configuration/GroupingConfiguration.h>
#include <logging/MsgLoggingProducer.h>

#include <QList>
#include <QMap>
#include <QModelIndex>
#include <QObject>
#include <QVariant>

class QTreeView;

// Remembered nodes are keyed by their values in QVariant order. Qt 5.15
// deprecates QVariant's operator< for general use; a map of group values is
// exactly what it still serves, so the map uses it without the warning.
template <>
inline bool qMapLessThanKey<QVariant>(const QVariant& key1, const QVariant& key2)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return key1 < key2;
    QT_WARNING_POP
}

// Remembers which group nodes of a grouped tree view the operator opened,
// by the path of their values (top-level value, then the value below it and
// so on), so that the expansion survives model resets: the owner calls
// restoreState() after each reset or regrouping. When the grouping changes,
// what is remembered for the leading unchanged levels survives.
class QVAS_EXPORT TreeNodesState : public QObject, public MsgLoggingProducer
{
    Q_OBJECT
public:
    // One remembered node and the remembered nodes below it.
    class QVAS_EXPORT SingleNodeState
    {
    public:
        explicit SingleNodeState(const QVariant& value = QVariant());

        // Collapsed, with nothing remembered below.
        void reset();
        void setForAll(bool expanded);
        // Walks down path from its element level (path runs leaf first) and
        // sets the flag of the node it ends at, creating missing nodes
        // collapsed on the way.
        void setExpanded(const QList<QVariant>& path, int level, bool expanded);
        void restoreState(QTreeView* view, const QModelIndex& index) const;
        // Forgets everything below the nodes of grouping level maxLevel.
        void truncateIncompatibleLevels(int maxLevel, int level);
        void printState(const MsgLoggingProducer* logger, const QString& indent) const;

        const QVariant& getValue() const { return m_value; }
        bool isExpanded() const { return m_expanded; }
        const QMap<QVariant, SingleNodeState>& getChildren() const { return m_children; }

    private:
        QVariant m_value;
        QMap<QVariant, SingleNodeState> m_children;
        bool m_expanded;
    };

    TreeNodesState(const MsgLoggingProducer* logParent, QObject* parent);

    // Follows view from now on, forgetting what was remembered before.
    void setTreeView(QTreeView* view);
    // Keeps the state of the levels whose rules did not change.
    void setGroupingConfig(const GroupingConfiguration& config);
    void restoreState() const;
    void reset();
    // Both change only what restoreState() writes, not the view.
    void expandAll();
    void collapseAll();

    // The index of the last leading rule that config shares with the
    // stored grouping; -1 when the first differs.
    int findGrooupingCompatibility(const GroupingConfiguration& config) const;
    void nodeExpansionChanged(const QModelIndex& index, bool expanded);

    const SingleNodeState& getRootState() const { return m_root; }

private slots:
    void nodeCollapsed(QModelIndex index);
    void nodeExpanded(QModelIndex index);

private:
    // Connects to the view's expanded and collapsed signals, or disconnects.
    void followView(bool follow) const;

    SingleNodeState m_root;
    GroupingConfiguration m_grouping;
    QTreeView* m_view;
    bool m_expandAll;
    // Set while restoreState() writes to the view, whose signals are then not ours to remember.
    mutable bool m_restoring;
};
