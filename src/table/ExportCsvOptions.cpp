#include "table/ExportCsvOptions.h"

#include "ui_DialogCsvOptions.h"

#include <QDialog>

ExportCsvOptions::ExportCsvOptions()
    : m_exportAll(true)
    , m_headers(true)
    , m_grouping(true)
{
}

bool ExportCsvOptions::getOptions(const QString& separator, bool groupingAvailable)
{
    auto* dialog = new QDialog;
    Ui_DialogCsvOptions ui;
    ui.setupUi(dialog);
    if (m_exportAll)
        ui.radioButtonAllRows->setChecked(true);
    else
        ui.radioButtonSelectedRows->setChecked(true);
    ui.checkBoxHeaders->setChecked(m_headers);
    if (groupingAvailable)
        ui.checkBoxGrouping->setChecked(m_grouping);
    else
        ui.checkBoxGrouping->setEnabled(false);
    ui.textSeparator->setText(separator);

    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (accepted) {
        m_exportAll = ui.radioButtonAllRows->isChecked();
        m_headers = ui.checkBoxHeaders->isChecked();
        if (groupingAvailable)
            m_grouping = ui.checkBoxGrouping->isChecked();
        m_separator = ui.textSeparator->text();
    }
    dialog->deleteLater();
    return accepted;
}
