#pragma once

#include "logging/MsgLoggerEnums.h"
#include "alarmmodels_export.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QVector>

// The stored log messages of the alarm screen: one row a message, with the
// time it arrived (column 0), its severity (column 1) and its text (column 2).
// The oldest messages are dropped once more than getMaxCount() are stored.
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

    void dropOldest(int count);

    QVector<Entry> m_entries;
    // Messages stored per severity, so the worst severity is known without a scan.
    int m_severityCounts[4] = {0, 0, 0, 0};
    int m_maxCount = 10000;
};
