#pragma once

#include "configuration/GroupingConfiguration.h"
#include "configuration/ProxyModelConfiguration.h"
#include "filtervalues/QuickCellFilter.h"
#include "filtervalues/SourceAndFilter.h"
#include "models/AlarmInstance.h"
#include "models/AlarmMatcher.h"
#include "systems/SystemConnectionsControl.h"
#include "alarmmodels_export.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QVector>

class AlarmsModel;

// The alarm table: the alarms of the connected systems that pass the
// applied filter and quick filter, flat or grouped as a tree by the rules of
// a grouping configuration.
//
// Grouped, column 0 is the tree column: a group node shows its value and
// the number of alarms it holds there ("Plant1 (12)"; its Qt::EditRole data
// is the group value itself) and the configured columns follow from column
// 1. Flat, the configured columns start at column 0.
//
// The model follows the alarm model incrementally: new alarms are inserted
// in place (with their new group nodes), changed alarms emit dataChanged or
// move, gone alarms are removed with the groups they leave empty. Only a new
// filter, grouping or set of connected systems resets the model. Without a
// sort column alarms are in the order of their identifiers (the order they
// came in); groups are in the order of their values.
class ALARMMODELS_EXPORT AlarmsProxyModel : public QAbstractItemModel, public SystemConnectionsControl
{
    Q_OBJECT
public:
    AlarmsProxyModel(const QSharedPointer<AlarmsModel>& model, const ProxyModelConfiguration& config,
                     QObject* parent = nullptr);
    ~AlarmsProxyModel() override;

    QString instanceTypeName() const override;

    const QSharedPointer<AlarmsModel>& getAlarmsModel() const { return m_model; }
    // The property of each column. With withGroupColumn, one entry per
    // model column: a grouped table starts with an invalid entry for its
    // tree column. Without, the configured columns only.
    QVector<AlarmProp> getColumnsDefinition(bool withGroupColumn) const;
    const QVector<AlarmProp>& getAlarmProperties() const;
    // The alarm of the row of index; null for a group node or a foreign index.
    AlarmPtr getAlarmAtRow(const QModelIndex& index) const;
    AlarmPtr getAlarmByIdent(qint64 ident) const;
    // The index of the row of a shown alarm (column 0), or an invalid one.
    QModelIndex findAlarmIndex(qint64 ident) const;

    void connectToSystem(const QString& system);
    void disconnectFromSystem(const QString& system);
    // Connects exactly to systems, with one reset.
    void setConnectedSystems(const QStringList& systems);

    // Shows the alarms that pass filter's rule container and, when it names
    // systems, belong to one of them.
    void setFilter(const SourceAndFilter& filter);
    const SourceAndFilter& getFilter() const { return m_filter; }
    // Refuses (false, logged) an invalid quick filter and keeps the previous one.
    bool setQuickFilter(const QuickCellFilter& filter);
    const QuickCellFilter& getQuickFilter() const { return m_quickFilter; }
    // Refuses (false, logged) rules of an unknown kind or property and keeps the previous grouping.
    bool setGroupingConfiguration(const GroupingConfiguration& config);
    const GroupingConfiguration& getGroupingConfiguration() const { return m_grouping; }
    int getGroupingDepth() const { return m_groupRules.size(); }

    int getShownAlarmCount() const { return m_shown.size(); }
    // The alarms of the connected systems, shown or not.
    int getConnectedAlarmCount() const { return m_connectedCount; }

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    // Alarm rows never have children: a tree view then need not ask each of them.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void alarmsAdded(const AlarmList& alarms) override;
    void alarmsChanged(const AlarmList& alarms) override;
    void alarmsRemoved(const AlarmList& alarms) override;
    void alarmsCleared() override;

    // Orders two values: invalid first, numbers by value, times by time,
    // everything else by text.
    static int compareValues(const QVariant& a, const QVariant& b);

signals:
    void connectedSystemsChanged();
    // After every change of the shown alarms.
    void alarmCountsChanged(int shown, int connected);

private:
    struct Group;
    struct Rule
    {
        int kind;
        AlarmProp prop;
    };
    using Path = QVector<QVariant>;
    struct Entry
    {
        AlarmPtr alarm;
        Path path;
    };

    bool accepts(const AlarmInstance& alarm) const;
    bool passesQuickFilter(const AlarmInstance& alarm) const;
    Path pathOf(const AlarmInstance& alarm) const;
    QVariant groupValue(const AlarmInstance& alarm, const Rule& rule) const;
    bool lessAlarm(const AlarmPtr& a, const AlarmPtr& b) const;
    int compareGroupValues(const QVariant& a, const QVariant& b) const;
    QVector<Entry> sortedEntries(const AlarmList& alarms) const;

    bool isLeaf(const Group* group) const;
    int childCount(const Group* group) const;
    Group* childGroup(const QModelIndex& index) const;
    QModelIndex groupIndex(const Group* group) const;
    // The group holding the alarms of path, or null.
    Group* findLeaf(const Path& path) const;
    // Position of a child group of value, or where it belongs (found false).
    int findGroupPos(const Group* parent, const QVariant& value, bool& found) const;
    // Position of alarm (by its identity) in leaf, or -1.
    int findAlarmPos(const Group* leaf, const AlarmPtr& alarm) const;
    int insertPos(const Group* leaf, const AlarmPtr& alarm) const;
    Group* newGroup(Group* parent, const QVariant& value, const AlarmInstance& first) const;
    void renumber(Group* group, int from) const;
    void addCount(Group* group, int delta);
    void deleteGroup(Group* group);
    // Builds the group of level for entries [from, to) (same path down to
    // level), with everything below it.
    Group* buildGroup(Group* parent, int level, const QVector<Entry>& entries, int from, int to);

    void rebuild();
    void insertAlarms(const AlarmList& alarms);
    void removeAlarm(const AlarmPtr& shownVersion);
    void emitTouchedGroups();
    void emitCounts();
    void sortGroup(Group* group);

    QSharedPointer<AlarmsModel> m_model;
    QVector<AlarmProp> m_columns;
    QStringList m_titles;
    QString m_groupTitle;
    SourceAndFilter m_filter;
    AlarmMatcher m_matcher;
    QuickCellFilter m_quickFilter;
    GroupingConfiguration m_grouping;
    QVector<Rule> m_groupRules;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    Group* m_root = nullptr;
    // The shown version of each shown alarm, by identifier.
    QHash<qint64, AlarmPtr> m_shown;
    int m_connectedCount = 0;
    // Groups whose count changed during the current batch.
    QSet<Group*> m_touched;
};
