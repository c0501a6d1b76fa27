#include "models/AlarmsProxyModel.h"

#include "filtervalues/ValueFilter.h"
#include "logging/MsgLoggingMessage.h"
#include "models/AlarmsModel.h"

#include <QDateTime>

#include <algorithm>

struct AlarmsProxyModel::Group
{
    Group* parent = nullptr;
    int row = 0;     // position in parent->groups
    int level = -1;  // the root is -1, top groups 0
    QVariant value;
    QString text;
    int count = 0;           // alarms beneath
    QVector<Group*> groups;  // above the last grouping level
    AlarmList alarms;        // at the last grouping level (the root when flat)
};

namespace {

bool isNumber(const QVariant& v)
{
    switch (int(v.type())) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace

AlarmsProxyModel::AlarmsProxyModel(const QSharedPointer<AlarmsModel>& model, const ProxyModelConfiguration& config,
                                   QObject* parent)
    : QAbstractItemModel(parent)
    , SystemConnectionsControl(model.data())
    , m_model(model)
    , m_groupTitle(config.groupColumnTitle)
    , m_filter(this, QStringLiteral("applied"))
    , m_quickFilter(this)
    , m_root(new Group)
{
    for (const ProxyModelConfiguration::Column& column : config.columns) {
        const AlarmProp prop = m_model->findProperty(column.property);
        if (!prop.isValid()) {
            MSG_LOG(this, MsgLoggerEnums::LogWarning)
                << "column of unknown alarm property '" << column.property << "' left out";
            continue;
        }
        m_columns.append(prop);
        m_titles.append(column.title.isEmpty() ? column.property : column.title);
    }
    m_model->addConsumer(this);
}

AlarmsProxyModel::~AlarmsProxyModel()
{
    m_model->removeConsumer(this);
    deleteGroup(m_root);
}

QString AlarmsProxyModel::instanceTypeName() const
{
    return QStringLiteral("AlarmsProxyModel");
}

QVector<AlarmProp> AlarmsProxyModel::getColumnsDefinition(bool withGroupColumn) const
{
    if (!withGroupColumn || m_groupRules.isEmpty())
        return m_columns;
    return QVector<AlarmProp>{AlarmProp()} + m_columns;
}

const QVector<AlarmProp>& AlarmsProxyModel::getAlarmProperties() const
{
    return m_model->getAlarmProperties();
}

AlarmPtr AlarmsProxyModel::getAlarmAtRow(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return AlarmPtr();
    const auto* group = static_cast<const Group*>(index.internalPointer());
    return isLeaf(group) ? group->alarms.at(index.row()) : AlarmPtr();
}

AlarmPtr AlarmsProxyModel::getAlarmByIdent(qint64 ident) const
{
    return m_model->getAlarmByIdent(ident);
}

QModelIndex AlarmsProxyModel::findAlarmIndex(qint64 ident) const
{
    const AlarmPtr shown = m_shown.value(ident);
    if (!shown)
        return QModelIndex();
    Group* leaf = findLeaf(pathOf(*shown));
    const int pos = leaf ? findAlarmPos(leaf, shown) : -1;
    return pos < 0 ? QModelIndex() : createIndex(pos, 0, leaf);
}

// ---- systems, filters, grouping

void AlarmsProxyModel::connectToSystem(const QString& system)
{
    if (!addConnectedSystem(system))
        return;
    rebuild();
    emit connectedSystemsChanged();
}

void AlarmsProxyModel::disconnectFromSystem(const QString& system)
{
    if (!removeConnectedSystem(system))
        return;
    rebuild();
    emit connectedSystemsChanged();
}

void AlarmsProxyModel::setConnectedSystems(const QStringList& systems)
{
    bool changed = false;
    for (const QString& system : getConnectedSystems()) {
        if (!systems.contains(system))
            changed = removeConnectedSystem(system) || changed;
    }
    for (const QString& system : systems)
        changed = addConnectedSystem(system) || changed;
    if (!changed)
        return;
    rebuild();
    emit connectedSystemsChanged();
}

void AlarmsProxyModel::setFilter(const SourceAndFilter& filter)
{
    m_filter = filter;
    m_matcher.setFilter(m_filter, *m_model, this);
    rebuild();
}

bool AlarmsProxyModel::setQuickFilter(const QuickCellFilter& filter)
{
    if (!filter.isValid()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "invalid quick filter '" << filter.getString() << "' (mode " << filter.getMode() << ") refused";
        return false;
    }
    if (filter == m_quickFilter && filter.getMatchAllChar() == m_quickFilter.getMatchAllChar())
        return true;
    m_quickFilter = filter;
    rebuild();
    return true;
}

bool AlarmsProxyModel::setGroupingConfiguration(const GroupingConfiguration& config)
{
    QVector<Rule> rules;
    for (const GroupingConfiguration::Rule& rule : config.getRules()) {
        const AlarmProp prop = m_model->findProperty(rule.text);
        if (!GroupingConfiguration::isValidKind(rule.kind) || !prop.isValid()) {
            MSG_LOG(this, MsgLoggerEnums::LogWarning)
                << "grouping refused: rule of kind " << rule.kind << " for '" << rule.text
                << "' names no known kind and alarm property";
            return false;
        }
        rules.append(Rule{rule.kind, prop});
    }
    // The sort stays on the same property although the tree column comes or goes.
    if (m_groupRules.isEmpty() && !rules.isEmpty() && m_sortColumn >= 0)
        ++m_sortColumn;
    else if (!m_groupRules.isEmpty() && rules.isEmpty() && m_sortColumn >= 0)
        --m_sortColumn;
    m_grouping = config;
    m_groupRules = rules;
    rebuild();
    return true;
}

bool AlarmsProxyModel::accepts(const AlarmInstance& alarm) const
{
    return m_matcher.accepts(alarm) && passesQuickFilter(alarm);
}

bool AlarmsProxyModel::passesQuickFilter(const AlarmInstance& alarm) const
{
    if (m_quickFilter.isEmpty())
        return true;
    for (const AlarmProp& prop : m_columns) {
        if (m_quickFilter.matches(alarm.getDisplayText(prop)))
            return true;
    }
    return false;
}

// ---- ordering

int AlarmsProxyModel::compareValues(const QVariant& a, const QVariant& b)
{
    if (!a.isValid() || !b.isValid())
        return int(a.isValid()) - int(b.isValid());
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    if (a.type() == QVariant::DateTime && b.type() == QVariant::DateTime) {
        const QDateTime x = a.toDateTime();
        const QDateTime y = b.toDateTime();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    return a.toString().compare(b.toString());
}

int AlarmsProxyModel::compareGroupValues(const QVariant& a, const QVariant& b) const
{
    const int c = compareValues(a, b);
    const bool descending = m_sortColumn == 0 && !m_groupRules.isEmpty() && m_sortOrder == Qt::DescendingOrder;
    return descending ? -c : c;
}

bool AlarmsProxyModel::lessAlarm(const AlarmPtr& a, const AlarmPtr& b) const
{
    const int offset = m_groupRules.isEmpty() ? 0 : 1;
    const int column = m_sortColumn - offset;
    if (column >= 0 && column < m_columns.size()) {
        const AlarmProp& prop = m_columns.at(column);
        QVariant x = a->getProperty(prop, Qt::EditRole);
        QVariant y = b->getProperty(prop, Qt::EditRole);
        if (!x.isValid())
            x = a->getDisplayText(prop);
        if (!y.isValid())
            y = b->getDisplayText(prop);
        const int c = compareValues(x, y);
        if (c != 0)
            return m_sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
    }
    return a->getIdent() < b->getIdent();
}

QVariant AlarmsProxyModel::groupValue(const AlarmInstance& alarm, const Rule& rule) const
{
    if (rule.kind == GroupingConfiguration::GroupByValue) {
        const QVariant value = alarm.getProperty(rule.prop, Qt::EditRole);
        if (value.isValid())
            return value;
    }
    return alarm.getDisplayText(rule.prop);
}

AlarmsProxyModel::Path AlarmsProxyModel::pathOf(const AlarmInstance& alarm) const
{
    Path path;
    path.reserve(m_groupRules.size());
    for (const Rule& rule : m_groupRules)
        path.append(groupValue(alarm, rule));
    return path;
}

QVector<AlarmsProxyModel::Entry> AlarmsProxyModel::sortedEntries(const AlarmList& alarms) const
{
    QVector<Entry> entries;
    entries.reserve(alarms.size());
    for (const AlarmPtr& alarm : alarms)
        entries.append(Entry{alarm, pathOf(*alarm)});
    std::stable_sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
        for (int i = 0; i < a.path.size(); ++i) {
            const int c = compareGroupValues(a.path.at(i), b.path.at(i));
            if (c != 0)
                return c < 0;
        }
        return lessAlarm(a.alarm, b.alarm);
    });
    return entries;
}

// ---- tree

bool AlarmsProxyModel::isLeaf(const Group* group) const
{
    return group->level + 1 >= m_groupRules.size();
}

int AlarmsProxyModel::childCount(const Group* group) const
{
    return isLeaf(group) ? group->alarms.size() : group->groups.size();
}

AlarmsProxyModel::Group* AlarmsProxyModel::childGroup(const QModelIndex& index) const
{
    auto* parent = static_cast<Group*>(index.internalPointer());
    if (!parent || isLeaf(parent) || index.row() >= parent->groups.size())
        return nullptr;
    return parent->groups.at(index.row());
}

QModelIndex AlarmsProxyModel::groupIndex(const Group* group) const
{
    if (!group || group == m_root)
        return QModelIndex();
    return createIndex(group->row, 0, group->parent);
}

int AlarmsProxyModel::findGroupPos(const Group* parent, const QVariant& value, bool& found) const
{
    const auto it = std::lower_bound(parent->groups.begin(), parent->groups.end(), value,
                                     [this](const Group* g, const QVariant& v) {
                                         return compareGroupValues(g->value, v) < 0;
                                     });
    found = it != parent->groups.end() && compareGroupValues((*it)->value, value) == 0;
    return int(it - parent->groups.begin());
}

AlarmsProxyModel::Group* AlarmsProxyModel::findLeaf(const Path& path) const
{
    Group* group = m_root;
    for (const QVariant& value : path) {
        bool found = false;
        const int pos = findGroupPos(group, value, found);
        if (!found)
            return nullptr;
        group = group->groups.at(pos);
    }
    return group;
}

int AlarmsProxyModel::insertPos(const Group* leaf, const AlarmPtr& alarm) const
{
    const auto it = std::lower_bound(leaf->alarms.begin(), leaf->alarms.end(), alarm,
                                     [this](const AlarmPtr& a, const AlarmPtr& b) { return lessAlarm(a, b); });
    return int(it - leaf->alarms.begin());
}

int AlarmsProxyModel::findAlarmPos(const Group* leaf, const AlarmPtr& alarm) const
{
    const int pos = insertPos(leaf, alarm);
    if (pos < leaf->alarms.size() && leaf->alarms.at(pos)->getIdent() == alarm->getIdent())
        return pos;
    return -1;
}

AlarmsProxyModel::Group* AlarmsProxyModel::newGroup(Group* parent, const QVariant& value,
                                                    const AlarmInstance& first) const
{
    auto* group = new Group;
    group->parent = parent;
    group->level = parent->level + 1;
    group->value = value;
    group->text = first.getDisplayText(m_groupRules.at(group->level).prop);
    return group;
}

void AlarmsProxyModel::renumber(Group* group, int from) const
{
    for (int i = from; i < group->groups.size(); ++i)
        group->groups[i]->row = i;
}

void AlarmsProxyModel::addCount(Group* group, int delta)
{
    for (; group; group = group->parent) {
        group->count += delta;
        if (group != m_root)
            m_touched.insert(group);
    }
}

void AlarmsProxyModel::deleteGroup(Group* group)
{
    for (Group* child : qAsConst(group->groups))
        deleteGroup(child);
    m_touched.remove(group);
    delete group;
}

AlarmsProxyModel::Group* AlarmsProxyModel::buildGroup(Group* parent, int level, const QVector<Entry>& entries,
                                                      int from, int to)
{
    Group* group = newGroup(parent, entries.at(from).path.at(level), *entries.at(from).alarm);
    group->count = to - from;
    if (isLeaf(group)) {
        group->alarms.reserve(to - from);
        for (int i = from; i < to; ++i)
            group->alarms.append(entries.at(i).alarm);
        return group;
    }
    int i = from;
    while (i < to) {
        int j = i + 1;
        while (j < to && compareGroupValues(entries.at(j).path.at(level + 1), entries.at(i).path.at(level + 1)) == 0)
            ++j;
        Group* child = buildGroup(group, level + 1, entries, i, j);
        child->row = group->groups.size();
        group->groups.append(child);
        i = j;
    }
    return group;
}

// ---- changes

void AlarmsProxyModel::rebuild()
{
    beginResetModel();
    deleteGroup(m_root);
    m_root = new Group;
    m_shown.clear();
    const AlarmList connected = m_model->getAlarmsFor(this);
    m_connectedCount = connected.size();
    AlarmList accepted;
    for (const AlarmPtr& alarm : connected) {
        if (accepts(*alarm))
            accepted.append(alarm);
    }
    const QVector<Entry> entries = sortedEntries(accepted);
    for (const Entry& entry : entries)
        m_shown.insert(entry.alarm->getIdent(), entry.alarm);
    m_root->count = entries.size();
    if (m_groupRules.isEmpty()) {
        for (const Entry& entry : entries)
            m_root->alarms.append(entry.alarm);
    } else {
        int i = 0;
        while (i < entries.size()) {
            int j = i + 1;
            while (j < entries.size() && compareGroupValues(entries.at(j).path.at(0), entries.at(i).path.at(0)) == 0)
                ++j;
            Group* child = buildGroup(m_root, 0, entries, i, j);
            child->row = m_root->groups.size();
            m_root->groups.append(child);
            i = j;
        }
    }
    m_touched.clear();
    endResetModel();
    emitCounts();
}

void AlarmsProxyModel::insertAlarms(const AlarmList& alarms)
{
    const QVector<Entry> entries = sortedEntries(alarms);
    int i = 0;
    while (i < entries.size()) {
        const Path& path = entries.at(i).path;
        // Descend as far as the groups exist.
        Group* group = m_root;
        int level = 0;
        while (!isLeaf(group)) {
            bool found = false;
            const int pos = findGroupPos(group, path.at(level), found);
            if (!found)
                break;
            group = group->groups.at(pos);
            ++level;
        }
        // The entries that share the path down to the group level reached.
        int j = i + 1;
        const int depth = isLeaf(group) ? path.size() : level + 1;
        while (j < entries.size()) {
            bool same = true;
            for (int l = 0; l < depth && same; ++l)
                same = compareGroupValues(entries.at(j).path.at(l), path.at(l)) == 0;
            if (!same)
                break;
            ++j;
        }
        if (!isLeaf(group)) {
            // A new group, inserted whole with its content.
            bool found = false;
            const int pos = findGroupPos(group, path.at(level), found);
            Group* child = buildGroup(group, level, entries, i, j);
            beginInsertRows(groupIndex(group), pos, pos);
            group->groups.insert(pos, child);
            renumber(group, pos);
            addCount(group, j - i);
            endInsertRows();
        } else {
            // Runs of alarms that go to the same place are inserted together.
            int k = i;
            while (k < j) {
                const int pos = insertPos(group, entries.at(k).alarm);
                int m = k + 1;
                while (m < j && (pos == group->alarms.size() || lessAlarm(entries.at(m).alarm, group->alarms.at(pos))))
                    ++m;
                beginInsertRows(groupIndex(group), pos, pos + (m - k) - 1);
                for (int n = k; n < m; ++n)
                    group->alarms.insert(pos + (n - k), entries.at(n).alarm);
                addCount(group, m - k);
                endInsertRows();
                k = m;
            }
        }
        for (int n = i; n < j; ++n)
            m_shown.insert(entries.at(n).alarm->getIdent(), entries.at(n).alarm);
        i = j;
    }
}

void AlarmsProxyModel::removeAlarm(const AlarmPtr& shownVersion)
{
    Group* leaf = findLeaf(pathOf(*shownVersion));
    const int pos = leaf ? findAlarmPos(leaf, shownVersion) : -1;
    if (pos < 0) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "shown alarm " << shownVersion->getIdent() << " not found in the tree";
        m_shown.remove(shownVersion->getIdent());
        return;
    }
    // The highest group that holds only this alarm goes with it.
    Group* victim = nullptr;
    for (Group* g = leaf; g != m_root && g->count == 1; g = g->parent)
        victim = g;
    if (victim) {
        Group* parent = victim->parent;
        const int row = victim->row;
        beginRemoveRows(groupIndex(parent), row, row);
        parent->groups.remove(row);
        renumber(parent, row);
        deleteGroup(victim);
        addCount(parent, -1);
        endRemoveRows();
    } else {
        beginRemoveRows(groupIndex(leaf), pos, pos);
        leaf->alarms.remove(pos);
        addCount(leaf, -1);
        endRemoveRows();
    }
    m_shown.remove(shownVersion->getIdent());
}

