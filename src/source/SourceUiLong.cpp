#include "source/SourceUiLong.h"

#include "access/EwoActions.h"
#include "source/SystemSelectionTable.h"
#include "ui_SourceUiLong.h"

#include <logging/MsgLoggingMessage.h>

#include <QStyle>

namespace {
// States 5 and 6: a query runs; its elapsed time is measured and it can be aborted.
bool isQueryRunning(Constants::SourceState state)
{
    return state == Constants::SourceStateQueryStarted || state == Constants::SourceStateQueryReading;
}
} // namespace

SourceUiLong::SourceUiLong(const AlarmScreenConfiguration& config, QWidget* parent)
    : SourceUi(config, parent)
    , ActionAccessUser(new ActionAccess)
    , ui(new Ui_SourceUiLong)
    , m_systemSelectionTable(nullptr)
    , m_timeRangeEditor(m_timeRange, this)
{
    ui->setupUi(this);
    registerActionControl(EwoActions::SourceControl, this);
    registerActionControl(EwoActions::SwitchSourceMode, ui->comboBoxSourceMode);
    connect(ui->comboBoxSourceMode, SIGNAL(activated(int)), this, SLOT(sourceModeIndexActivated(int)));

    ui->progressBarQuery->hide();
    ui->buttonAbortQuery->hide();
    setWidgetVisibilityForMode(m_mode);
    ui->labelFilterModified->hide();

    ui->buttonApply->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->buttonAbortQuery->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    connect(ui->buttonApply, SIGNAL(clicked()), this, SIGNAL(apply()));
    connect(ui->buttonAbortQuery, SIGNAL(clicked()), this, SIGNAL(abortQuery()));

    m_systemSelectionTable = new SystemSelectionTable(this, this);
    connect(m_systemSelectionTable, SIGNAL(selectionChanged(int, int)), this, SLOT(systemSelectionChanged(int, int)));
    systemSelectionChanged(m_systemSelectionTable->getSelectedSystems().size(),
                           m_systemSelectionTable->getTotalSystemCount());

    connect(ui->buttonSystems, SIGNAL(clicked()), this, SLOT(sourceButtonClicked()));
    connect(ui->buttonTimeRange, SIGNAL(clicked()), this, SLOT(sourceButtonClicked()));
    connect(&m_timeRangeEditor, SIGNAL(changed(TimeRange)), this, SLOT(timeRangeChanged(TimeRange)));
    timeRangeChanged(m_timeRange);

    connect(&m_stateTimer, SIGNAL(timeout()), this, SLOT(stateTimerTick()));
    m_stateTimer.start(1000);
}

SourceUiLong::~SourceUiLong()
{
    delete ui;
}

void SourceUiLong::setTimeSpec(Qt::TimeSpec spec)
{
    SourceUi::setTimeSpec(spec);
    m_timeRangeEditor.setTimeSpec(spec);
}

void SourceUiLong::addToFilter(const SourceAndFilter& filter) const
{
    SourceUi::addToFilter(filter);
    filter.setSystems(m_systemSelectionTable->getSelectedSystems());
    filter.setFixedDpSource(false);
}

void SourceUiLong::compareWithFilter(const SourceAndFilter& filter, bool flag)
{
    if (!flag) {
        m_timeRange.setRangeFrozen(false);
        return;
    }
    if (filter.getSourceMode() == m_archiveMode) {
        m_timeRange = filter.getTimeRange();
        displayTimeRange();
    }
}

QString SourceUiLong::prepareArchiveMode(const QDateTime& start, const QDateTime& end, const QStringList& systems)
{
    if (!systems.isEmpty()) {
        const QString error = m_systemSelectionTable->setSelectedSystems(systems);
        if (!error.isEmpty())
            return error;
    }
    ui->comboBoxSourceMode->setCurrentIndex(1);
    SourceUi::prepareArchiveMode(start, end, systems);
    displayTimeRange();
    setNewMode(m_archiveMode);
    return QString();
}

void SourceUiLong::prepareOnlineMode()
{
    ui->comboBoxSourceMode->setCurrentIndex(0);
    setNewMode(Constants::SourceModeOnline);
}

void SourceUiLong::displayFilterModified(bool same)
{
    if (mayApplySettings())
        ui->labelFilterModified->setVisible(!same);
}

