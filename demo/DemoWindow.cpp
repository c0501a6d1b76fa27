#include "DemoWindow.h"

#include "DemoAlarmDelegate.h"
#include "DemoAlarmSimulator.h"
#include "DemoArchiveQuery.h"
#include "DemoCounterBar.h"
#include "DemoMouseProcessor.h"
#include "DemoFilterSetEditor.h"
#include "DemoStatisticsArea.h"

#include <statistics/FilterStatisticsWidget.h>
#include "DemoColorView.h"
#include "DemoCompletionProbe.h"
#include "DemoTextRuleFilter.h"

#include <access/EwoActions.h>
#include <colors/ColorEngine.h>
#include <patterns/CompletionSource.h>
#include <filters/TabbedStructuredFilterUi.h>
#include <patterns/QuickFilterEditor.h>
#include <source/QueryStateDisplay.h>
#include <source/SourceAndFiltersUi.h>
#include <source/Spoiler.h>
#include <source/SourceAndFiltersUiFactory.h>
#include <source/SourceUi.h>
#include <source/SourceUiLong.h>
#include <systems/ConnectionMapWidget.h>
#include <systems/DialogSystemConnections.h>
#include <table/ExporterCSV.h>
#include <table/TreeNodesState.h>

#include <scripts/Controller.h>

#include <configuration/FilterJson.h>
#include <configuration/JsonFile.h>
#include <filtervalues/FilterRuleContainer.h>
#include <logging/MsgLoggerModel.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <logging/MsgLoggingMessage.h>
#include <systems/SysConnectMonitor.h>
#include <systems/SysOracleArchive.h>
#include <filtervalues/ValueFilterText.h>

#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

const char* const kTextColumn = "ALERT_TEXT";

// What each role may do; actions not listed are enabled.
struct RoleRight
{
    const QString* action;
    ActionAccess::ActionState state;
    bool possible;
};

QVector<RoleRight> rightsOf(DemoWindow::Role role)
{
    using S = ActionAccess;
    switch (role) {
    case DemoWindow::RoleOperator:
        return {{&EwoActions::AckAll, S::Disabled, true},      {&EwoActions::AckSelected, S::Enabled, true},
                {&EwoActions::SwitchSourceMode, S::Enabled, false}, {&EwoActions::SaveFilter, S::Hidden, true},
                {&EwoActions::LoadFilter, S::Enabled, true},   {&EwoActions::Settings, S::Disabled, true},
                {&EwoActions::AdminSettings, S::Hidden, true}};
    case DemoWindow::RoleEngineer:
        return {{&EwoActions::AckAll, S::Enabled, true},       {&EwoActions::AckSelected, S::Enabled, true},
                {&EwoActions::SwitchSourceMode, S::Enabled, true}, {&EwoActions::SaveFilter, S::Enabled, true},
                {&EwoActions::LoadFilter, S::Enabled, true},   {&EwoActions::Settings, S::Enabled, true},
                {&EwoActions::AdminSettings, S::Disabled, true}};
    case DemoWindow::RoleAdministrator:
        break;
    }
    return {{&EwoActions::AckAll, S::Enabled, true},       {&EwoActions::AckSelected, S::Enabled, true},
            {&EwoActions::SwitchSourceMode, S::Enabled, true}, {&EwoActions::SaveFilter, S::Enabled, true},
            {&EwoActions::LoadFilter, S::Enabled, true},   {&EwoActions::Settings, S::Enabled, true},
            {&EwoActions::AdminSettings, S::Enabled, true}};
}

} // namespace

DemoWindow::DemoWindow(const QString& projectDir, const AlarmScreenConfiguration& config, QWidget* parent)
    : QMainWindow(parent)
    , MsgLoggingProducer(&config)
    , m_projectDir(projectDir)
    , m_completionLibrary(m_alarms)
    , m_log(new MsgLoggerModel)
    , m_config(config)
    , m_wildcardConfig(config.getWildcardConfig())
{
    // The configuration's log settings, with the demo's log view as buffer.
    setLogBuffer(m_log);
    setWindowTitle(tr("qvas demo: alarm screen"));

    // The archive knows the simulated systems and one that is gone from the plant.
    SysOracleArchive::getInstance()->setSystems(m_alarms.systems() << QStringLiteral("Plant0"));

    m_pages = new QTabWidget;
    m_pages->addTab(createAlarmTable(), tr("Alarms"));
    m_pages->addTab(createFilterPage(), tr("Filters"));
    auto* colours = new DemoColorView(ColorEngine::getInstance(this), m_pages);
    colours->setObjectName(QStringLiteral("colours"));
    m_pages->addTab(colours, tr("Colours"));
    m_pages->addTab(createCompletionPage(), tr("Completions"));
    m_filterSets = new DemoFilterSetEditor;
    m_pages->addTab(m_filterSets, tr("Filter sets"));

    // The source-and-filters area sits in the splitter, or collapsed into the spoiler above it.
    auto* central = new QWidget;
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->addWidget(createToolBarArea());
    m_spoiler = new Spoiler(central);
    m_spoiler->hide();
    centralLayout->addWidget(m_spoiler);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(createPanelArea());
    splitter->addWidget(m_pages);
    splitter->addWidget(createLogView());
    splitter->setStretchFactor(1, 4);
    splitter->setStretchFactor(2, 1);
    centralLayout->addWidget(splitter, 1);
    setCentralWidget(central);
    m_spoiler->setMainWidget(m_panelArea, splitter, central);
    m_spoiler->setTitle(tr("Source and filters"));
    m_counts = new QLabel;
    m_counts->setObjectName(QStringLiteral("alarmCounts"));
    statusBar()->addWidget(m_counts, 1);
    // The systems: red down, yellow up but not shown, green shown; a click
    // opens the "System Connections" dialog.
    auto* systemsLabel = new QLabel(tr("Systems:"));
    m_connectionMap = new ConnectionMapWidget;
    m_connectionMap->setObjectName(QStringLiteral("connectionMap"));
    m_connectionMap->setFixedHeight(18);
    m_connectionMap->setToolTip(tr("Click to connect or disconnect systems"));
    m_connectionMap->setProxyModel(m_proxy);
    statusBar()->addPermanentWidget(systemsLabel);
    statusBar()->addPermanentWidget(m_connectionMap);
    connect(m_connectionMap, SIGNAL(activated(QString)), this, SLOT(showSystemConnections()));
    showCounts();
    createMenus();
    setRole(RoleOperator);
    resize(1100, 760);
}

