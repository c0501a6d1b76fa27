#include "filters/TabbedStructuredFilterUi.h"

#include "access/EwoActions.h"
#include "filters/SingleFilterTab.h"
#include "filters/TabsBulkChange.h"
#include "patterns/CompletionSource.h"
#include "ui_TabbedStructuredFilterUi.h"

#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/WildcardConfig.h>

#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QTabBar>

TabbedStructuredFilterUi::TabbedStructuredFilterUi(const AlarmScreenConfiguration& config, QWidget* parent)
    : StructuredFilterUi(config, parent)
    , m_tabCounter(0)
    , ui(new Ui_TabbedStructuredFilterUi)
    , m_bulk(nullptr)
{
    ui->setupUi(this);
    ui->buttonApply->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    connect(ui->buttonApply, SIGNAL(clicked()), this, SLOT(applyButtonClicked()));
    connect(ui->buttonFilterMenu, SIGNAL(clicked()), this, SLOT(filterButtonClicked()));
    ui->labelFilterModified->hide();
    addNewTabButton();
    connect(ui->tabWidget, SIGNAL(tabBarClicked(int)), this, SLOT(tabButtonClicked(int)));
    connect(ui->tabWidget, SIGNAL(tabCloseRequested(int)), this, SLOT(delFilterTab(int)));
}

TabbedStructuredFilterUi::~TabbedStructuredFilterUi()
{
    delete ui;
}

void TabbedStructuredFilterUi::addNewTabButton()
{
    const int index = ui->tabWidget->addTab(new QLabel(QString()), QIcon(QStringLiteral(":qvas/icons/addNewFilerTabulation.svg")),
                                            QString());
    ui->tabWidget->setTabToolTip(index, tr("Add filter set"));
    // The add tab closes nothing: no button on either side.
    TabsBulkChange::emptyButtons(ui->tabWidget->tabBar(), index);
}

int TabbedStructuredFilterUi::indexOfPage(const void* page) const
{
    // A load of many sets names each new tab, and asks completions for it,
    // while it is the current one: found at once, not by a search.
    if (page == ui->tabWidget->currentWidget())
        return ui->tabWidget->currentIndex();
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        if (ui->tabWidget->widget(i) == page)
            return i;
    }
    return -1;
}

QList<SingleFilterTab*> TabbedStructuredFilterUi::filterTabs() const
{
    QList<SingleFilterTab*> tabs;
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        auto* tab = qobject_cast<SingleFilterTab*>(ui->tabWidget->widget(i));
        if (!tab)
            break;
        tabs.append(tab);
    }
    return tabs;
}

void TabbedStructuredFilterUi::addFilterTab()
{
    ++m_tabCounter;
    auto* tab = new SingleFilterTab(this, m_tabCounter, this);
    QStringList properties;
    tab->configure(m_config, m_completionSource, properties);
    connect(tab, SIGNAL(newName(SingleFilterTab*, QString)), this, SLOT(updateTabName(SingleFilterTab*, QString)));
    connect(tab, SIGNAL(filterChanged()), this, SIGNAL(structuredFilterChanged()));
    ui->tabWidget->insertTab(ui->tabWidget->count() - 1, tab, tab->getName());
    ui->tabWidget->setCurrentIndex(ui->tabWidget->count() - 2);
    if (m_completionSource) {
        for (const QString& property : qAsConst(properties))
            m_completionSource->requestCompletions(tab, property, m_connectedSystems);
    }
    emit structuredFilterChanged();
}

void TabbedStructuredFilterUi::tabButtonClicked(int currentIndex)
{
    if (currentIndex == ui->tabWidget->count() - 1)
        addFilterTab();
}

void TabbedStructuredFilterUi::delFilterTab(int index)
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, tr("Delete Filter?"),
                              tr("Are you sure you want to delete '%1'?\n\nThis action cannot be undone.")
                                  .arg(ui->tabWidget->tabText(index)),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer == QMessageBox::Yes)
        delFilterTabConfirmed(index);
}

