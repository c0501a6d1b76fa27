#include "DemoWindow.h"

#include "DemoAlarmRoom.h"
#include "DemoColorView.h"
#include "DemoCompletionProbe.h"
#include "DemoFilterPage.h"
#include "DemoFilterSetEditor.h"
#include "DemoHistoryRoom.h"
#include "DemoLogLabel.h"
#include "DemoMenus.h"
#include "DemoSourceRoom.h"
#include "DemoStatisticsRoom.h"

#include <colors/ColorEngine.h>
#include <filters/StructuredFilterUi.h>
#include <focus/InEwoFocusProcessor.h>
#include <patterns/CompletionSource.h>
#include <source/SourceAndFiltersUi.h>
#include <source/Spoiler.h>
#include <systems/ConnectionMapWidget.h>
#include <systems/DialogSystemConnections.h>

#include <scripts/Controller.h>

#include <filtervalues/FilterRuleContainer.h>
#include <logging/MsgLoggerModel.h>
#include <logging/MsgLoggingMessage.h>
#include <models/AlarmsProxyModel.h>
#include <systems/SysOracleArchive.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QSettings layoutSettings()
{
    return QSettings(QStringLiteral("qvas"), QStringLiteral("qvas-demo"));
}

} // namespace

DemoWindow::DemoWindow(const QString& projectDir, const AlarmScreenConfiguration& config, QWidget* parent)
    : QMainWindow(parent)
    , MsgLoggingProducer(&config)
    , m_projectDir(projectDir)
    , m_completionLibrary(m_data)
    , m_log(new MsgLoggerModel)
    , m_config(config)
{
    // The configuration's log settings, with the demo's log view as buffer.
    setLogBuffer(m_log);
    setWindowTitle(tr("qvas demo: alarm screen"));
    // The platform runtime the host runs in provides the script libraries.
    if (Controller::thisPtr) {
        m_completionLibrary.registerWith(*Controller::thisPtr);
        m_mouseLibrary.registerWith(*Controller::thisPtr);
    }
    // The archive knows the simulated systems and one that is gone from the plant.
    SysOracleArchive::getInstance()->setSystems(m_data.systems() << QStringLiteral("Plant0"));

    m_alarms = new DemoAlarmRoom(m_data, m_config, this, this);
    m_history = new DemoHistoryRoom(m_data, m_alarms->simulator(), m_alarms->archiveModel(), this);
    m_source = new DemoSourceRoom(projectDir, m_config, this, this);
    m_source->setTargets(m_alarms->liveProxy(), m_alarms->archiveProxy(), m_history);
    m_statistics = new DemoStatisticsRoom(m_alarms->liveModel(), m_config.getWildcardConfig(), m_data.systems(), this);
    setCentralWidget(createCentralArea());
    m_menus = new DemoMenus(this, this, m_alarms, m_source, m_history);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(0, m_menus->createToolBar());
    createStatusBar();
    m_menus->setRole(DemoMenus::RoleOperator);

    connect(m_source, SIGNAL(applyRequested(const SourceAndFilter&, int)), this,
            SLOT(applyFilter(const SourceAndFilter&, int)));
    connect(m_source, SIGNAL(message(const QString&)), this, SLOT(showMessage(const QString&)));
    connect(m_statistics, SIGNAL(filterChosen(const SourceAndFilter&)), this,
            SLOT(applyChosenFilter(const SourceAndFilter&)));
    connect(m_alarms, SIGNAL(filterChosen(const SourceAndFilter&)), this,
            SLOT(applyChosenFilter(const SourceAndFilter&)));
    connect(m_alarms, SIGNAL(message(const QString&)), this, SLOT(showMessage(const QString&)));
    connect(m_menus, SIGNAL(systemConnectionsRequested()), this, SLOT(showSystemConnections()));
    connect(m_menus, SIGNAL(resetLayoutRequested()), this, SLOT(resetLayout()));
    // Tab walks the screen in screen order; the panel's groups are items of their own.
    m_focus = new InEwoFocusProcessor(this, centralWidget());
    connect(m_source, SIGNAL(panelBuilt()), this, SLOT(registerTabGroups()));
    // Last: the panel may apply the configured default filter at once.
    m_source->setPanelKind(m_source->configuredKind());
    m_menus->showChoices();
    resize(1280, 800);
}