QWidget* DemoWindow::createToolBarArea()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    auto* ackSelected = new QPushButton(tr("Acknowledge selected"));
    auto* ackAll = new QPushButton(tr("Acknowledge all"));
    auto* settings = new QPushButton(tr("Settings..."));
    auto* adminSettings = new QPushButton(tr("Admin settings..."));
    m_queryButton = new QToolButton;
    m_queryButton->setText(tr("Query state"));
    m_queryButton->setToolTip(tr("State, time and counts of the archive query"));
    connect(m_queryButton, SIGNAL(clicked()), this, SLOT(toggleQueryState()));
    layout->addWidget(m_queryButton);
    layout->addWidget(new QLabel(tr("Operator actions:")));
    layout->addStretch(1);
    for (QWidget* w : {static_cast<QWidget*>(ackSelected), static_cast<QWidget*>(ackAll),
                       static_cast<QWidget*>(settings), static_cast<QWidget*>(adminSettings)})
        layout->addWidget(w);

    connect(ackSelected, SIGNAL(clicked()), this, SLOT(acknowledgeSelected()));
    connect(ackAll, SIGNAL(clicked()), this, SLOT(acknowledgeAll()));
    registerActionControl(EwoActions::AckSelected, ackSelected);
    registerActionControl(EwoActions::AckAll, ackAll);
    registerActionControl(EwoActions::Settings, settings);
    registerActionControl(EwoActions::AdminSettings, adminSettings);
    return bar;
}

QWidget* DemoWindow::createPanelArea()
{
    m_panelArea = new QWidget;
    auto* layout = new QVBoxLayout(m_panelArea);
    layout->setContentsMargins(0, 0, 0, 0);
    m_query = new DemoArchiveQuery(m_alarms, m_simulator, m_archiveModel, this);
    m_queryState = new QueryStateDisplay(this);
    m_query->setStateDisplay(m_queryState);
    connect(m_queryState, SIGNAL(abortQuery()), m_query, SLOT(abort()));
    const QString configured = m_config.getFilterWidgetConfiguration().panelPlugin;
    m_pluginName = configured.isEmpty() ? QStringLiteral("qvasSamplePanel") : configured;
    const FilterWidgetConfiguration& fw = m_config.getFilterWidgetConfiguration();
    setPanelKind(fw.noPanel ? QStringLiteral("none") : configured.isEmpty() ? QStringLiteral("builtin")
                                                                            : QStringLiteral("plugin"));
    return m_panelArea;
}

bool DemoWindow::setPanelKind(const QString& kind)
{
    if (kind != QLatin1String("builtin") && kind != QLatin1String("none") && kind != QLatin1String("plugin"))
        return false;
    // The configuration the factory reads decides between the three panels.
    AlarmScreenConfiguration config(m_config);
    config.filterWidgetConfiguration().noPanel = kind == QLatin1String("none");
    config.filterWidgetConfiguration().panelPlugin = kind == QLatin1String("plugin") ? m_pluginName : QString();
    m_panelKind = kind;
    m_query->abort();
    delete m_panel;
    qDeleteAll(m_panelArea->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly));
    SourceAndFiltersUiFactory factory(this);
    m_panel = factory.create(config, m_panelArea);
    m_query->setPanel(m_panel);
    if (m_panelKinds) {
        for (QAction* action : m_panelKinds->actions())
            action->setChecked(action->data().toString() == kind);
    }
    if (!m_panel) {
        auto* none = new QLabel(kind == QLatin1String("none") ? tr("No source-and-filters panel (configured so).")
                                                              : tr("The panel plug-in '%1' could not be loaded; see the log.")
                                                                    .arg(m_pluginName));
        m_panelArea->layout()->addWidget(none);
        return true;
    }
    m_panelArea->layout()->addWidget(m_panel);
    if (m_config.getAlarmSourceConfiguration().archiveTimesInUtc)
        m_panel->setTimeSpec(Qt::UTC);
    m_panel->connectedSystemsChanged(m_proxy->getConnectedSystems());
    m_panel->displaySourceState(Constants::SourceStateOnline);
    connect(m_panel, SIGNAL(applyStructuredFilter(const SourceAndFilter&, int)), this,
            SLOT(applyPanelFilter(const SourceAndFilter&, int)));
    connect(m_panel, SIGNAL(abortQuery()), m_query, SLOT(abort()));
    connect(m_panel, SIGNAL(structuredFilterChanged()), this, SLOT(panelChanged()));
    connect(m_panel, SIGNAL(quickFilterChanged(const QuickCellFilter&)), this,
            SLOT(quickFilterChanged(const QuickCellFilter&)));
    connect(m_panel, SIGNAL(filterActionRequested(const QString&)), this, SLOT(filterActionRequested(const QString&)));
    if (StructuredFilterUi* structured = m_panel->getStructuredFilterUi())
        structured->setActionAccess(getActionAccess());
    // One registry for the whole screen: the source control's own rights
    // and controls are merged into the window's.
    if (auto* source = qobject_cast<SourceUiLong*>(sourceUi()))
        source->setActionAccess(getActionAccess());
    // What the table shows now is what the new panel starts from, unless
    // the user settings have it show (and apply) the default filter.
    m_applied = m_panel->getFilter();
    m_panel->setAppliedQuickFilter(shownProxy()->getQuickFilter());
    const UserSettings& user = m_config.getUserSettings();
    m_panel->setDefaultFilter(user.defaultFilter, user.defaultFilterAction);
    m_panel->compareWithFilter(m_applied, true);
    return true;
}

