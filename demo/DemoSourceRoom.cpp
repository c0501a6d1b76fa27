#include "DemoSourceRoom.h"

#include "DemoHistoryRoom.h"

#include <access/ActionAccessOwner.h>
#include <access/EwoActions.h>
#include <filters/StructuredFilterUi.h>
#include <filters/TabbedStructuredFilterUi.h>
#include <patterns/QuickFilterEditor.h>
#include <source/SourceAndFiltersUi.h>
#include <source/SourceAndFiltersUiFactory.h>
#include <source/SourceUiLong.h>
#include <source/Spoiler.h>

#include <configuration/FilterJson.h>
#include <configuration/JsonFile.h>
#include <filtervalues/FilterRuleContainer.h>
#include <logging/MsgLoggingMessage.h>
#include <models/AlarmsProxyModel.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

DemoSourceRoom::DemoSourceRoom(const QString& projectDir, const AlarmScreenConfiguration& config,
                               MsgLoggingProducer* producer, ActionAccessOwner* access, QWidget* parent)
    : QWidget(parent)
    , m_projectDir(projectDir)
    , m_config(config)
    , m_producer(producer)
    , m_access(access)
{
    setObjectName(QStringLiteral("sourceArea"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString configured = m_config.getFilterWidgetConfiguration().panelPlugin;
    m_pluginName = configured.isEmpty() ? QStringLiteral("qvasSamplePanel") : configured;
    m_compareTimer.setSingleShot(true);
    m_compareTimer.setInterval(0);
    connect(&m_compareTimer, SIGNAL(timeout()), this, SLOT(compareWithApplied()));
}

QString DemoSourceRoom::configuredKind() const
{
    const FilterWidgetConfiguration& widgets = m_config.getFilterWidgetConfiguration();
    return widgets.noPanel ? QStringLiteral("none")
         : widgets.panelPlugin.isEmpty() ? QStringLiteral("builtin")
                                         : QStringLiteral("plugin");
}

void DemoSourceRoom::setTargets(AlarmsProxyModel* live, AlarmsProxyModel* archive, DemoHistoryRoom* history)
{
    m_live = live;
    m_archive = archive;
    m_history = history;
}

void DemoSourceRoom::setSpoiler(Spoiler* spoiler, QSplitter* splitter, QWidget* altParent)
{
    m_spoiler = spoiler;
    m_spoiler->setMainWidget(this, splitter, altParent);
    m_spoiler->setTitle(summary());
}

bool DemoSourceRoom::setPanelKind(const QString& kind)
{
    if (kind != QLatin1String("builtin") && kind != QLatin1String("none") && kind != QLatin1String("plugin"))
        return false;
    // The configuration the factory reads decides between the three panels.
    AlarmScreenConfiguration config(m_config);
    config.filterWidgetConfiguration().noPanel = kind == QLatin1String("none");
    config.filterWidgetConfiguration().panelPlugin = kind == QLatin1String("plugin") ? m_pluginName : QString();
    m_panelKind = kind;
    m_history->abort();
    delete m_panel;
    qDeleteAll(findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly));
    SourceAndFiltersUiFactory factory(m_producer);
    m_panel = factory.create(config, this);
    m_history->setPanel(m_panel);
    if (!m_panel) {
        showNoPanel(kind);
        return true;
    }
    layout()->addWidget(m_panel);
    connectPanel();
    emit panelBuilt();
    // What the table shows now is what the new panel starts from, unless
    // the user settings have it show (and apply) the default filter.
    m_applied = m_panel->getFilter();
    m_panel->setAppliedQuickFilter(m_live->getQuickFilter());
    const UserSettings& user = m_config.getUserSettings();
    m_panel->setDefaultFilter(user.defaultFilter, user.defaultFilterAction);
    m_panel->compareWithFilter(m_applied, true);
    return true;
}

void DemoSourceRoom::showNoPanel(const QString& kind)
{
    auto* none = new QLabel(kind == QLatin1String("none")
                                ? tr("No source-and-filters panel (configured so).")
                                : tr("The panel plug-in '%1' could not be loaded; see the log.").arg(m_pluginName));
    layout()->addWidget(none);
}

void DemoSourceRoom::connectPanel()
{
    if (m_config.getAlarmSourceConfiguration().archiveTimesInUtc)
        m_panel->setTimeSpec(Qt::UTC);
    m_panel->connectedSystemsChanged(m_live->getConnectedSystems());
    m_panel->displaySourceState(Constants::SourceStateOnline);
    connect(m_panel, SIGNAL(applyStructuredFilter(const SourceAndFilter&, int)), this,
            SIGNAL(applyRequested(const SourceAndFilter&, int)));
    connect(m_panel, SIGNAL(abortQuery()), m_history, SLOT(abort()));
    connect(m_panel, SIGNAL(structuredFilterChanged()), this, SLOT(panelChanged()));
    connect(m_panel, SIGNAL(quickFilterChanged(const QuickCellFilter&)), this,
            SLOT(quickFilterChanged(const QuickCellFilter&)));
    connect(m_panel, SIGNAL(filterActionRequested(const QString&)), this, SLOT(filterActionRequested(const QString&)));
    if (StructuredFilterUi* structured = m_panel->getStructuredFilterUi())
        structured->setActionAccess(m_access->getActionAccess());
    // One registry for the whole screen: the source control's own rights
    // and controls are merged into the window's.
    if (auto* source = qobject_cast<SourceUiLong*>(sourceUi()))
        source->setActionAccess(m_access->getActionAccess());
}

SourceUi* DemoSourceRoom::sourceUi() const
{
    return m_panel ? m_panel->getSourceUi() : nullptr;
}

void DemoSourceRoom::setApplied(const SourceAndFilter& applied)
{
    m_applied = applied;
    if (m_panel) {
        m_panel->compareWithFilter(m_applied, true);
        // That comparison covers the changes that started the timer (a
        // loaded filter is applied as it is shown): one comparison, not two.
        m_compareTimer.stop();
    }
    if (m_spoiler)
        m_spoiler->setTitle(summary());
}

QString DemoSourceRoom::summary() const
{
    // One line: where the alarms come from and the rules applied to them.
    const bool archive = int(m_applied.getSourceMode()) == m_config.getAlarmSourceConfiguration().archiveSourceMode;
    const QString source = archive ? tr("History %1 of %2")
                                         .arg(m_applied.getTimeRange().getDescription(),
                                              m_applied.getSystems().join(QStringLiteral(", ")))
                                   : tr("Live alarms");
    QString rules = m_applied.isEmpty() ? tr("no filter") : m_applied.getRuleContainer()->toString();
    // Short enough for the one line of the collapsed area in a narrow window.
    if (rules.size() > 60)
        rules = rules.left(57) + QStringLiteral("...");
    return tr("Source and filters: %1, %2").arg(source, rules);
}

void DemoSourceRoom::panelChanged()
{
    if (!m_panel)
        return;
    // Once a turn: restarting a running timer would search the thread's
    // timer list each time, and a large load changes the panel per set.
    if (!m_compareTimer.isActive())
        m_compareTimer.start();
    // The operator edits a filter: show the area the edit happens in.
    expand();
}

void DemoSourceRoom::compareWithApplied()
{
    if (m_panel)
        m_panel->compareWithFilter(m_applied, true);
}

bool DemoSourceRoom::showInTabs(const SourceAndFilter& filter)
{
    if (!m_panel || !m_panel->getStructuredFilterUi())
        return false;
    QString error;
    return m_panel->displayFilter(filter, StructuredFilterUi::EditorFilter, error) == WFilter::FilterDisplayed;
}

SourceAndFilter DemoSourceRoom::withSource(const SourceAndFilter& filter) const
{
    SourceAndFilter applied = m_panel ? m_panel->getFilter() : SourceAndFilter(m_producer, QString());
    applied.setRuleContainer(filter.getRuleContainer());
    applied.setName(filter.getName());
    return applied;
}

void DemoSourceRoom::quickFilterChanged(const QuickCellFilter& filter)
{
    for (AlarmsProxyModel* proxy : {m_live, m_archive}) {
        if (!proxy->setQuickFilter(filter))
            return;
    }
    m_panel->setAppliedQuickFilter(filter);
    QTextStream(stdout) << "quick filter: '" << filter.getString() << "' mode " << filter.getMode() << Qt::endl;
}

bool DemoSourceRoom::typeQuickFilter(const QString& text)
{
    QuickFilterEditor* editor = m_panel ? m_panel->getQuickFilterEditor() : nullptr;
    if (!editor)
        return false;
    editor->setText(text);
    emit editor->editingFinished();
    return true;
}

void DemoSourceRoom::filterActionRequested(const QString& action)
{
    if (action == EwoActions::SaveFilter && m_panel) {
        saveFilter();
    } else if (action == EwoActions::LoadFilter) {
        const QString path = QFileDialog::getOpenFileName(this, tr("Load Filter"), m_projectDir + QStringLiteral("/filters"),
                                                          tr("Filters (*.json)"));
        if (!path.isEmpty())
            loadFilter(path);
    }
}

void DemoSourceRoom::saveFilter()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Filter"), m_projectDir + QStringLiteral("/filters"),
                                                      tr("Filters (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(FilterJson::toText(m_panel->getFilter())) < 0) {
        MSG_LOG(m_producer, MsgLoggerEnums::LogError) << "filter not saved: " << path << ": " << file.errorString();
        return;
    }
    MSG_LOG(m_producer, MsgLoggerEnums::LogInfo) << "filter saved: " << path;
}