void AlarmsProxyModel::alarmsAdded(const AlarmList& alarms)
{
    m_connectedCount += alarms.size();
    AlarmList accepted;
    for (const AlarmPtr& alarm : alarms) {
        if (!m_shown.contains(alarm->getIdent()) && accepts(*alarm))
            accepted.append(alarm);
    }
    insertAlarms(accepted);
    emitTouchedGroups();
    emitCounts();
}

void AlarmsProxyModel::alarmsChanged(const AlarmList& alarms)
{
    AlarmList added;
    const int lastColumn = columnCount() - 1;
    for (const AlarmPtr& alarm : alarms) {
        const AlarmPtr old = m_shown.value(alarm->getIdent());
        const bool accepted = accepts(*alarm);
        if (old && accepted && pathOf(*old) == pathOf(*alarm)) {
            Group* leaf = findLeaf(pathOf(*old));
            const int pos = leaf ? findAlarmPos(leaf, old) : -1;
            const bool inOrder = pos >= 0 && (pos == 0 || lessAlarm(leaf->alarms.at(pos - 1), alarm))
                && (pos + 1 == leaf->alarms.size() || lessAlarm(alarm, leaf->alarms.at(pos + 1)));
            if (inOrder) {
                leaf->alarms[pos] = alarm;
                m_shown.insert(alarm->getIdent(), alarm);
                emit dataChanged(createIndex(pos, 0, leaf), createIndex(pos, lastColumn, leaf));
                continue;
            }
        }
        if (old)
            removeAlarm(old);
        if (accepted)
            added.append(alarm);
    }
    insertAlarms(added);
    emitTouchedGroups();
    emitCounts();
}

