#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QDialog>
#include <QPointer>

class AlarmsProxyModel;
class SysConnectModel;
class Ui_DialogSystemConnections;

// The "System Connections" dialog: every known system in a table of check
// boxes that connect the alarm proxy model to a system or disconnect it.
// It deletes itself when closed.
class QVAS_EXPORT DialogSystemConnections : public QDialog, public MsgLoggingProducer
{
    Q_OBJECT
public:
    DialogSystemConnections(AlarmsProxyModel* proxyModel, bool editable, QWidget* parent);
    ~DialogSystemConnections() override;

private:
    Ui_DialogSystemConnections* ui;
    // Parented like the dialog, yet deleted with it: nothing else uses it.
    QPointer<SysConnectModel> m_model;
};