SourceUi* DemoWindow::sourceUi() const
{
    return m_panel ? m_panel->getSourceUi() : nullptr;
}

void DemoWindow::panelChanged()
{
    if (m_panel)
        m_panel->compareWithFilter(m_applied, true);
}

QList<QModelIndex> DemoWindow::alarmRows(int limit) const
{
    const AlarmsProxyModel* proxy = shownProxy();
    QList<QModelIndex> rows;
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty() && rows.size() != limit) {
        const QModelIndex parent = parents.takeFirst();
        for (int row = 0; row < proxy->rowCount(parent) && rows.size() != limit; ++row) {
            const QModelIndex index = proxy->index(row, 0, parent);
            if (proxy->getAlarmAtRow(index))
                rows.append(index);
            else
                parents.append(index);
        }
    }
    return rows;
}

bool DemoWindow::openAlarmMenu()
{
    AlarmsProxyModel* proxy = shownProxy();
    const QList<QModelIndex> rows = alarmRows(1);
    if (rows.isEmpty())
        return false;
    // The first column that shows the alarm (a grouped table's first is the tree column).
    const QModelIndex index = rows.first().siblingAtColumn(proxy->getGroupingDepth() > 0 ? 1 : 0);
    // The event a right press on that row gives, sent as the processor sends it.
    QVariantList args;
    if (!m_mouse->buildSourceArgForAlarm(args, index, MouseEventProcessor::Pressed) || !m_mouse->buildAlarmArg(args, index))
        return false;
    QVariantMap event = args.first().toMap();
    const QPoint at = m_table->viewport()->mapToGlobal(m_table->visualRect(index).center());
    event.insert(QStringLiteral("button"), int(Qt::RightButton));
    event.insert(QStringLiteral("screenX"), at.x());
    event.insert(QStringLiteral("screenY"), at.y());
    args.first() = event;
    m_mouse->processTableEventByCtrl(args);
    return true;
}

void DemoWindow::mouseEntryChosen(int value, const QVariantList& args)
{
    AlarmsProxyModel* proxy = shownProxy();
    const QModelIndex index = m_mouse->buildRowIndex(proxy, args.value(0).toMap().value(QStringLiteral("row")).toList());
    const AlarmPtr alarm = proxy->getAlarmAtRow(index);
    if (!alarm)
        return;
    const AlarmProp text = proxy->getAlarmsModel()->findProperty(QStringLiteral("ALERT_TEXT"));
    switch (value) {
    case DemoMouseLibrary::EntryAcknowledge:
        proxy->getAlarmsModel()->acknowledge({alarm->getIdent()});
        break;
    case DemoMouseLibrary::EntryDetails: {
        QStringList details;
        const QVariantMap values = args.value(1).toMap();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            details << it.key() + QLatin1Char('=') + it.value().toString();
        MSG_LOG(this, MsgLoggerEnums::LogInfo) << "alarm " << alarm->getIdent() << ": " << details.join(QStringLiteral(", "));
        statusBar()->showMessage(details.join(QStringLiteral(", ")), 10000);
        break;
    }
    case DemoMouseLibrary::EntryFilterSystem: {
        QSharedPointer<ValueFilterText> system(
            new ValueFilterText(m_wildcardConfig, QStringLiteral("SYSTEM"), Constants::ValueSourceAlarm, false));
        system->addItem(alarm->getSystem(), ValueFilterTextItem::MatchExact, false);
        FilterRuleSet set(m_wildcardConfig, true, false);
        set.addValueFilter(system);
        applyCounterFilter(SourceAndFilter(new FilterRuleContainer(m_wildcardConfig, {set}, false), alarm->getSystem()));
        break;
    }
    case DemoMouseLibrary::EntryAcknowledgeSystem: {
        QVector<qint64> idents;
        for (const AlarmPtr& other : proxy->getAlarmsModel()->getAlarms()) {
            if (other->getSystem() == alarm->getSystem())
                idents.append(other->getIdent());
        }
        proxy->getAlarmsModel()->acknowledge(idents);
        break;
    }
    case DemoMouseLibrary::EntryCopyText:
        QGuiApplication::clipboard()->setText(alarm->getDisplayText(text));
        break;
    default:
        break;
    }
}