void AlarmsProxyModel::alarmsRemoved(const AlarmList& alarms)
{
    m_connectedCount -= alarms.size();
    for (const AlarmPtr& alarm : alarms) {
        const AlarmPtr shown = m_shown.value(alarm->getIdent());
        if (shown)
            removeAlarm(shown);
    }
    emitTouchedGroups();
    emitCounts();
}

void AlarmsProxyModel::alarmsCleared()
{
    rebuild();
}

void AlarmsProxyModel::emitTouchedGroups()
{
    // The count in a group's text changed.
    const QSet<Group*> touched = m_touched;
    m_touched.clear();
    for (Group* group : touched) {
        const QModelIndex index = groupIndex(group);
        emit dataChanged(index, index, {Qt::DisplayRole});
    }
}

void AlarmsProxyModel::emitCounts()
{
    emit alarmCountsChanged(m_shown.size(), m_connectedCount);
}

// ---- item model

QModelIndex AlarmsProxyModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount())
        return QModelIndex();
    Group* group = parent.isValid() ? childGroup(parent) : m_root;
    if (!group || (parent.isValid() && parent.column() != 0) || row >= childCount(group))
        return QModelIndex();
    return createIndex(row, column, group);
}

QModelIndex AlarmsProxyModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    return groupIndex(static_cast<const Group*>(index.internalPointer()));
}

int AlarmsProxyModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return childCount(m_root);
    if (parent.column() != 0)
        return 0;
    const Group* group = childGroup(parent);
    return group ? childCount(group) : 0;
}

int AlarmsProxyModel::columnCount(const QModelIndex&) const
{
    return m_columns.size() + (m_groupRules.isEmpty() ? 0 : 1);
}

bool AlarmsProxyModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

Qt::ItemFlags AlarmsProxyModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return isLeaf(static_cast<const Group*>(index.internalPointer())) ? flags | Qt::ItemNeverHasChildren : flags;
}

QVariant AlarmsProxyModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const auto* parent = static_cast<const Group*>(index.internalPointer());
    if (!isLeaf(parent)) {
        if (index.column() != 0)
            return QVariant();
        const Group* group = parent->groups.at(index.row());
        if (role == Qt::EditRole)
            return group->value;
        return QStringLiteral("%1 (%2)").arg(group->text).arg(group->count);
    }
    const int column = index.column() - (m_groupRules.isEmpty() ? 0 : 1);
    if (column < 0)
        return QVariant();
    const AlarmPtr& alarm = parent->alarms.at(index.row());
    return alarm->getProperty(m_columns.at(column), role);
}

QVariant AlarmsProxyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractItemModel::headerData(section, orientation, role);
    const int column = section - (m_groupRules.isEmpty() ? 0 : 1);
    if (column < 0)
        return m_groupTitle;
    return column < m_titles.size() ? QVariant(m_titles.at(column)) : QVariant();
}

