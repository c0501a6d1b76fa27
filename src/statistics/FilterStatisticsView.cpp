#include "statistics/FilterStatisticsView.h"

#include "source/Spoiler.h"
#include "statistics/FilterStatisticsTab.h"
#include "statistics/FilterStatisticsWidget.h"

#include <filtervalues/WildcardConfig.h>
#include <models/AlarmsModel.h>

#include <QSet>
#include <QVBoxLayout>

FilterStatisticsView::FilterStatisticsView(const WildcardConfig& config, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , SystemConnectionsControl(&config)
    , m_tabs(nullptr)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(this);
    // A single set shows no tab bar.
    m_tabs->setTabBarAutoHide(true);
    m_tabs->setTabsClosable(false);
    m_tabs->setDocumentMode(true);
    connect(m_tabs, SIGNAL(currentChanged(int)), this, SLOT(processTabChange(int)));
}

FilterStatisticsView::~FilterStatisticsView()
{
    switchModel(QSharedPointer<AlarmsModel>());
}

QString FilterStatisticsView::instanceTypeName() const
{
    return QStringLiteral("FilterStatisticsView");
}

void FilterStatisticsView::switchModel(const QSharedPointer<AlarmsModel>& model)
{
    if (m_model)
        m_model->removeConsumer(this);
    m_model = model;
    if (m_model)
        m_model->addConsumer(this);
}

bool FilterStatisticsView::addConnections(const QStringList& dpNames, const QSharedPointer<AlarmsModel>& model,
                                          QString& errMsg)
{
    switchModel(model);
    clearTabs();
    for (const QString& dpName : dpNames) {
        auto* tab = new FilterStatisticsTab(WildcardConfig(this), m_tabs, m_tabs->count());
        if (!tab->connectToDp(dpName, model, errMsg)) {
            delete tab;
            return false;
        }
        connect(tab, SIGNAL(statsChanged(const FilterStatistics*)), this, SIGNAL(statsChanged(const FilterStatistics*)));
        connect(tab, SIGNAL(statsContentChanged(const QString&, const QVariantMap&)), this,
                SIGNAL(statsContentChanged(const QString&, const QVariantMap&)));
        connect(tab, SIGNAL(filterMousePressed(FilterStatisticsWidget*, int, int, int)), this,
                SIGNAL(filterMousePressed(FilterStatisticsWidget*, int, int, int)));
        connect(tab, SIGNAL(filterMouseClicked(FilterStatisticsWidget*, int)), this,
                SIGNAL(filterMouseClicked(FilterStatisticsWidget*, int)));
        connect(tab, SIGNAL(setNameChanged(int, QString)), this, SLOT(updateTabText(int, QString)));
        m_tabs->addTab(tab, tab->getSetName());
    }
    buildView();
    return true;
}

void FilterStatisticsView::clearTabs()
{
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        page->deleteLater();
    }
    m_tabs->clear();
}

void FilterStatisticsView::clearView()
{
    // The tab widget outlives every spoiler: take it out of the layout that
    // holds it (the view's, or the spoiler's) before the spoiler goes.
    if (QLayout* current = m_tabs->parentWidget() ? m_tabs->parentWidget()->layout() : nullptr)
        current->removeWidget(m_tabs);
    if (m_tabs->parentWidget() != this)
        m_tabs->setParent(this);
    if (m_spoiler)
        m_spoiler->deleteLater();
    m_spoiler = nullptr;
}

void FilterStatisticsView::buildView()
{
    clearView();
    if (m_useSpoiler && m_orientation == Qt::Horizontal) {
        m_spoiler = new Spoiler(this);
        layout()->addWidget(m_spoiler);
        auto* content = new QVBoxLayout;
        content->setContentsMargins(0, 0, 0, 0);
        m_spoiler->setContentLayout(content);
        content->addWidget(m_tabs);
    } else {
        layout()->addWidget(m_tabs);
    }
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->widget(i)))
            tab->buildView();
    }
    if (m_spoiler)
        m_spoiler->updateContentGeometry();
}

void FilterStatisticsView::processTabChange(int tabIdx)
{
    auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->widget(tabIdx));
    if (!tab)
        return;
    tab->compareWithCurrentFilter(m_currentFilter);
    if (m_spoiler)
        m_spoiler->setTitle(tab->getSetName());
}

void FilterStatisticsView::updateTabText(int tabIdx, QString setName)
{
    m_tabs->setTabText(tabIdx, setName);
}

void FilterStatisticsView::setModel(const QSharedPointer<AlarmsModel>& model)
{
    switchModel(model);
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->widget(i)))
            tab->setModel(model, m_singleRowPerPair);
    }
}

void FilterStatisticsView::setSingleRowPerPair(bool singleRowPerPair)
{
    m_singleRowPerPair = singleRowPerPair;
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->widget(i)))
            tab->setSingleRowPerPair(singleRowPerPair);
    }
}

void FilterStatisticsView::setOrientation(Qt::Orientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->widget(i)))
            tab->setOrientation(orientation);
    }
}

void FilterStatisticsView::setUseSpoiler(bool useSpoiler)
{
    if (useSpoiler == m_useSpoiler)
        return;
    m_useSpoiler = useSpoiler;
    if (m_orientation == Qt::Horizontal)
        buildView();
}

void FilterStatisticsView::setTabBarPosition(QTabWidget::TabPosition position)
{
    m_tabs->setTabPosition(position);
}

void FilterStatisticsView::compareWithCurrentFilter(const SourceAndFilter& filter)
{
    m_currentFilter = filter;
    // The other tabs compare when they become current.
    if (auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->currentWidget()))
        tab->compareWithCurrentFilter(m_currentFilter);
}

QStringList FilterStatisticsView::getAllIds() const
{
    QSet<QString> ids;
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto* tab = qobject_cast<FilterStatisticsTab*>(m_tabs->widget(i)))
            ids.unite(tab->getAllIds());
    }
    return ids.values();
}

QVariantMap FilterStatisticsView::getFilterStatistics(const QString& filterId) const
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        for (const FilterStatisticsWidget* widget : m_tabs->widget(i)->findChildren<FilterStatisticsWidget*>()) {
            if (widget->getFilterDpName() == filterId && !FilterStatisticsTab::isCleared(widget))
                return widget->getStatisticsAsMap();
        }
    }
    QVariantMap result;
    result.insert(QStringLiteral("error"), QStringLiteral("filter with ID '%1' not found").arg(filterId));
    return result;
}