void DemoWindow::hostMouseEvent(const QVariantList& args)
{
    const QVariantMap event = args.value(0).toMap();
    MSG_LOG(this, MsgLoggerEnums::LogInfo)
        << "mouse event " << event.value(QStringLiteral("type")).toInt() << " button "
        << event.value(QStringLiteral("button")).toInt() << " on "
        << args.value(1).toMap().value(QStringLiteral("ALERT_TEXT")).toString();
}

bool DemoWindow::clickCounter(const QString& id)
{
    for (FilterStatisticsWidget* counter : m_counters->counters()) {
        if (counter->objectName() == QStringLiteral("counter_") + id) {
            emit counter->mouseClicked(counter, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

void DemoWindow::applyCounterFilter(const SourceAndFilter& filter)
{
    // Shown in the filter set tabs when they can show it, which applies it;
    // otherwise applied to the table straight away.
    QString error;
    if (m_panel && m_panel->getStructuredFilterUi()) {
        const WFilter::FilterDisplayResult shown = m_panel->displayFilter(filter, StructuredFilterUi::EditorFilter, error);
        if (shown == WFilter::FilterDisplayed)
            return;
    }
    SourceAndFilter applied = m_panel ? m_panel->getFilter() : SourceAndFilter(this, QString());
    applied.setRuleContainer(filter.getRuleContainer());
    applied.setName(filter.getName());
    if (m_panel)
        applyPanelFilter(applied, StructuredFilterUi::EditorFilter);
    else
        m_proxy->setFilter(applied);
}

void DemoWindow::quickFilterChanged(const QuickCellFilter& filter)
{
    for (AlarmsProxyModel* proxy : {m_proxy, m_archiveProxy}) {
        if (!proxy->setQuickFilter(filter))
            return;
    }
    m_panel->setAppliedQuickFilter(filter);
    QTextStream(stdout) << "quick filter: '" << filter.getString() << "' mode " << filter.getMode() << Qt::endl;
}

bool DemoWindow::typeQuickFilter(const QString& text)
{
    QuickFilterEditor* editor = m_panel ? m_panel->getQuickFilterEditor() : nullptr;
    if (!editor)
        return false;
    editor->setText(text);
    emit editor->editingFinished();
    return true;
}

void DemoWindow::filterActionRequested(const QString& action)
{
    const QString folder = m_projectDir + QStringLiteral("/filters");
    if (action == EwoActions::SaveFilter && m_panel) {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save Filter"), folder, tr("Filters (*.json)"));
        if (path.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(FilterJson::toText(m_panel->getFilter())) < 0) {
            MSG_LOG(this, MsgLoggerEnums::LogError) << "filter not saved: " << path << ": " << file.errorString();
            return;
        }
        MSG_LOG(this, MsgLoggerEnums::LogInfo) << "filter saved: " << path;
    } else if (action == EwoActions::LoadFilter) {
        const QString path = QFileDialog::getOpenFileName(this, tr("Load Filter"), folder, tr("Filters (*.json)"));
        if (!path.isEmpty())
            loadFilter(path);
    }
}

bool DemoWindow::loadFilter(const QString& path)
{
    QString error;
    QByteArray text;
    SourceAndFilter filter(this, QFileInfo(path).completeBaseName());
    if (!m_panel) {
        error = tr("there is no panel to show it");
    } else if (!JsonFile::read(path, text, error)) {
        error.remove(0, path.size() + 2);  // the message names the file itself
    } else if (FilterJson::fromText(text, m_wildcardConfig, &m_config.getAlarmModelConfiguration(), filter, error)) {
        const WFilter::FilterDisplayResult shown = m_panel->displayFilter(filter, StructuredFilterUi::EditorFilter, error);
        if (shown == WFilter::FilterDisplayed || shown == WFilter::FilterPartlyDisplayed) {
            MSG_LOG(this, MsgLoggerEnums::LogInfo) << "filter loaded: " << path;
            return true;
        }
        if (error.isEmpty())
            error = tr("the panel cannot show any part of it");
    }
    MSG_LOG(this, MsgLoggerEnums::LogError) << "filter not loaded: " << path << ": " << error;
    QTextStream(stderr) << "qvas-demo: filter not loaded: " << path << ": " << error << Qt::endl;
    statusBar()->showMessage(tr("Filter not loaded: %1: %2").arg(path, error), 10000);
    return false;
}

bool DemoWindow::startFilterEdit()
{
    auto* structured = m_panel ? qobject_cast<TabbedStructuredFilterUi*>(m_panel->getStructuredFilterUi()) : nullptr;
    if (!structured)
        return false;
    structured->addFilterTab();
    return true;
}

void DemoWindow::panelKindChosen(QAction* action)
{
    setPanelKind(action->data().toString());
}

QWidget* DemoWindow::createAlarmTable()
{
    m_alarmModel.reset(new AlarmsModel(m_config.getAlarmModelConfiguration(), this));
    m_archiveModel.reset(new AlarmsModel(m_config.getAlarmModelConfiguration(), this));
    m_proxy = new AlarmsProxyModel(m_alarmModel, m_config.getProxyModelConfiguration(), this);
    m_archiveProxy = new AlarmsProxyModel(m_archiveModel, m_config.getProxyModelConfiguration(), this);
    m_simulator = new DemoAlarmSimulator(m_alarms, m_alarmModel, this);
    m_proxy->setConnectedSystems(m_simulator->systemNames());
    for (AlarmsProxyModel* proxy : {m_proxy, m_archiveProxy}) {
        proxy->setGroupingConfiguration(m_config.getGroupingConfiguration());
        connect(proxy, SIGNAL(alarmCountsChanged(int, int)), this, SLOT(showCounts()));
    }

    m_table = new QTreeView;
    m_table->setObjectName(QStringLiteral("alarmTable"));
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setItemDelegate(new DemoAlarmDelegate(ColorEngine::getInstance(this), m_table));
    m_table->setSortingEnabled(true);
    // The groups the operator opens stay open across resets and compatible regrouping.
    m_treeState = new TreeNodesState(this, this);
    m_treeState->setTreeView(m_table);
    m_treeState->setGroupingConfig(m_proxy->getGroupingConfiguration());
    m_exporter.reset(new ExporterCSV(this));
    m_simulator->start();
    showModel(m_proxy);

    openAllGroups();
    // Mouse events on the table go to the demo's script library (or to the
    // host, as configured); its menus are shown for right presses.
    if (Controller::thisPtr)
        m_mouseLibrary.registerWith(*Controller::thisPtr);
    m_mouse = new DemoMouseProcessor(this, this, this);
    m_mouse->setConfig(m_config.getMouseProcessorConfiguration());
    m_mouse->connectToTable(m_table);
    connect(m_mouse, SIGNAL(entryChosen(int, const QVariantList&)), this, SLOT(mouseEntryChosen(int, const QVariantList&)));
    connect(m_mouse, SIGNAL(tableMouseEvent(const QVariantList&)), this, SLOT(hostMouseEvent(const QVariantList&)));

    m_counters = new DemoCounterBar(m_alarmModel, m_wildcardConfig, m_alarms.systems(), this);
    connect(m_counters, SIGNAL(filterChosen(const SourceAndFilter&)), this,
            SLOT(applyCounterFilter(const SourceAndFilter&)));
    m_statistics = new DemoStatisticsArea(m_alarmModel, m_wildcardConfig);
    connect(m_statistics, SIGNAL(filterChosen(const SourceAndFilter&)), this,
            SLOT(applyCounterFilter(const SourceAndFilter&)));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("alarms"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_counters);
    layout->addWidget(m_statistics);
    layout->addWidget(m_table, 1);
    return page;
}

void DemoWindow::showModel(AlarmsProxyModel* proxy)
{
    if (m_table->model() == proxy)
        return;
    if (QAbstractItemModel* old = m_table->model()) {
        disconnect(old, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(restoreTreeState()));
        disconnect(old, SIGNAL(modelReset()), this, SLOT(restoreTreeState()));
    }
    m_table->setModel(proxy);
    sortNewestFirst();
    // A group that comes back with new alarms is shown as the operator left it.
    connect(proxy, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(restoreTreeState()), Qt::UniqueConnection);
    connect(proxy, SIGNAL(modelReset()), this, SLOT(restoreTreeState()), Qt::UniqueConnection);
    restoreTreeState();
    m_columnsSized = false;
    showCounts();
}

void DemoWindow::sortNewestFirst()
{
    // The time column, when the table has one.
    const QVector<AlarmProp> columns = shownProxy()->getColumnsDefinition(true);
    for (int c = 0; c < columns.size(); ++c) {
        if (columns.at(c).getType() == AlarmProp::TypeTime) {
            m_table->sortByColumn(c, Qt::DescendingOrder);
            break;
        }
    }
}

AlarmsProxyModel* DemoWindow::shownProxy() const
{
    return qobject_cast<AlarmsProxyModel*>(m_table->model());
}

void DemoWindow::restoreTreeState()
{
    m_treeState->restoreState();
}

void DemoWindow::openAllGroups()
{
    const QAbstractItemModel* model = m_table->model();
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty()) {
        const QModelIndex parent = parents.takeFirst();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            if (model->hasChildren(index)) {
                m_table->expand(index);
                parents.append(index);
            }
        }
    }
}

void DemoWindow::expandAllGroups()
{
    m_treeState->expandAll();
    m_treeState->restoreState();
}

void DemoWindow::collapseAllGroups()
{
    m_treeState->collapseAll();
    m_treeState->restoreState();
}

void DemoWindow::showSystemConnections()
{
    // Deletes itself when closed.
    auto* dialog = new DialogSystemConnections(m_proxy, true, this);
    dialog->setObjectName(QStringLiteral("systemConnections"));
    dialog->show();
}

bool DemoWindow::disconnectSystem(const QString& system)
{
    if (!m_proxy->isSystemConnected(system))
        return false;
    m_proxy->disconnectFromSystem(system);
    return true;
}

bool DemoWindow::takeSystemDown(const QString& system)
{
    SysConnectMonitor* monitor = SysConnectMonitor::getInstance(this);
    const QMap<unsigned int, SystemInfo> systems = monitor->getSystems();
    for (auto it = systems.constBegin(); it != systems.constEnd(); ++it) {
        if (it->getName() == system)
            return monitor->setSystemConnected(it.key(), false) || !it->isConnected();
    }
    return false;
}

bool DemoWindow::exportTable(const QString& fileName, QString& error)
{
    if (!m_exporter->exportToCsv(m_table, shownProxy()->getGroupingDepth(), fileName, true, true, true,
                                 QStringList())) {
        error = m_exporter->getLastError();
        return false;
    }
    return true;
}

void DemoWindow::exportToCsv()
{
    const int depth = shownProxy()->getGroupingDepth();
    if (!m_csvOptions.getOptions(m_exporter->getSeparator(), depth > 0))
        return;
    if (!m_csvOptions.getSeparator().isEmpty())
        m_exporter->setSeparatorCSV(m_csvOptions.getSeparator());
    // No file name: the exporter asks for one.
    if (!m_exporter->exportToCsv(m_table, depth, QString(), m_csvOptions.getExportAll(), m_csvOptions.getHeaders(),
                                 m_csvOptions.getGrouping(), QStringList())) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "CSV export failed: " << m_exporter->getLastError();
        QMessageBox::warning(this, tr("Export to CSV"), m_exporter->getLastError());
    }
}

void DemoWindow::showCounts()
{
    const AlarmsProxyModel* proxy = shownProxy();
    if (!m_counts || !proxy)
        return;
    // Columns fit the first alarms shown; later the operator's widths stay.
    if (!m_columnsSized && proxy->getShownAlarmCount() > 0) {
        m_columnsSized = true;
        for (int c = 0; c < proxy->columnCount(); ++c)
            m_table->resizeColumnToContents(c);
    }
    m_counts->setText(tr("%1: %2 of %3 alarms shown")
                          .arg(proxy == m_proxy ? tr("Live") : tr("History"))
                          .arg(proxy->getShownAlarmCount())
                          .arg(proxy->getConnectedAlarmCount()));
}

QSharedPointer<FilterRuleContainer> DemoWindow::editedRules() const
{
    QList<FilterRuleSet> sets;
    const QSharedPointer<ValueFilter> text = m_textFilter->getFilter(m_matchCase->isChecked());
    if (text) {
        FilterRuleSet set(m_wildcardConfig, true, m_matchCase->isChecked());
        set.addValueFilter(text);
        sets.append(set);
    }
    return QSharedPointer<FilterRuleContainer>(new FilterRuleContainer(m_wildcardConfig, sets, m_matchCase->isChecked()));
}

void DemoWindow::acknowledgeSelected()
{
    AlarmsProxyModel* proxy = shownProxy();
    QVector<qint64> idents;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        if (const AlarmPtr alarm = proxy->getAlarmAtRow(index))
            idents.append(alarm->getIdent());
    }
    const int count = proxy->getAlarmsModel()->acknowledge(idents);
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << count << " selected alarms acknowledged";
}