void AlarmsProxyModel::sortGroup(Group* group)
{
    if (isLeaf(group)) {
        std::sort(group->alarms.begin(), group->alarms.end(),
                  [this](const AlarmPtr& a, const AlarmPtr& b) { return lessAlarm(a, b); });
        return;
    }
    std::sort(group->groups.begin(), group->groups.end(),
              [this](const Group* a, const Group* b) { return compareGroupValues(a->value, b->value) < 0; });
    renumber(group, 0);
    for (Group* child : qAsConst(group->groups))
        sortGroup(child);
}

void AlarmsProxyModel::sort(int column, Qt::SortOrder order)
{
    if (column == m_sortColumn && order == m_sortOrder)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Remember what each persistent index stands for: a group or an alarm.
    const QModelIndexList before = persistentIndexList();
    QVector<const Group*> groups;
    AlarmList alarms;
    for (const QModelIndex& index : before) {
        const auto* parent = static_cast<const Group*>(index.internalPointer());
        groups.append(isLeaf(parent) ? parent : parent->groups.at(index.row()));
        alarms.append(isLeaf(parent) ? parent->alarms.at(index.row()) : AlarmPtr());
    }
    m_sortColumn = column;
    m_sortOrder = order;
    sortGroup(m_root);
    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i) {
        if (alarms.at(i)) {
            const int row = groups.at(i)->alarms.indexOf(alarms.at(i));
            after.append(createIndex(row, before.at(i).column(), const_cast<Group*>(groups.at(i))));
        } else {
            const Group* group = groups.at(i);
            after.append(createIndex(group->row, before.at(i).column(), group->parent));
        }
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
