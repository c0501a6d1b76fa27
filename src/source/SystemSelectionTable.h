#pragma once

#include "qvas_export.h"
#include "source/PopupFrame.h"

#include <logging/MsgLoggingProducer.h>

#include <QStringList>

class SystemSelectionModel;
class Ui_SystemSelectionTable;

// The popup that lists the archive's systems as a grid of check boxes,
// with a wildcard filter, select/unselect-all-matching buttons and counts.
class QVAS_EXPORT SystemSelectionTable : public PopupFrame, public MsgLoggingProducer
{
    Q_OBJECT
public:
    SystemSelectionTable(const MsgLoggingProducer* producer, QWidget* parent);
    ~SystemSelectionTable() override;

    QStringList getSelectedSystems() const;
    int getTotalSystemCount() const;
    QString setSelectedSystems(const QStringList& systems);
    void setInitial(const QStringList& systems);

signals:
    void selectionChanged(int nSelected, int nTotal);

private slots:
    void filterTextChanged(const QString& text);
    void buttonClicked();
    void sysSelectionChanged(int nSelected, int nTotal);

private:
    Ui_SystemSelectionTable* ui;
    SystemSelectionModel* m_model;
};