void DemoWindow::acknowledgeAll()
{
    // Every alarm the table shows, groups collapsed or not.
    AlarmsProxyModel* proxy = shownProxy();
    QVector<qint64> idents;
    for (const QModelIndex& index : alarmRows(-1))
        idents.append(proxy->getAlarmAtRow(index)->getIdent());
    const int count = proxy->getAlarmsModel()->acknowledge(idents);
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << count << " alarms acknowledged";
}

QString DemoWindow::tableSummary() const
{
    const AlarmsProxyModel* proxy = shownProxy();
    const int groups = proxy->getGroupingDepth() > 0 ? proxy->rowCount() : 0;
    return QStringLiteral("%1 top groups, %2 of %3 alarms shown")
        .arg(groups)
        .arg(proxy->getShownAlarmCount())
        .arg(proxy->getConnectedAlarmCount());
}

void DemoWindow::alarmBurst(int count)
{
    m_simulator->burst(count);
}

void DemoWindow::applySourceNow()
{
    if (m_panel)
        m_panel->applyFilterRequest();
}

void DemoWindow::applyPanelFilter(const SourceAndFilter& applied, int type)
{
    m_applied = applied;
    QTextStream(stdout) << "apply: " << applied.toString() << Qt::endl;
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << "apply (type " << type << "): " << applied.toString();
    // Without structured filters in the panel, the Filters page gives the rules.
    SourceAndFilter filter(applied);
    if (!applied.getRuleContainer() || applied.getRuleContainer()->isEmpty())
        filter.setRuleContainer(editedRules());
    if (int(filter.getSourceMode()) == m_config.getAlarmSourceConfiguration().archiveSourceMode) {
        m_archiveProxy->setConnectedSystems(filter.getSystems());
        m_archiveProxy->setFilter(filter);
        showModel(m_archiveProxy);
        m_query->start(filter.getSystems(), filter.getTimeRange().getStartTime(), filter.getTimeRange().getEndTime());
    } else {
        m_query->abort();
        m_proxy->setFilter(filter);
        showModel(m_proxy);
        m_panel->displaySourceState(Constants::SourceStateOnline);
    }
    m_panel->compareWithFilter(m_applied, true);
    m_counters->compareWithApplied(filter);
    m_statistics->compareWithApplied(filter);
}

