#pragma once

#include "qvas_export.h"

#include <QString>

// What the operator chose for a CSV export: which rows, whether to write
// the column headers and the grouping, and the separator character.
// getOptions() asks for them in the "Options for export to CSV" dialog.
class QVAS_EXPORT ExportCsvOptions
{
public:
    ExportCsvOptions();

    // Shows the dialog, starting from the current choices and separator;
    // true when the operator pressed OK, and then the choices are the new
    // ones. Without grouping available its check box is disabled and the
    // grouping choice kept.
    bool getOptions(const QString& separator, bool groupingAvailable);

    const QString& getSeparator() const { return m_separator; }
    bool getExportAll() const { return m_exportAll; }
    bool getHeaders() const { return m_headers; }
    bool getGrouping() const { return m_grouping; }
    void setSeparator(const QString& separator) { m_separator = separator; }
    void setExportAll(bool exportAll) { m_exportAll = exportAll; }
    void setHeaders(bool headers) { m_headers = headers; }
    void setGrouping(bool grouping) { m_grouping = grouping; }

private:
    QString m_separator;
    bool m_exportAll;
    bool m_headers;
    bool m_grouping;
};
