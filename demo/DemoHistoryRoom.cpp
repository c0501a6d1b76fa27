#include "DemoHistoryRoom.h"

#include "DemoArchiveQuery.h"

#include <source/QueryStateDisplay.h>

#include <filtervalues/SourceAndFilter.h>

#include <QToolButton>

DemoHistoryRoom::DemoHistoryRoom(const DemoAlarmData& data, DemoAlarmSimulator* simulator,
                                 const QSharedPointer<AlarmsModel>& archive, QObject* parent)
    : QObject(parent)
    , m_query(new DemoArchiveQuery(data, simulator, archive, this))
    , m_button(new QToolButton)
    // The popup goes with the button, wherever the caller places it.
    , m_display(new QueryStateDisplay(m_button))
{
    m_query->setStateDisplay(m_display);
    connect(m_display, SIGNAL(abortQuery()), m_query, SLOT(abort()));
    m_button->setText(tr("Query state"));
    m_button->setToolTip(tr("State, time and counts of the archive query"));
    connect(m_button, SIGNAL(clicked()), this, SLOT(toggleQueryState()));
}

void DemoHistoryRoom::setPanel(SourceAndFiltersUi* panel)
{
    m_query->setPanel(panel);
}

void DemoHistoryRoom::start(const SourceAndFilter& filter)
{
    m_query->start(filter.getSystems(), filter.getTimeRange().getStartTime(), filter.getTimeRange().getEndTime());
}

void DemoHistoryRoom::abort()
{
    m_query->abort();
}

void DemoHistoryRoom::toggleQueryState()
{
    m_display->toggleVisibilityBelowWidget(m_button);
}