void TabbedStructuredFilterUi::delFilterTabConfirmed(int index)
{
    auto* tab = qobject_cast<SingleFilterTab*>(ui->tabWidget->widget(index));
    if (!tab)
        return;
    disconnect(tab, SIGNAL(newName(SingleFilterTab*, QString)), this, SLOT(updateTabName(SingleFilterTab*, QString)));
    if (tab->getNumber() == m_tabCounter)
        --m_tabCounter;
    ui->tabWidget->removeTab(index);
    // A removed tab is neither shown, collected nor given completions again,
    // nor found among the panel's filter widgets.
    if (m_bulk) {
        m_bulk->discard(tab);
    } else {
        tab->setParent(nullptr);
        tab->deleteLater();
    }
    const int count = ui->tabWidget->count();
    if (index == count - 1 && count > 1)
        ui->tabWidget->setCurrentIndex(count - 2);
    emit structuredFilterChanged();
}

void TabbedStructuredFilterUi::updateTabName(SingleFilterTab* widget, QString tabName)
{
    ui->tabWidget->setTabText(indexOfPage(widget), tabName);
    emit structuredFilterChanged();
}

SourceAndFilter TabbedStructuredFilterUi::getFilter() const
{
    QList<FilterRuleSet> sets;
    for (SingleFilterTab* tab : filterTabs())
        sets.append(tab->getFilterSet(m_matchCase));
    return SourceAndFilter(new FilterRuleContainer(WildcardConfig(this), sets, m_matchCase), QString());
}

WFilter::FilterDisplayResult TabbedStructuredFilterUi::displayFilter(const SourceAndFilter& filter,
                                                                     StructuredFilterUi::FilterType type,
                                                                     QString& errMsg)
{
    TabsBulkChange bulk(ui->tabWidget);
    // Removed tabs, the old ones and those of sets that cannot be shown, wait
    // in the bulk change until their pages can leave the window in one move.
    TabsBulkChange* const outer = m_bulk;
    m_bulk = &bulk;
    bulk.emptyTitles();
    while (ui->tabWidget->count() >= 2)
        delFilterTabConfirmed(ui->tabWidget->count() - 2);
    bulk.releaseRemoved();
    const WFilter::FilterDisplayResult result = displaySets(filter, type, bulk, errMsg);
    m_bulk = outer;
    return result;
}

WFilter::FilterDisplayResult TabbedStructuredFilterUi::displaySets(const SourceAndFilter& filter,
                                                                   StructuredFilterUi::FilterType type,
                                                                   TabsBulkChange& bulk, QString& errMsg)
{
    m_matchCase = false;
    m_tabCounter = 0;
    bool partial = false;
    const QSharedPointer<FilterRuleContainer> container = filter.getRuleContainer();
    if (!container) {
        addFilterTab();
    } else {
        m_matchCase = container->isMatchCase();
        for (const FilterRuleSet& set : container->getRuleSets()) {
            addFilterTab();
            const int index = ui->tabWidget->count() - 2;
            auto* tab = qobject_cast<SingleFilterTab*>(ui->tabWidget->widget(index));
            const WFilter::FilterDisplayResult shown = tab->displayRuleSet(set, m_matchCase, errMsg);
            if (shown == WFilter::FilterDisplayError)
                return WFilter::FilterDisplayError;
            if (shown != WFilter::FilterDisplayed)
                partial = true;
            if (shown == WFilter::FilterNotDisplayed)
                delFilterTabConfirmed(index);
            else
                bulk.tabAdded(tab);
        }
        bulk.releaseRemoved();
        if (filterTabs().isEmpty()) {
            addFilterTab();
            if (!container->isEmpty())
                return WFilter::FilterNotDisplayed;
        }
    }
    SourceAndFilter shown = getFilter();
    shown.setName(filter.getName());
    emit applyStructuredFilter(shown, type);
    return partial ? WFilter::FilterPartlyDisplayed : WFilter::FilterDisplayed;
}

