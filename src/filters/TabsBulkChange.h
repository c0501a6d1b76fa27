#pragma once

#include <QList>
#include <QPointer>
#include <QSizePolicy>

class QObject;
class QTabBar;
class QTabWidget;
class QWidget;

// Many tabs of a tab widget changed in one go, in nearly linear time.
//
// Qt's tab bar lays out all its tabs again for each tab added, renamed or
// given a close button, shaping every tab title each time, and a shown tab
// widget lays out its bar again for each tab added; a painted tab widget
// repaints its whole stack each time the current tab changes. All of it makes
// showing n tabs cost n squared title shapings (19 s for 1,000 tabs in a bare
// tab widget).
//
// While this lives, painting of the tab widget is suspended and the widget is
// hidden (only its bar when the widget holds the keyboard focus; nothing when
// the bar holds it: hidden, they would pass the focus on and not get it back).
// The close buttons are taken away at the start (the old tabs' buttons
// would be placed again for each tab removed); at the end every tab gets its
// button at once, with the titles set aside and the tabs hidden. What is left
// of the square is Qt's: the bar places every button it has for each button
// it gives (about a microsecond a button, no title shaping), and walks all
// its tabs for each tab inserted.
class TabsBulkChange
{
public:
    explicit TabsBulkChange(QTabWidget* tabs);
    ~TabsBulkChange();
    TabsBulkChange(const TabsBulkChange&) = delete;
    TabsBulkChange& operator=(const TabsBulkChange&) = delete;

    // The titles of the present tabs are emptied, as they are about to go:
    // removing a tab lays out the others, shaping their titles. Only on a
    // hidden bar: renaming a tab of a shown bar lays it out at once.
    void emptyTitles();

    // A removed page is moved out of the tab widget's window with the others
    // removed (releaseRemoved()) and deleted later. Moved out of its window
    // alone, each would walk the window's whole focus chain.
    void discard(QWidget* page);

    // The pages removed so far leave the window in one move.
    void releaseRemoved();

    // Every 16 tabs the events posted so far are delivered and the zero
    // timers of the new pages' item views fired. Each new widget posts a
    // request to be polished, and each further request for it (a layout, a
    // resize) is compared with all events posted in the same turn; each item
    // view keeps timers that wait for the event loop, and each restart of one
    // searches all timers of the thread. Without this, a load of many tabs
    // would cost the square of its widgets.
    void tabAdded(QWidget* page);

    // The buttons on both sides of the tab at index are made empty, so that
    // the tab closes nothing (the add tab of the filter panel).
    static void emptyButtons(QTabBar* bar, int index);

private:
    static bool holdsFocus(const QWidget* widget);
    void hideKeepingPlace(QWidget* widget);
    static bool fireZeroTimers(QObject* object);
    void giveCloseButtons();
    void resumePainting();

    QPointer<QTabWidget> m_tabs;
    QPointer<QWidget> m_hidden;
    QSizePolicy m_hiddenPolicy;
    bool m_paintingSuspended;
    bool m_buttonsSuspended;
    bool m_scrollButtons;
    QList<QPointer<QWidget>> m_newPages;
    QPointer<QWidget> m_discarded;
};
