#include "logging/MsgLoggerModel.h"

#include <algorithm>
#include <iterator>

namespace {
// Severities outside 0..3 are counted with the nearest one.
int severityIndex(MsgLoggerEnums::LogSeverity severity)
{
    return std::clamp(int(severity), int(MsgLoggerEnums::LogTrace), int(MsgLoggerEnums::LogError));
}

// One bad line of a megabyte, logged whole, would freeze a view that lays
// out the text; its start says what the message is about.
QString storedText(const QString& text)
{
    if (text.size() <= MsgLoggerModel::kMaxTextLength)
        return text;
    return text.left(MsgLoggerModel::kMaxTextLength)
        + QStringLiteral(" [... %1 more characters cut]").arg(text.size() - MsgLoggerModel::kMaxTextLength);
}
} // namespace

MsgLoggerModel::MsgLoggerModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    qRegisterMetaType<MsgLoggerEnums::LogSeverity>("MsgLoggerEnums::LogSeverity");
}

int MsgLoggerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int MsgLoggerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MsgLoggerModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Entry& entry = entryAt(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case ColumnTime:
            return entry.time.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss.zzz"));
        case ColumnSeverity:
            return MsgLoggerEnums::severityName(entry.severity);
        case ColumnText:
            return entry.text;
        }
    }
    // Views colour rows by severity: column 1 gives the severity number.
    if (role == Qt::BackgroundRole && index.column() == ColumnSeverity)
        return int(entry.severity);
    return QVariant();
}

QVariant MsgLoggerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case ColumnTime:
        return tr("Time");
    case ColumnSeverity:
        return tr("Severity");
    case ColumnText:
        return tr("Message");
    }
    return QVariant();
}

void MsgLoggerModel::addMessage(MsgLoggerEnums::LogSeverity severity, const QString& text)
{
    if (m_count >= m_maxCount)
        dropOldest(m_count - m_maxCount + 1);
    const int row = m_count;
    beginInsertRows(QModelIndex(), row, row);
    const Entry entry{QDateTime::currentDateTime(), severity, storedText(text)};
    if (m_count < m_entries.size())
        m_entries[(m_first + m_count) % m_entries.size()] = entry;
    else
        m_entries.append(entry);
    ++m_count;
    ++m_severityCounts[severityIndex(severity)];
    m_newest[severityIndex(severity)] = entry;
    endInsertRows();
    emit contentChanged(m_count, getMaxSeverity());
}

void MsgLoggerModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_first = 0;
    m_count = 0;
    std::fill(std::begin(m_severityCounts), std::end(m_severityCounts), 0);
    std::fill(std::begin(m_newest), std::end(m_newest), Entry());
    endResetModel();
    emit contentChanged(0, MsgLoggerEnums::LogTrace);
}

QString MsgLoggerModel::messageAt(int row) const
{
    return row >= 0 && row < m_count ? entryAt(row).text : QString();
}

MsgLoggerEnums::LogSeverity MsgLoggerModel::severityAt(int row) const
{
    return row >= 0 && row < m_count ? entryAt(row).severity : MsgLoggerEnums::LogTrace;
}

MsgLoggerEnums::LogSeverity MsgLoggerModel::getMaxSeverity() const
{
    for (int severity = MsgLoggerEnums::LogError; severity > MsgLoggerEnums::LogTrace; --severity) {
        if (m_severityCounts[severity] > 0)
            return MsgLoggerEnums::LogSeverity(severity);
    }
    return MsgLoggerEnums::LogTrace;
}

QDateTime MsgLoggerModel::getLastOfSeverity(MsgLoggerEnums::LogSeverity severity,
                                            const QDateTime& after, QString& message) const
{
    // The newest message of a severity is stored while any of that severity
    // is: the ring drops the oldest first. Asked on every new message during
    // a flood, the answer costs no scan of the ring.
    const int index = severityIndex(severity);
    const Entry& newest = m_newest[index];
    if (m_severityCounts[index] == 0 || (after.isValid() && newest.time <= after))
        return QDateTime();
    message = newest.text;
    return newest.time;
}

void MsgLoggerModel::setMaxCount(int maxCount)
{
    m_maxCount = std::max(1, maxCount);
    if (m_count > m_maxCount)
        dropOldest(m_count - m_maxCount);
    unwind();
}

const MsgLoggerModel::Entry& MsgLoggerModel::entryAt(int row) const
{
    return m_entries.at((m_first + row) % m_entries.size());
}

void MsgLoggerModel::dropOldest(int count)
{
    if (count <= 0)
        return;
    beginRemoveRows(QModelIndex(), 0, count - 1);
    for (int row = 0; row < count; ++row) {
        Entry& entry = m_entries[(m_first + row) % m_entries.size()];
        --m_severityCounts[severityIndex(entry.severity)];
        entry.text.clear();
    }
    m_first = (m_first + count) % m_entries.size();
    m_count -= count;
    endRemoveRows();
}

void MsgLoggerModel::unwind()
{
    QVector<Entry> rows;
    rows.reserve(m_count);
    for (int row = 0; row < m_count; ++row)
        rows.append(entryAt(row));
    m_entries = rows;
    m_first = 0;
}