void TabbedStructuredFilterUi::applyButtonClicked()
{
    emit applyStructuredFilter(getFilter(), EditorFilter);
}

void TabbedStructuredFilterUi::compareWithFilter(const SourceAndFilter& applied, bool)
{
    displayFilterModified(getFilter().isEqual(applied));
}

void TabbedStructuredFilterUi::displayFilterModified(bool same)
{
    if (mayApplySettings())
        ui->labelFilterModified->setVisible(!same);
}

void TabbedStructuredFilterUi::connectedSystemsChanged(const QStringList& systems)
{
    if (!systems.isSharedWith(m_connectedSystems))
        m_connectedSystems = systems;
    if (m_completionSource)
        m_completionSource->systemConnectionChanged(this, m_connectedSystems);
}

void TabbedStructuredFilterUi::processNewCompletions(void* consumer,
                                                     const QSharedPointer<FilterCompletions>& completions)
{
    if (consumer && consumer != this) {
        // The tab that asked, found by comparing pages.
        if (auto* tab = qobject_cast<SingleFilterTab*>(ui->tabWidget->widget(indexOfPage(consumer))))
            tab->completionsReady(completions, m_connectedSystems);
        return;
    }
    for (SingleFilterTab* tab : filterTabs())
        tab->completionsReady(completions, m_connectedSystems);
}

QList<QWidget*> TabbedStructuredFilterUi::getTabGroups() const
{
    return {ui->tabWidget, ui->buttonContainer};
}

void TabbedStructuredFilterUi::filterButtonClicked()
{
    QMenu* menu = new QMenu;
    QMenu* resetMenu = new QMenu(tr("Reset to"));
    QAction* matchCase = addMenuAction(menu, QString(), QStringLiteral("Match case"), QString());
    if (matchCase) {
        matchCase->setCheckable(true);
        matchCase->setChecked(m_matchCase);
    }
    menu->addSeparator();
    QAction* clear = nullptr;
    QAction* empty = nullptr;
    QAction* reset = nullptr;
    if (!isUseDefaultFilter() || getDefaultFilter().isFilterEqual(m_basicFilter)) {
        clear = addMenuAction(menu, QString(), QStringLiteral("Clear"), QString());
        if (clear)
            clear->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    } else {
        empty = resetMenu->addAction(style()->standardIcon(QStyle::SP_DialogDiscardButton), tr("Empty"));
        reset = resetMenu->addAction(style()->standardIcon(QStyle::SP_DialogResetButton), tr("Default"));
        menu->addMenu(resetMenu);
    }
    QAction* save = nullptr;
    QAction* load = nullptr;
    if (getActionState(EwoActions::SaveFilter) != ActionAccess::Hidden
        || getActionState(EwoActions::LoadFilter) != ActionAccess::Hidden) {
        menu->addSeparator();
        save = addMenuAction(menu, EwoActions::SaveFilter, tr("Save Filter..."), QString());
        if (save)
            save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
        load = addMenuAction(menu, EwoActions::LoadFilter, tr("Load Filter..."), QString());
        if (load)
            load->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    }
    const QPoint centre(ui->buttonFilterMenu->width() / 2, ui->buttonFilterMenu->height() / 2);
    QAction* chosen = menu->exec(ui->buttonFilterMenu->mapToGlobal(centre));
    if (!chosen) {
        // Closed without a choice.
    } else if (chosen == matchCase) {
        setMatchCase(chosen->isChecked());
    } else if (chosen == clear || chosen == empty) {
        clearFilterToBasic();
    } else if (chosen == reset) {
        clearFilterToDefault();
    } else if (chosen == save) {
        emit filterActionRequested(EwoActions::SaveFilter);
    } else if (chosen == load) {
        emit filterActionRequested(EwoActions::LoadFilter);
    }
    delete resetMenu;
    delete menu;
}
