#include "systems/DialogSystemConnections.h"

#include "systems/SysConnectModel.h"
#include "ui_DialogSystemConnections.h"

#include <models/AlarmsProxyModel.h>

#include <QStyle>

DialogSystemConnections::DialogSystemConnections(AlarmsProxyModel* proxyModel, bool editable, QWidget* parent)
    : QDialog(parent)
    , MsgLoggingProducer(proxyModel)
    , ui(new Ui_DialogSystemConnections)
    , m_model(new SysConnectModel(proxyModel, editable, parent))
{
    ui->setupUi(this);
    m_model->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    ui->tableView->setModel(m_model);
    connect(m_model, SIGNAL(columnWidhtCanChange()), ui->tableView, SLOT(resizeColumnsToContents()));
    setAttribute(Qt::WA_DeleteOnClose);
}

DialogSystemConnections::~DialogSystemConnections()
{
    delete m_model;
    delete ui;
}