bool DemoSourceRoom::loadFilter(const QString& path)
{
    QString error;
    QByteArray text;
    SourceAndFilter filter(m_producer, QFileInfo(path).completeBaseName());
    if (!m_panel) {
        error = tr("there is no panel to show it");
    } else if (JsonFile::read(path, text, error)
               && FilterJson::fromText(text, m_config.getWildcardConfig(), &m_config.getAlarmModelConfiguration(),
                                       filter, error)) {
        // A filter of thousands of sets takes seconds to show.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const WFilter::FilterDisplayResult shown = m_panel->displayFilter(filter, StructuredFilterUi::EditorFilter, error);
        QApplication::restoreOverrideCursor();
        if (shown == WFilter::FilterDisplayed || shown == WFilter::FilterPartlyDisplayed) {
            MSG_LOG(m_producer, MsgLoggerEnums::LogInfo) << "filter loaded: " << path;
            return true;
        }
        if (error.isEmpty())
            error = tr("the panel cannot show any part of it");
    }
    MSG_LOG(m_producer, MsgLoggerEnums::LogError) << "filter not loaded: " << path << ": " << error;
    QTextStream(stderr) << "qvas-demo: filter not loaded: " << path << ": " << error << Qt::endl;
    emit message(tr("Filter not loaded: %1: %2").arg(path, error));
    return false;
}