void SourceUiLong::setMayApplySettings(bool may)
{
    SourceUi::setMayApplySettings(may);
    ui->buttonApply->setVisible(may);
}

void SourceUiLong::sourceModeIndexActivated(int index)
{
    switch (index) {
    case 0:
        setNewMode(Constants::SourceModeOnline);
        break;
    case 1:
        setNewMode(m_archiveMode);
        break;
    default:
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "unexpected combo box index for new mode: " << index;
        break;
    }
}

void SourceUiLong::setNewMode(Constants::SourceMode mode)
{
    if (mode == m_mode)
        return;
    // The connected systems seed the selection the first time only.
    if (mode == m_archiveMode)
        m_systemSelectionTable->setInitial(m_connectedSystems);
    m_mode = mode;
    displayTimeRange();
    setWidgetVisibilityForMode(m_mode);
    emit changed();
}

void SourceUiLong::setWidgetVisibilityForMode(Constants::SourceMode mode)
{
    ui->sourceContainerHistory->setVisible(mode == m_archiveMode);
}

void SourceUiLong::displayTimeRange()
{
    ui->buttonTimeRange->setText(m_timeRange.getDescription());
}

void SourceUiLong::timeRangeChanged(const TimeRange& timeRange)
{
    m_timeRange = timeRange;
    displayTimeRange();
    emit changed();
}

void SourceUiLong::systemSelectionChanged(int nSelected, int nTotal)
{
    ui->buttonSystems->setText(tr("Systems %1 / %2").arg(nSelected).arg(nTotal));
    emit changed();
}

void SourceUiLong::sourceButtonClicked()
{
    auto* button = qobject_cast<QToolButton*>(sender());
    if (button && button == ui->buttonSystems) {
        m_systemSelectionTable->toggleVisibilityBelowWidget(button);
    } else if (button && button == ui->buttonTimeRange) {
        m_timeRangeEditor.toggleVisibilityBelowWidget(button);
    } else {
        MSG_LOG(this, MsgLoggerEnums::LogError) << tr("click signal from unexpected button");
    }
}

void SourceUiLong::displaySourceCounts(unsigned int totalRead, unsigned int matching)
{
    ui->labelQueryCounts->setText(tr("Matching: %1 / Total read: %2").arg(matching).arg(totalRead));
}

void SourceUiLong::setStateVisibility(Constants::SourceState state)
{
    if (state >= 10)
        return;
    const bool running = isQueryRunning(state);
    const bool labels = state >= Constants::SourceStateQueryStarted;
    ui->buttonAbortQuery->setVisible(running);
    ui->progressBarQuery->setVisible(running);
    ui->labelQueryState->setVisible(labels);
    ui->labelTimeSpent->setVisible(labels);
    ui->labelQueryCounts->setVisible(labels);
}

void SourceUiLong::showStateColor(Constants::SourceState state)
{
    const QColor color = findStateColor(state);
    if (!color.isValid()) {
        ui->labelQueryState->setAutoFillBackground(false);
        return;
    }
    QPalette palette = ui->labelQueryState->palette();
    palette.setBrush(QPalette::All, backgroundRole(), color);
    ui->labelQueryState->setPalette(palette);
    ui->labelQueryState->setAutoFillBackground(true);
}

void SourceUiLong::displaySourceState(Constants::SourceState state)
{
    if (state == m_state)
        return;
    setStateVisibility(state);
    m_state = state;
    if (!isQueryRunning(state))
        m_queryStartTime = QDateTime();
    else if (!m_queryStartTime.isValid())
        m_queryStartTime = QDateTime::currentDateTime();
    ui->labelQueryState->setText(Constants::getSourceStateVisibleName(state));
    showStateColor(state);
}

void SourceUiLong::stateTimerTick()
{
    if (!m_queryStartTime.isValid() || !ui->progressBarQuery->isVisible())
        return;
    const qint64 seconds = m_queryStartTime.secsTo(QDateTime::currentDateTime());
    const QChar zero(QLatin1Char('0'));
    ui->labelTimeSpent->setText(QStringLiteral("%1:%2:%3")
                                    .arg(seconds / 3600, 2, 10, zero)
                                    .arg(seconds % 3600 / 60, 2, 10, zero)
                                    .arg(seconds % 60, 2, 10, zero));
    ui->labelTimeSpent->show();
}
