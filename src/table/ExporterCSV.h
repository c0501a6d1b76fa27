#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>
#include <models/ModelRowSelection.h>

#include <QChar>
#include <QFile>
#include <QList>
#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

class QAbstractItemModel;
class QTreeView;
class QVariant;
class QWidget;

// Writes the alarm table of a tree view, flat or grouped, as lines of
// separated values: to a file (chosen in a file dialog when no name is
// given) or to any text stream. A separator inside a value is escaped with
// a backslash; values are never quoted. With grouping written, every line
// starts with one field per grouping level: group lines put their text in
// the field of their level, alarm lines leave them empty.
//
// A failed export returns false and leaves its reason in getLastError();
// lines written before the failure stay.
class QVAS_EXPORT ExporterCSV : public MsgLoggingProducer
{
public:
    explicit ExporterCSV(const MsgLoggingProducer* logParent);
    virtual ~ExporterCSV();

    // Exactly one character; anything else is logged and the separator kept.
    void setSeparatorCSV(const QString& separator);
    QChar getSeparator() const { return m_separator; }

    // groupingDepth: the grouping levels above the alarm rows (column 0 of
    // a grouped model holds the group tree). columnTitles names the columns
    // to write, in order, by header text; empty: the columns the view shows.
    // An empty fileName asks for the file; a cancelled dialog writes nothing
    // and is no failure.
    bool exportToCsv(QTreeView* view, int groupingDepth, const QString& fileName, bool allRows, bool headers,
                     bool grouping, const QStringList& columnTitles);
    bool exportToCsv(QTextStream& stream, QTreeView* view, int groupingDepth, bool allRows, bool headers,
                     bool grouping, const QStringList& columnTitles);

    const QString& getLastError() const { return m_lastError; }
    // Where the file dialog starts: the folder of the last file written.
    const QString& getLastDirectory() const { return m_lastDirectory; }

private:
    bool prepareForExport(QTreeView* view, int groupingDepth, const QStringList& columnTitles);
    bool prepareVisibleColumns(const QTreeView* view);
    bool prepareSelectedColumns(const QStringList& columnTitles);
    bool openExportFile(const QString& fileName, QWidget* parent);
    // Header and rows of a prepared export.
    bool exportContent(QTextStream& stream, QTreeView* view, bool allRows, bool headers, bool grouping);
    bool exportHeader(QTextStream& stream, bool grouping);
    bool exportAllRows(QTextStream& stream, const ModelRowSelection* selection, bool grouping, int level,
                       const QModelIndex& parent);
    bool exportSelectedRows(QTextStream& stream, const QList<QModelIndex>& indexes, bool grouping);
    bool exportRow(QTextStream& stream, bool grouping, const QModelIndex& parent, int row);
    bool addGroupingColumns(QTextStream& stream, bool grouping, const QVariant& value);
    bool outEscaped(QTextStream& stream, const QVariant& value);
    bool checkOutStreamState(QTextStream& stream);

    QChar m_separator;
    QString m_escapedSeparator;
    QString m_lastDirectory;
    QFile m_outFile;
    QTextStream m_outStream;
    QString m_lastError;
    ModelRowSelection m_rowSelection;
    QVector<int> m_columns;
    QAbstractItemModel* m_model;
    int m_groupingDepth;
};
