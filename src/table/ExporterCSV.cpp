#include "table/ExporterCSV.h"

#include <logging/MsgLoggingMessage.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTreeView>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ExporterCSV", text);
}

} // namespace

ExporterCSV::ExporterCSV(const MsgLoggingProducer* logParent)
    : MsgLoggingProducer(logParent)
    , m_separator(QLatin1Char(','))
    , m_escapedSeparator(QStringLiteral("\\,"))
    , m_lastDirectory(QDir::homePath())
    , m_model(nullptr)
    , m_groupingDepth(0)
{
}

ExporterCSV::~ExporterCSV() = default;

void ExporterCSV::setSeparatorCSV(const QString& separator)
{
    if (separator.size() != 1) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "CSV separator must be exactly 1 character long";
        return;
    }
    m_separator = separator.at(0);
    m_escapedSeparator = QLatin1Char('\\') + separator;
}

bool ExporterCSV::exportToCsv(QTreeView* view, int groupingDepth, const QString& fileName, bool allRows,
                              bool headers, bool grouping, const QStringList& columnTitles)
{
    if (!prepareForExport(view, groupingDepth, columnTitles) || !openExportFile(fileName, view))
        return false;
    bool ok = true;
    // Not opened: the operator cancelled the file dialog.
    if (m_outFile.isOpen()) {
        ok = exportContent(m_outStream, view, allRows, headers, grouping);
        if (m_outFile.isOpen()) {
            m_outStream.flush();
            // The last lines reach the file only now, and may fail to.
            ok = checkOutStreamState(m_outStream) && ok;
            m_outFile.close();
        }
    }
    m_outStream.setDevice(nullptr);
    m_rowSelection.clear();
    m_columns.clear();
    return ok;
}

bool ExporterCSV::exportToCsv(QTextStream& stream, QTreeView* view, int groupingDepth, bool allRows,
                              bool headers, bool grouping, const QStringList& columnTitles)
{
    if (!prepareForExport(view, groupingDepth, columnTitles))
        return false;
    return exportContent(stream, view, allRows, headers, grouping);
}

bool ExporterCSV::exportContent(QTextStream& stream, QTreeView* view, bool allRows, bool headers, bool grouping)
{
    bool ok = true;
    if (headers)
        ok = exportHeader(stream, grouping);
    if (ok) {
        if (allRows) {
            m_rowSelection.clear();
            ok = exportAllRows(stream, &m_rowSelection, grouping, 0, QModelIndex());
        } else {
            const QItemSelectionModel* selection = view->selectionModel();
            ok = exportSelectedRows(stream, selection ? selection->selectedRows(0) : QModelIndexList(), grouping);
        }
    }
    m_rowSelection.clear();
    m_columns.clear();
    return ok;
}

bool ExporterCSV::prepareForExport(QTreeView* view, int groupingDepth, const QStringList& columnTitles)
{
    if (!view) {
        m_lastError = tr("NULL tree view passed to exportToCsv() method");
        return false;
    }
    if (!view->model()) {
        m_lastError = tr("tree view without model passed to exportToCsv() method");
        return false;
    }
    m_model = view->model();
    m_lastError.clear();
    m_rowSelection.clear();
    m_columns.clear();
    m_groupingDepth = groupingDepth;
    return columnTitles.isEmpty() ? prepareVisibleColumns(view) : prepareSelectedColumns(columnTitles);
}

bool ExporterCSV::prepareVisibleColumns(const QTreeView* view)
{
    // Grouped, column 0 holds the group tree and is written as grouping columns.
    const int columns = m_model->columnCount();
    for (int column = m_groupingDepth >= 1 ? 1 : 0; column < columns; ++column) {
        if (!view->isColumnHidden(column))
            m_columns.append(column);
    }
    return true;
}

bool ExporterCSV::prepareSelectedColumns(const QStringList& columnTitles)
{
    const int first = m_groupingDepth > 0 ? 1 : 0;
    const int columns = m_model->columnCount();
    for (const QString& title : columnTitles) {
        int found = -1;
        for (int column = first; column < columns && found < 0; ++column) {
            if (m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() == title)
                found = column;
        }
        if (found < 0) {
            m_lastError = tr("unknown column title '%1' for exporting to CSV").arg(title);
            return false;
        }
        m_columns.append(found);
    }
    return true;
}

