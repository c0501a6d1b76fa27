#include "source/SystemSelectionTable.h"

#include "source/SystemSelectionModel.h"
#include "ui_SystemSelectionTable.h"

#include <QStyle>

SystemSelectionTable::SystemSelectionTable(const MsgLoggingProducer* producer, QWidget* parent)
    : PopupFrame(parent)
    , MsgLoggingProducer(producer)
    , ui(new Ui_SystemSelectionTable)
    , m_model(nullptr)
{
    ui->setupUi(this);
    ui->buttonSelectAll->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->buttonUnselectAll->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    ui->buttonClose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(ui->buttonSelectAll, SIGNAL(clicked()), this, SLOT(buttonClicked()));
    connect(ui->buttonUnselectAll, SIGNAL(clicked()), this, SLOT(buttonClicked()));
    connect(ui->buttonClose, SIGNAL(clicked()), this, SLOT(hide()));

    m_model = new SystemSelectionModel(this, 4);
    ui->tableView->setModel(m_model);
    connect(m_model, SIGNAL(selectionChanged(int, int)), this, SLOT(sysSelectionChanged(int, int)));
    connect(ui->lineEditFilter, SIGNAL(textEdited(QString)), this, SLOT(filterTextChanged(QString)));
    sysSelectionChanged(m_model->getSelectedSystems().size(), m_model->getTotalCount());
    filterTextChanged(ui->lineEditFilter->text());
}

SystemSelectionTable::~SystemSelectionTable()
{
    delete ui;
}

QStringList SystemSelectionTable::getSelectedSystems() const
{
    return m_model->getSelectedSystems();
}

int SystemSelectionTable::getTotalSystemCount() const
{
    return m_model->getTotalCount();
}

QString SystemSelectionTable::setSelectedSystems(const QStringList& systems)
{
    return m_model->setSelectedSystems(systems);
}

void SystemSelectionTable::setInitial(const QStringList& systems)
{
    m_model->setInitial(systems);
}

void SystemSelectionTable::filterTextChanged(const QString& text)
{
    const int matching = m_model->setFilter(text);
    ui->labelMatchCount->setText(tr("Matching %1").arg(matching));
    ui->buttonSelectAll->setEnabled(matching >= 1);
    ui->buttonUnselectAll->setEnabled(matching >= 1);
}

void SystemSelectionTable::buttonClicked()
{
    if (sender() == ui->buttonSelectAll)
        m_model->setSelection(true);
    else if (sender() == ui->buttonUnselectAll)
        m_model->setSelection(false);
}

void SystemSelectionTable::sysSelectionChanged(int nSelected, int nTotal)
{
    ui->labelCounts->setText(tr("Selected %1/%2").arg(nSelected).arg(nTotal));
    emit selectionChanged(nSelected, nTotal);
}
