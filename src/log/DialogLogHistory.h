#pragma once

#include "qvas_export.h"

#include <QDialog>
#include <QSharedPointer>

class MsgLoggerModel;
class QAbstractButton;
class Ui_DialogLogHistory;

// The log messages of the alarm screen as a table with their count; Reset
// clears the messages for every display. Deletes itself when closed.
class QVAS_EXPORT DialogLogHistory : public QDialog
{
    Q_OBJECT
public:
    DialogLogHistory(const QSharedPointer<MsgLoggerModel>& model, QWidget* parent);
    ~DialogLogHistory() override;

    void updateCounter();

private slots:
    void buttonClicked(QAbstractButton* source);
    void rowsInserted(const QModelIndex& parent, int first, int last);
    void rowsRemoved(const QModelIndex& parent, int first, int last);
    void modelReset();

private:
    Ui_DialogLogHistory* ui;
};