QWidget* DemoWindow::createCentralArea()
{
    // The table's side of the splitter: counters and statistics in one row
    // above the pages, the alarm table first.
    auto* tableSide = new QWidget;
    auto* tableLayout = new QVBoxLayout(tableSide);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(2);
    tableLayout->addWidget(m_statistics);
    m_pages = createPages();
    // The pages would ask for the height of their tallest form; the table
    // gives way when the operator opens the source-and-filters area instead
    // of the window growing off the screen.
    m_pages->setMinimumHeight(150);
    tableLayout->addWidget(m_pages, 1);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* spoiler = new Spoiler(central);
    spoiler->hide();
    layout->addWidget(spoiler);
    m_splitter = new QSplitter(Qt::Vertical);
    m_splitter->setObjectName(QStringLiteral("mainSplitter"));
    m_splitter->addWidget(m_source);
    m_splitter->addWidget(tableSide);
    m_splitter->setStretchFactor(1, 4);
    layout->addWidget(m_splitter, 1);
    m_source->setSpoiler(spoiler, m_splitter, central);
    return central;
}

QTabWidget* DemoWindow::createPages()
{
    auto* pages = new QTabWidget;
    pages->setDocumentMode(true);
    pages->addTab(m_alarms, tr("Alarms"));
    m_filterPage = new DemoFilterPage(m_config.getWildcardConfig(), this);
    pages->addTab(m_filterPage, tr("Filters"));
    auto* colours = new DemoColorView(ColorEngine::getInstance(this), pages);
    colours->setObjectName(QStringLiteral("colours"));
    pages->addTab(colours, tr("Colours"));
    auto* probe = new DemoCompletionProbe(CompletionSource::getInstance(this, m_config.getFilterWidgetConfiguration()),
                                          {QStringLiteral("Plant1"), QStringLiteral("Lab")}, nullptr);
    probe->setObjectName(QStringLiteral("completions"));
    probe->request();
    pages->addTab(probe, tr("Completions"));
    m_filterSets = new DemoFilterSetEditor;
    pages->addTab(m_filterSets, tr("Filter sets"));
    return pages;
}

void DemoWindow::createStatusBar()
{
    m_counts = new QLabel(m_alarms->countsText());
    m_counts->setObjectName(QStringLiteral("alarmCounts"));
    // Permanent, so that a message shown in the status bar never covers it.
    statusBar()->addPermanentWidget(m_counts);
    connect(m_alarms, SIGNAL(countsChanged(const QString&)), m_counts, SLOT(setText(const QString&)));
    // The systems: red down, yellow up but not shown, green shown; a click
    // opens the "System Connections" dialog.
    m_connectionMap = new ConnectionMapWidget;
    m_connectionMap->setObjectName(QStringLiteral("connectionMap"));
    m_connectionMap->setFixedHeight(18);
    m_connectionMap->setToolTip(tr("Click to connect or disconnect systems"));
    m_connectionMap->setProxyModel(m_alarms->liveProxy());
    // The screen's own log: the count coloured by the worst severity, a
    // click opens the history; a new error shows in the status bar.
    auto* log = new DemoLogLabel;
    log->setObjectName(QStringLiteral("logStatistics"));
    log->setModel(m_log);
    log->setToolTip(tr("Log messages of the alarm screen; click for the history"));
    connect(log, SIGNAL(criticalMessage(const QString&)), this, SLOT(showMessage(const QString&)));
    statusBar()->addPermanentWidget(log);
    statusBar()->addPermanentWidget(new QLabel(tr("Systems:")));
    statusBar()->addPermanentWidget(m_connectionMap);
    connect(m_connectionMap, SIGNAL(activated(QString)), this, SLOT(showSystemConnections()));
}

QString DemoWindow::logSummary() const
{
    return QStringLiteral("%1 messages, worst severity %2").arg(m_log->rowCount()).arg(int(m_log->getMaxSeverity()));
}

