#include "log/DialogLogHistory.h"

#include "log/MsgLoggerColoredModel.h"
#include "ui_DialogLogHistory.h"

#include <logging/MsgLoggerModel.h>

#include <QHeaderView>
#include <QPushButton>

DialogLogHistory::DialogLogHistory(const QSharedPointer<MsgLoggerModel>& model, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_DialogLogHistory)
{
    ui->setupUi(this);
    auto* colored = new MsgLoggerColoredModel(this);
    colored->setSourceModel(model.data());
    ui->tableView->setModel(colored);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->tableView->setColumnWidth(0, 170);
    ui->tableView->setColumnWidth(1, 72);
    ui->tableView->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(ui->buttonBox, SIGNAL(clicked(QAbstractButton*)), this, SLOT(buttonClicked(QAbstractButton*)));
    connect(colored, SIGNAL(rowsInserted(const QModelIndex&, int, int)), this,
            SLOT(rowsInserted(const QModelIndex&, int, int)));
    connect(colored, SIGNAL(rowsRemoved(const QModelIndex&, int, int)), this,
            SLOT(rowsRemoved(const QModelIndex&, int, int)));
    connect(colored, SIGNAL(modelReset()), this, SLOT(modelReset()));
    updateCounter();
}

DialogLogHistory::~DialogLogHistory()
{
    delete ui;
}

void DialogLogHistory::updateCounter()
{
    const int rows = ui->tableView->model() ? ui->tableView->model()->rowCount() : 0;
    ui->labelCount->setText(tr("Total: %1").arg(rows));
}

void DialogLogHistory::buttonClicked(QAbstractButton* source)
{
    if (ui->buttonBox->buttonRole(source) != QDialogButtonBox::ResetRole)
        return;
    auto* colored = dynamic_cast<MsgLoggerColoredModel*>(ui->tableView->model());
    auto* messages = colored ? qobject_cast<MsgLoggerModel*>(colored->sourceModel()) : nullptr;
    if (messages)
        messages->clear();
}

void DialogLogHistory::rowsInserted(const QModelIndex&, int, int)
{
    updateCounter();
}

void DialogLogHistory::rowsRemoved(const QModelIndex&, int, int)
{
    updateCounter();
}

void DialogLogHistory::modelReset()
{
    updateCounter();
}
