#include "filters/TabsBulkChange.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTimerEvent>

TabsBulkChange::TabsBulkChange(QTabWidget* tabs)
    : m_tabs(tabs)
    , m_paintingSuspended(tabs->updatesEnabled())
    , m_buttonsSuspended(false)
    , m_scrollButtons(tabs->tabBar()->usesScrollButtons())
{
    if (m_paintingSuspended)
        tabs->setUpdatesEnabled(false);
    if (tabs->isVisible() && !holdsFocus(tabs))
        m_hidden = tabs;
    else if (tabs->tabBar()->isVisible() && !holdsFocus(tabs->tabBar()))
        m_hidden = tabs->tabBar();
    if (m_hidden)
        hideKeepingPlace(m_hidden);
    // A bar with scroll buttons lays out all its tabs to scroll to each new
    // current tab.
    tabs->tabBar()->setUsesScrollButtons(false);
    // Each tab removed or made current places every close button of the bar;
    // taking the buttons away costs one pass, and giving them one each.
    if (tabs->tabsClosable()) {
        tabs->setTabsClosable(false);
        m_buttonsSuspended = true;
    }
}

TabsBulkChange::~TabsBulkChange()
{
    releaseRemoved();
    if (!m_tabs)
        return;
    if (m_buttonsSuspended)
        giveCloseButtons();
    m_tabs->tabBar()->setUsesScrollButtons(m_scrollButtons);
    if (m_paintingSuspended)
        resumePainting();
    if (m_hidden) {
        m_hidden->show();
        m_hidden->setSizePolicy(m_hiddenPolicy);
    }
}

void TabsBulkChange::resumePainting()
{
    // Turned on, painting asks every shown widget inside to be painted on
    // its own, and the painting then compares each with all its siblings
    // (the n cell widgets of a text rule list: n squared). Hidden widgets are
    // asked nothing and are painted with their parents once shown: the tab
    // widget is still hidden here, or else its current page is hidden for
    // the moment, unless it holds the keyboard focus (hidden, it would pass
    // the focus on).
    QWidget* page = m_tabs->currentWidget();
    const bool hidePage = page && page->isVisible() && !holdsFocus(page);
    if (hidePage)
        page->hide();
    m_tabs->setUpdatesEnabled(true);
    if (hidePage)
        page->show();
}

void TabsBulkChange::emptyTitles()
{
    QTabBar* bar = m_tabs->tabBar();
    // Renaming a tab of a shown bar lays it out at once.
    if (bar->isVisible())
        return;
    for (int i = 0; i < bar->count(); ++i)
        bar->setTabText(i, QString());
}

void TabsBulkChange::discard(QWidget* page)
{
    if (!m_discarded) {
        m_discarded = new QWidget(m_tabs);
        m_discarded->hide();
    }
    // Within the same window: no walk of its focus chain.
    page->setParent(m_discarded);
}

void TabsBulkChange::releaseRemoved()
{
    if (!m_discarded)
        return;
    m_discarded->setParent(nullptr);
    m_discarded->deleteLater();
    m_discarded = nullptr;
}

void TabsBulkChange::tabAdded(QWidget* page)
{
    m_newPages.append(page);
    if (m_newPages.size() < 16)
        return;
    QCoreApplication::sendPostedEvents();
    QList<QAbstractItemView*> views;
    for (const QPointer<QWidget>& added : qAsConst(m_newPages)) {
        if (added)
            views += added->findChildren<QAbstractItemView*>();
    }
    m_newPages.clear();
    // A view's timer often starts another of its own (a layout, then a fetch):
    // a few rounds leave none waiting.
    for (int round = 0; round < 4; ++round) {
        bool fired = false;
        for (QAbstractItemView* view : qAsConst(views))
            fired = fireZeroTimers(view) || fired;
        if (!fired)
            break;
    }
}

bool TabsBulkChange::fireZeroTimers(QObject* object)
{
    // As the event loop would: a timer event for each timer due at once. Only
    // item views (and their headers) get them: they hold nearly all timers
    // of a page, and their handlers run no code of the page's own.
    bool fired = false;
    const QList<QAbstractEventDispatcher::TimerInfo> timers = QAbstractEventDispatcher::instance()->registeredTimers(object);
    for (const QAbstractEventDispatcher::TimerInfo& timer : timers) {
        if (timer.interval == 0) {
            QTimerEvent event(timer.timerId);
            QCoreApplication::sendEvent(object, &event);
            fired = true;
        }
    }
    return fired;
}

void TabsBulkChange::emptyButtons(QTabBar* bar, int index)
{
    for (QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide}) {
        if (QWidget* button = bar->tabButton(index, side))
            button->resize(0, 0);
    }
}

void TabsBulkChange::hideKeepingPlace(QWidget* widget)
{
    // The layout around keeps the place, so that nothing moves into it while
    // the events posted during a long load are delivered.
    m_hiddenPolicy = widget->sizePolicy();
    QSizePolicy keeping = m_hiddenPolicy;
    keeping.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(keeping);
    widget->hide();
}

bool TabsBulkChange::holdsFocus(const QWidget* widget)
{
    const QWidget* focused = QApplication::focusWidget();
    return focused == widget || widget->isAncestorOf(focused);
}

void TabsBulkChange::giveCloseButtons()
{
    QTabBar* bar = m_tabs->tabBar();
    // The last tab is the add tab, which closes nothing.
    const int last = bar->count() - 1;
    if (bar->isVisible()) {
        // Renaming or hiding tabs of a shown bar lays it out each time.
        m_tabs->setTabsClosable(true);
        emptyButtons(bar, last);
        return;
    }
    // A hidden tab is left out of the bar's size pass, and an empty title is
    // placed without shaping; the current tab stays shown so that the
    // current index does not move.
    QStringList titles;
    titles.reserve(bar->count());
    for (int i = 0; i < bar->count(); ++i) {
        titles.append(bar->tabText(i));
        if (i != bar->currentIndex()) {
            bar->setTabText(i, QString());
            bar->setTabVisible(i, false);
        }
    }
    m_tabs->setTabsClosable(true);
    for (int i = 0; i < bar->count(); ++i) {
        bar->setTabVisible(i, true);
        bar->setTabText(i, titles.at(i));
    }
    emptyButtons(bar, last);
}