void DemoWindow::showHistory()
{
    // As a host opening the archive for the last two hours of every system.
    const QDateTime now = QDateTime::currentDateTime();
    const QString error = m_panel ? m_panel->prepareArchiveMode(now.addSecs(-2 * 3600), now, QStringList())
                                  : tr("there is no panel");
    if (!error.isEmpty())
        QTextStream(stderr) << "qvas-demo: history not prepared: " << error << Qt::endl;
}

bool DemoWindow::openSourcePopup(const QString& name)
{
    const QString button = name == QLatin1String("systems") ? QStringLiteral("buttonSystems")
                         : name == QLatin1String("timerange") ? QStringLiteral("buttonTimeRange")
                                                              : QString();
    SourceUi* source = sourceUi();
    auto* anchor = button.isEmpty() || !source ? nullptr : source->findChild<QToolButton*>(button);
    if (!anchor)
        return false;
    anchor->click();
    return true;
}

QWidget* DemoWindow::createFilterPage()
{
    auto* box = new QGroupBox(tr("Structured filter: alarm text (%1)").arg(QLatin1String(kTextColumn)));
    box->setObjectName(QStringLiteral("filters"));
    auto* layout = new QVBoxLayout(box);
    m_textFilter = new DemoTextRuleFilter(m_wildcardConfig, QLatin1String(kTextColumn),
                                          Constants::ValueSourceAlarm, box);
    m_matchCase = new QCheckBox(tr("Match case"));
    m_filterText = new QPlainTextEdit;
    m_filterText->setReadOnly(true);
    m_filterText->setMaximumBlockCount(200);
    layout->addWidget(m_textFilter, 2);
    layout->addWidget(m_matchCase);
    layout->addWidget(new QLabel(tr("Edited filter:")));
    layout->addWidget(m_filterText, 1);

    connect(m_textFilter, SIGNAL(filterChanged()), this, SLOT(filterEdited()));
    connect(m_matchCase, SIGNAL(toggled(bool)), this, SLOT(matchCaseToggled(bool)));
    return box;
}