bool DemoSourceRoom::startFilterEdit()
{
    auto* structured = m_panel ? qobject_cast<TabbedStructuredFilterUi*>(m_panel->getStructuredFilterUi()) : nullptr;
    if (!structured)
        return false;
    structured->addFilterTab();
    return true;
}

void DemoSourceRoom::showHistory()
{
    // As a host opening the archive for the last two hours of every system.
    const QDateTime now = QDateTime::currentDateTime();
    const QString error = m_panel ? m_panel->prepareArchiveMode(now.addSecs(-2 * 3600), now, QStringList())
                                  : tr("there is no panel");
    if (!error.isEmpty())
        QTextStream(stderr) << "qvas-demo: history not prepared: " << error << Qt::endl;
}

bool DemoSourceRoom::openSourcePopup(const QString& name)
{
    const QString button = name == QLatin1String("systems") ? QStringLiteral("buttonSystems")
                         : name == QLatin1String("timerange") ? QStringLiteral("buttonTimeRange")
                                                              : QString();
    SourceUi* source = sourceUi();
    auto* anchor = button.isEmpty() || !source ? nullptr : source->findChild<QToolButton*>(button);
    if (!anchor)
        return false;
    expand();
    anchor->click();
    return true;
}

void DemoSourceRoom::applySourceNow()
{
    if (m_panel)
        m_panel->applyFilterRequest();
}

bool DemoSourceRoom::event(QEvent* event)
{
    // The panel's layout changed (a tab, a page, another panel): the open
    // spoiler is refitted once the layout has settled.
    if (event->type() == QEvent::LayoutRequest)
        QTimer::singleShot(0, this, SLOT(refitSpoiler()));
    return QWidget::event(event);
}

void DemoSourceRoom::refitSpoiler()
{
    if (!m_spoiler || !m_spoiler->isInSpoiler())
        return;
    const int height = sizeHint().height();
    if (height == m_fittedHeight)
        return;
    m_fittedHeight = height;
    m_spoiler->updateContentGeometry();
    if (m_spoiler->getWidgetVisibility() == UserSettings::AreaExpanded)
        m_spoiler->setWidgetVisibility(UserSettings::AreaExpanded, true);
}

void DemoSourceRoom::setInSpoiler(bool inSpoiler)
{
    m_spoiler->setInSpoiler(inSpoiler);
}

void DemoSourceRoom::collapse()
{
    m_spoiler->setInSpoiler(true);
    m_spoiler->setWidgetVisibility(UserSettings::AreaCollapsed, false);
}

void DemoSourceRoom::expand()
{
    if (m_spoiler && m_spoiler->isInSpoiler())
        m_spoiler->setWidgetVisibility(UserSettings::AreaExpanded, false);
}
