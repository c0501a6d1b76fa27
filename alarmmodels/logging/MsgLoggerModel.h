#pragma once

#include "logging/MsgLoggerEnums.h"
#include "alarmmodels_export.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QVector>

// The stored log messages of the alarm screen: one row a message, with the
// time it arrived (column 0), its severity (column 1) and its text (column 2).
// The oldest messages are dropped once more than getMaxCount() are stored,
// and a text longer than kMaxTextLength is cut, with a note of how much.
class ALARMMODELS_EXPORT MsgLoggerModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        ColumnTime = 0,
        ColumnSeverity = 1,
        ColumnText = 2,
        ColumnCount = 3
    };

    static const int kMaxTextLength = 4096;

    explicit MsgLoggerModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void addMessage(MsgLoggerEnums::LogSeverity severity, const QString& text);
    void clear();

    QString messageAt(int row) const;
    MsgLoggerEnums::LogSeverity severityAt(int row) const;
    MsgLoggerEnums::LogSeverity getMaxSeverity() const;

    // The time of the newest message of severity later than after (invalid
    // when there is none); its text goes to message.
    QDateTime getLastOfSeverity(MsgLoggerEnums::LogSeverity severity, const QDateTime& after,
                                QString& message) const;

    int getMaxCount() const { return m_maxCount; }
    void setMaxCount(int maxCount);

signals:
    void contentChanged(int count, MsgLoggerEnums::LogSeverity maxSeverity);

private:
    struct Entry
    {
        QDateTime time;
        MsgLoggerEnums::LogSeverity severity;
        QString text;
    };

    // Row 0 is the oldest message.
    const Entry& entryAt(int row) const;
    void dropOldest(int count);
    // Puts the rows back in order from index 0, without room beyond them.
    void unwind();

    // A ring: once it holds the maximum, each new message takes the place
    // of the oldest, so adding one costs the same at any fill, where
    // shifting every row would cost the whole buffer per message.
    QVector<Entry> m_entries;
    int m_first = 0;  // index of row 0
    int m_count = 0;
    // Messages stored per severity, so the worst severity is known without a scan.
    int m_severityCounts[4] = {0, 0, 0, 0};
    // The newest message of each severity.
    Entry m_newest[4];
    int m_maxCount = 10000;
};
