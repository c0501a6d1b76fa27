#include "patterns/QuickFilterOptions.h"

#include "ui_QuickFilterOptions.h"


QuickFilterOptions::QuickFilterOptions(const MsgLoggingProducer* logParent, QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
    , MsgLoggingProducer(logParent)
    , ui(new Ui_QuickFilterOptions)
    , m_mode(1)
{
    ui->setupUi(this);
    connect(ui->checkBoxMatchCase, SIGNAL(stateChanged(int)), this, SIGNAL(matchCaseChanged(int)));
    connect(ui->checkBoxMatchFullColumn, SIGNAL(stateChanged(int)), this, SIGNAL(matchFullColumnChanged(int)));
    connect(ui->radioButtonWildCard, SIGNAL(toggled(bool)), this, SLOT(modeToggled(bool)));
    connect(ui->radioButtonRegExp, SIGNAL(toggled(bool)), this, SLOT(modeToggled(bool)));
    connect(ui->radioButtonString, SIGNAL(toggled(bool)), this, SLOT(modeToggled(bool)));
}

QuickFilterOptions::~QuickFilterOptions()
{
    delete ui;
}

void QuickFilterOptions::setFilterOptions(const QuickCellFilter& filter)
{
    ui->checkBoxMatchCase->setChecked(filter.isMatchCase());
    ui->checkBoxMatchFullColumn->setChecked(filter.isMatchFullColumn());
    m_mode = filter.getMode();
    switch (m_mode) {
    case 1:
        ui->radioButtonWildCard->setChecked(true);
        break;
    case 2:
        ui->radioButtonRegExp->setChecked(true);
        break;
    case 0:
        ui->radioButtonString->setChecked(true);
        break;
    default:
        // No button stands for an unknown mode: none is checked for it.
        break;
    }
}

void QuickFilterOptions::modeToggled(bool)
{
    // A change of radio button toggles two buttons; the first call that
    // sees the new state emits.
    const int mode = ui->radioButtonRegExp->isChecked() ? 2 : ui->radioButtonString->isChecked() ? 0 : 1;
    if (mode == m_mode)
        return;
    m_mode = mode;
    emit modeChanged(mode);
}