QWidget* DemoWindow::createCompletionPage()
{
    // The platform runtime the host runs in provides the script library.
    if (Controller::thisPtr)
        m_completionLibrary.registerWith(*Controller::thisPtr);
    const QSharedPointer<CompletionSource> source =
        CompletionSource::getInstance(this, m_config.getFilterWidgetConfiguration());
    auto* probe = new DemoCompletionProbe(source, {QStringLiteral("Plant1"), QStringLiteral("Lab")}, nullptr);
    probe->setObjectName(QStringLiteral("completions"));
    probe->request();
    return probe;
}

QWidget* DemoWindow::createLogView()
{
    auto* view = new QTableView;
    view->setModel(m_log.data());
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->hide();
    connect(m_log.data(), SIGNAL(rowsInserted(QModelIndex, int, int)), view, SLOT(scrollToBottom()));
    return view;
}

void DemoWindow::createMenus()
{
    // Entries of this menu are built each time it opens, so they show the
    // rights at that moment.
    createFileMenu();
    m_filterMenu = menuBar()->addMenu(tr("&Filter"));
    connect(m_filterMenu, SIGNAL(aboutToShow()), this, SLOT(fillFilterMenu()));
    fillFilterMenu();

    createGroupingMenu();
    QAction* inSpoiler = menuBar()->addMenu(tr("&Layout"))->addAction(tr("Source and filters in a spoiler"));
    inSpoiler->setCheckable(true);
    connect(inSpoiler, SIGNAL(toggled(bool)), this, SLOT(setSourceInSpoiler(bool)));

    QMenu* rights = menuBar()->addMenu(tr("&Rights"));
    m_roles = new QActionGroup(this);
    const QStringList names{tr("Operator"), tr("Engineer"), tr("Administrator")};
    for (int role = RoleOperator; role <= RoleAdministrator; ++role) {
        QAction* action = rights->addAction(names.at(role));
        action->setCheckable(true);
        action->setData(role);
        m_roles->addAction(action);
    }
    connect(m_roles, SIGNAL(triggered(QAction*)), this, SLOT(roleChosen(QAction*)));
}

void DemoWindow::createFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* exportCsv = file->addAction(tr("Export to CSV..."));
    connect(exportCsv, SIGNAL(triggered()), this, SLOT(exportToCsv()));
    QAction* systems = file->addAction(tr("System Connections..."));
    connect(systems, SIGNAL(triggered()), this, SLOT(showSystemConnections()));
}

