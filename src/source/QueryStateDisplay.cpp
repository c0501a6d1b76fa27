#include "source/QueryStateDisplay.h"

#include "source/SourceUi.h"
#include "ui_QueryStateDisplay.h"

#include <QStyle>

QueryStateDisplay::QueryStateDisplay(QWidget* parent)
    : PopupFrame(parent)
    , ui(new Ui_QueryStateDisplay)
    , m_state(Constants::SourceStateIdle)
{
    ui->setupUi(this);
    ui->buttonAbortQuery->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    connect(ui->buttonAbortQuery, SIGNAL(clicked()), this, SIGNAL(abortQuery()));
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(timerTick()));
    m_timer.start(1000);
}

QueryStateDisplay::~QueryStateDisplay()
{
    delete ui;
}

bool QueryStateDisplay::isStateToMeasureTime() const
{
    return m_state == Constants::SourceStateConnecting || m_state == Constants::SourceStateQueryStarted
        || m_state == Constants::SourceStateQueryReading;
}

void QueryStateDisplay::setElementsVisibility(Constants::SourceState state)
{
    switch (state) {
    case Constants::SourceStateError:
    case Constants::SourceStateIdle:
    case Constants::SourceStateWaiting:
    case Constants::SourceStateOnline:
        ui->progressBar->hide();
        ui->buttonAbortQuery->hide();
        ui->textTimeSpent->clear();
        ui->textTotalCount->clear();
        ui->textMatchingCount->clear();
        break;
    case Constants::SourceStateConnecting:
        ui->progressBar->show();
        ui->buttonAbortQuery->show();
        ui->textTimeSpent->clear();
        ui->textTotalCount->clear();
        ui->textMatchingCount->clear();
        break;
    case Constants::SourceStateQueryStarted:
    case Constants::SourceStateQueryReading:
        ui->progressBar->show();
        ui->buttonAbortQuery->show();
        break;
    case Constants::SourceStateQueryDone:
    case Constants::SourceStateQueryFailed:
    case Constants::SourceStateQueryAborted:
        ui->progressBar->hide();
        ui->buttonAbortQuery->hide();
        break;
    default:
        break;
    }
}

QColor QueryStateDisplay::findStateColor(Constants::SourceState state) const
{
    return SourceUi::stateColor(state);
}

void QueryStateDisplay::displaySourceState(Constants::SourceState state)
{
    if (state == m_state)
        return;
    setElementsVisibility(state);
    m_state = state;
    ui->textSourceState->setText(Constants::getSourceStateVisibleName(state));
    if (!isStateToMeasureTime())
        m_queryStartTime = QDateTime();
    else if (!m_queryStartTime.isValid())
        m_queryStartTime = QDateTime::currentDateTime();
    showStateColor(state);
}

void QueryStateDisplay::showStateColor(Constants::SourceState state)
{
    const QColor color = findStateColor(state);
    if (!color.isValid()) {
        ui->textSourceState->setAutoFillBackground(false);
        return;
    }
    QPalette palette = ui->textSourceState->palette();
    palette.setBrush(QPalette::All, backgroundRole(), QBrush(color));
    // A line edit paints its own role (Base), not the frame's (Window).
    palette.setBrush(QPalette::All, ui->textSourceState->backgroundRole(), QBrush(color));
    ui->textSourceState->setPalette(palette);
    ui->textSourceState->setAutoFillBackground(true);
}

void QueryStateDisplay::displaySourceCounts(unsigned int totalRead, unsigned int matching)
{
    // Counts mean something only while the archive is read.
    if (m_state != Constants::SourceStateQueryReading)
        return;
    ui->textTotalCount->setText(QString::number(totalRead));
    ui->textMatchingCount->setText(QString::number(matching));
}

void QueryStateDisplay::timerTick()
{
    if (!m_queryStartTime.isValid() || !isStateToMeasureTime() || !isVisible())
        return;
    const qint64 seconds = m_queryStartTime.secsTo(QDateTime::currentDateTime());
    ui->textTimeSpent->setText(QStringLiteral("%2:%3:%4")
                                   .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                   .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
                                   .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}