bool DemoWindow::showPage(const QString& name)
{
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->widget(i)->objectName() == name) {
            m_pages->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void DemoWindow::applyFilter(const SourceAndFilter& applied, int type)
{
    m_source->setApplied(applied);
    QTextStream(stdout) << "apply: " << applied.toString() << Qt::endl;
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << "apply (type " << type << "): " << applied.toString();
    // Without structured filters in the panel, the Filters page gives the rules.
    SourceAndFilter filter(applied);
    if (!applied.getRuleContainer() || applied.getRuleContainer()->isEmpty())
        filter.setRuleContainer(m_filterPage->editedRules());
    if (int(filter.getSourceMode()) == m_config.getAlarmSourceConfiguration().archiveSourceMode) {
        m_alarms->archiveProxy()->setConnectedSystems(filter.getSystems());
        m_alarms->archiveProxy()->setFilter(filter);
        m_alarms->showModel(m_alarms->archiveProxy());
        m_history->start(filter);
    } else {
        m_history->abort();
        m_alarms->liveProxy()->setFilter(filter);
        m_alarms->showModel(m_alarms->liveProxy());
        if (m_source->panel())
            m_source->panel()->displaySourceState(Constants::SourceStateOnline);
    }
    m_statistics->compareWithApplied(filter);
}

void DemoWindow::applyChosenFilter(const SourceAndFilter& filter)
{
    // Shown in the filter set tabs when they can show it, which applies it;
    // otherwise applied to the table straight away.
    if (m_source->showInTabs(filter))
        return;
    if (m_source->panel())
        applyFilter(m_source->withSource(filter), StructuredFilterUi::EditorFilter);
    else
        m_alarms->liveProxy()->setFilter(m_source->withSource(filter));
}

void DemoWindow::walkTabs(int presses)
{
    m_source->expand();
    QStringList visited;
    m_focus->setFocusToFirstLast(true);
    for (int i = 0; i <= presses && QApplication::focusWidget(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        visited << (focus->objectName().isEmpty() ? QString::fromLatin1(focus->metaObject()->className())
                                                   : focus->objectName());
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
    }
    QTextStream(stdout) << "tab walk: " << visited.join(QStringLiteral(" > ")) << Qt::endl;
}

void DemoWindow::registerTabGroups()
{
    if (m_source->panel()) {
        for (QWidget* group : m_source->panel()->getTabGroups())
            m_focus->addTabGroup(group);
    }
}

void DemoWindow::showMessage(const QString& text)
{
    statusBar()->showMessage(text, 10000);
}

void DemoWindow::showSystemConnections()
{
    // Deletes itself when closed.
    auto* dialog = new DialogSystemConnections(m_alarms->liveProxy(), true, this);
    dialog->setObjectName(QStringLiteral("systemConnections"));
    dialog->show();
}

void DemoWindow::restoreLayout()
{
    const QSettings settings = layoutSettings();
    const bool inSpoiler = settings.value(QStringLiteral("layout/sourceInSpoiler"), true).toBool();
    const int visibility = settings.value(QStringLiteral("layout/sourceVisibility"), UserSettings::AreaCollapsed).toInt();
    m_source->setInSpoiler(inSpoiler);
    if (inSpoiler)
        m_source->spoiler()->setWidgetVisibility(UserSettings::AsAreaVisibility(visibility), false);
    m_splitter->restoreState(settings.value(QStringLiteral("layout/splitter")).toByteArray());
    const QString grouping = settings.value(QStringLiteral("layout/grouping")).toString();
    if (!grouping.isEmpty() && grouping != m_alarms->groupingName())
        m_alarms->setGrouping(grouping);
    m_alarms->restoreHeaderState(settings.value(QStringLiteral("layout/header")).toByteArray());
    m_menus->showChoices();
    // Moved into the spoiler, the area stays open while the spoiler's
    // closing animation runs, and the window grows to hold it meanwhile:
    // give the table its room back once the spoiler is closed.
    const int height = this->height();
    QTimer::singleShot(m_source->spoiler()->animationDuration() + 100, this,
                       [this, height]() { resize(width(), height); });
}

void DemoWindow::saveLayout() const
{
    QSettings settings = layoutSettings();
    Spoiler* spoiler = m_source->spoiler();
    settings.setValue(QStringLiteral("layout/sourceInSpoiler"), spoiler->isInSpoiler());
    settings.setValue(QStringLiteral("layout/sourceVisibility"), int(spoiler->getWidgetVisibility()));
    settings.setValue(QStringLiteral("layout/splitter"), m_splitter->saveState());
    settings.setValue(QStringLiteral("layout/header"), m_alarms->headerState());
    settings.setValue(QStringLiteral("layout/grouping"), m_alarms->groupingName());
}

void DemoWindow::forgetLayout()
{
    QSettings settings = layoutSettings();
    settings.remove(QStringLiteral("layout"));
}

void DemoWindow::resetLayout()
{
    forgetLayout();
    restoreLayout();
}

void DemoWindow::closeEvent(QCloseEvent* event)
{
    saveLayout();
    QMainWindow::closeEvent(event);
}