void DemoWindow::createGroupingMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    connect(view->addAction(tr("Expand all groups")), SIGNAL(triggered()), this, SLOT(expandAllGroups()));
    connect(view->addAction(tr("Collapse all groups")), SIGNAL(triggered()), this, SLOT(collapseAllGroups()));
    QMenu* grouping = view->addMenu(tr("&Grouping"));
    m_groupings = new QActionGroup(this);
    const QStringList names{QStringLiteral("none"), QStringLiteral("system"), QStringLiteral("system-priority")};
    const QStringList texts{tr("None"), tr("By system"), tr("By system and priority")};
    for (int i = 0; i < names.size(); ++i) {
        QAction* action = grouping->addAction(texts.at(i));
        action->setCheckable(true);
        action->setData(names.at(i));
        m_groupings->addAction(action);
    }
    QMenu* panel = view->addMenu(tr("&Panel"));
    m_panelKinds = new QActionGroup(this);
    const QStringList kinds{QStringLiteral("plugin"), QStringLiteral("builtin"), QStringLiteral("none")};
    const QStringList kindTexts{tr("Sample plug-in panel (%1)").arg(m_pluginName), tr("Built-in panel"), tr("No panel")};
    for (int i = 0; i < kinds.size(); ++i) {
        QAction* action = panel->addAction(kindTexts.at(i));
        action->setCheckable(true);
        action->setData(kinds.at(i));
        action->setChecked(kinds.at(i) == m_panelKind);
        m_panelKinds->addAction(action);
    }
    connect(m_panelKinds, SIGNAL(triggered(QAction*)), this, SLOT(panelKindChosen(QAction*)));
    const int depth = m_proxy->getGroupingDepth();
    m_groupings->actions().at(qMin(depth, 2))->setChecked(true);
    connect(m_groupings, SIGNAL(triggered(QAction*)), this, SLOT(groupingChosen(QAction*)));
}

void DemoWindow::groupingChosen(QAction* action)
{
    setGrouping(action->data().toString());
}

bool DemoWindow::setGrouping(const QString& name)
{
    GroupingConfiguration grouping;
    if (name == QLatin1String("system") || name == QLatin1String("system-priority"))
        grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("SYSTEM"));
    if (name == QLatin1String("system-priority"))
        grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("PRIORITY"));
    if (grouping.isEmpty() && name != QLatin1String("none"))
        return false;
    // What the operator opened on the levels that stay is kept.
    m_treeState->setGroupingConfig(grouping);
    for (AlarmsProxyModel* proxy : {m_proxy, m_archiveProxy}) {
        if (!proxy->setGroupingConfiguration(grouping))
            return false;
    }
    for (QAction* action : m_groupings->actions())
        action->setChecked(action->data().toString() == name);
    // The table's columns changed: sort newest first again.
    sortNewestFirst();
    restoreTreeState();
    m_columnsSized = false;
    showCounts();
    return true;
}

void DemoWindow::fillFilterMenu()
{
    m_filterMenu->clear();
    addMenuAction(m_filterMenu, EwoActions::SaveFilter, tr("Save Filter..."), QStringLiteral(":/qvas/icons/filter.svg"));
    addMenuAction(m_filterMenu, EwoActions::LoadFilter, tr("Load Filter..."), QString());
}

bool DemoWindow::roleFromName(const QString& name, Role& role)
{
    static const QStringList names{QStringLiteral("operator"), QStringLiteral("engineer"),
                                   QStringLiteral("administrator")};
    const int index = names.indexOf(name.toLower());
    if (index < 0)
        return false;
    role = Role(index);
    return true;
}

void DemoWindow::setRole(Role role)
{
    for (const RoleRight& right : rightsOf(role)) {
        setActionPossibility(*right.action, right.possible);
        setActionState(*right.action, right.state);
    }
    if (m_roles)
        m_roles->actions().at(role)->setChecked(true);
    fillFilterMenu();
    MSG_LOG(this, MsgLoggerEnums::LogInfo) << "rights of role " << int(role) << " applied";
}

void DemoWindow::roleChosen(QAction* action)
{
    setRole(Role(action->data().toInt()));
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

void DemoWindow::showInitialFilter()
{
    QSharedPointer<ValueFilterText> stored(
        new ValueFilterText(m_wildcardConfig, QLatin1String(kTextColumn), Constants::ValueSourceAlarm, false));
    stored->addItem(QStringLiteral("Pump * failure"), ValueFilterTextItem::MatchWildcard, false);
    stored->addItem(QStringLiteral("^Test.*"), ValueFilterTextItem::MatchRegExp, true);
    stored->addItem(QStringLiteral("Valve 12 stuck"), ValueFilterTextItem::MatchExact, false);
    QString errMsg;
    bool shown = false;
    {
        // Restoring is not an edit: report the restored filter once.
        const QSignalBlocker blocker(m_textFilter);
        shown = m_textFilter->setFilter(stored, m_matchCase->isChecked(), errMsg);
    }
    if (!shown)
        MSG_LOG(this, MsgLoggerEnums::LogError) << "stored filter not shown: " << errMsg;
    filterEdited();
}

void DemoWindow::filterEdited()
{
    const QSharedPointer<ValueFilter> filter = m_textFilter->getFilter(m_matchCase->isChecked());
    const QString text = filter ? filter->toString() : tr("(no filter: no rule, or a rule without pattern)");
    m_filterText->appendPlainText(text);
    QTextStream(stdout) << "filter: " << text << Qt::endl;
}

void DemoWindow::matchCaseToggled(bool matchCase)
{
    m_textFilter->setMatchCase(matchCase);
    filterEdited();
}

void DemoWindow::toggleQueryState()
{
    m_queryState->toggleVisibilityBelowWidget(m_queryButton);
}

void DemoWindow::setSourceInSpoiler(bool inSpoiler)
{
    m_spoiler->setInSpoiler(inSpoiler);
}

void DemoWindow::collapseSourceArea()
{
    m_spoiler->setInSpoiler(true);
    m_spoiler->setWidgetVisibility(UserSettings::AreaCollapsed, false);
}

bool DemoWindow::setFilterSetJson(const QString& dp, const QString& json)
{
    return m_filterSets->setJson(dp, json);
}