bool ExporterCSV::openExportFile(const QString& fileName, QWidget* parent)
{
    QString name = fileName;
    if (name.isEmpty()) {
        QFileDialog dialog(parent, tr("Please select output CSV file"), m_lastDirectory, tr("CSV files (*.csv)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setViewMode(QFileDialog::Detail);
        if (dialog.exec() != QDialog::Accepted)
            return true;
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty()) {
            m_lastError = tr("no output file selected for export");
            return false;
        }
        name = files.first();
    }
    m_outFile.setFileName(name);
    if (!m_outFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_lastError = tr("failed to open file for writing: error %1 for file %2").arg(m_outFile.errorString(), name);
        return false;
    }
    m_lastDirectory = QFileInfo(name).absolutePath();
    m_outStream.setDevice(&m_outFile);
    m_outStream.resetStatus();
    return true;
}

bool ExporterCSV::exportHeader(QTextStream& stream, bool grouping)
{
    if (!addGroupingColumns(stream, grouping, m_model->headerData(0, Qt::Horizontal, Qt::DisplayRole)))
        return false;
    if (grouping && m_groupingDepth > 0)
        stream << m_separator;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (i > 0)
            stream << m_separator;
        if (!outEscaped(stream, m_model->headerData(m_columns.at(i), Qt::Horizontal, Qt::DisplayRole)))
            return false;
    }
    stream << Qt::endl;
    return checkOutStreamState(stream);
}

bool ExporterCSV::addGroupingColumns(QTextStream& stream, bool grouping, const QVariant& value)
{
    if (!grouping || m_groupingDepth < 1)
        return true;
    for (int level = 0; level < m_groupingDepth; ++level) {
        if (level > 0)
            stream << m_separator;
        if (!outEscaped(stream, value))
            return false;
    }
    return true;
}

bool ExporterCSV::exportAllRows(QTextStream& stream, const ModelRowSelection* selection, bool grouping, int level,
                                const QModelIndex& parent)
{
    const int rows = m_model->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const ModelRowSelection* childSelection = selection->getChildRowSelection(row);
        if (!childSelection)
            continue;
        const QModelIndex index = m_model->index(row, 0, parent);
        if (!index.isValid()) {
            m_lastError = tr("failed to get valid index for row %1").arg(row);
            return false;
        }
        if (level >= m_groupingDepth) {
            if (!exportRow(stream, grouping, parent, row))
                return false;
            continue;
        }
        if (grouping) {
            for (int i = 0; i < level; ++i)
                stream << m_separator;
            if (!outEscaped(stream, index.data(Qt::DisplayRole)))
                return false;
            stream << Qt::endl;
        }
        if (!exportAllRows(stream, childSelection, grouping, level + 1, index))
            return false;
    }
    return checkOutStreamState(stream);
}

bool ExporterCSV::exportSelectedRows(QTextStream& stream, const QList<QModelIndex>& indexes, bool grouping)
{
    if (indexes.isEmpty())
        return true;
    m_rowSelection.init(indexes);
    return exportAllRows(stream, &m_rowSelection, grouping, 0, QModelIndex());
}

bool ExporterCSV::exportRow(QTextStream& stream, bool grouping, const QModelIndex& parent, int row)
{
    if (!addGroupingColumns(stream, grouping, QVariant()))
        return false;
    bool first = !(grouping && m_groupingDepth > 0);
    for (int column : qAsConst(m_columns)) {
        const QModelIndex index = m_model->index(row, column, parent);
        if (!index.isValid()) {
            m_lastError = tr("model returned invalid index for row %1").arg(row);
            return false;
        }
        if (!first)
            stream << m_separator;
        first = false;
        if (!outEscaped(stream, index.data(Qt::DisplayRole)))
            return false;
    }
    stream << Qt::endl;
    return checkOutStreamState(stream);
}

bool ExporterCSV::outEscaped(QTextStream& stream, const QVariant& value)
{
    if (value.isValid()) {
        QString text = value.toString();
        if (text.contains(m_separator))
            text.replace(m_separator, m_escapedSeparator);
        stream << text;
    }
    return checkOutStreamState(stream);
}

bool ExporterCSV::checkOutStreamState(QTextStream& stream)
{
    if (stream.status() == QTextStream::Ok)
        return true;
    // A caller's stream writes to its own device, which knows what went wrong.
    const QIODevice* device = stream.device() ? stream.device() : &m_outFile;
    m_lastError = tr("writing to file failed: %1").arg(device->errorString());
    m_outFile.close();
    return false;
}
