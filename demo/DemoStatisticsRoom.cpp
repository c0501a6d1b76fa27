#include "DemoStatisticsRoom.h"

#include "DemoCounterBar.h"
#include "DemoStatisticsArea.h"

#include <statistics/FilterStatisticsWidget.h>

#include <QHBoxLayout>

DemoStatisticsRoom::DemoStatisticsRoom(const QSharedPointer<AlarmsModel>& model, const WildcardConfig& wildcard,
                                       const QStringList& systems, MsgLoggingProducer* producer, QWidget* parent)
    : QWidget(parent)
    , m_counters(new DemoCounterBar(model, wildcard, systems, producer))
    , m_statistics(new DemoStatisticsArea(model, wildcard))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_counters, 0, Qt::AlignTop);
    layout->addWidget(m_statistics, 1);
    // As high as a row of two-line counters with their tab bar: the table
    // below takes the rest.
    setMaximumHeight(fontMetrics().height() * 5);
    connect(m_counters, SIGNAL(filterChosen(const SourceAndFilter&)), this,
            SIGNAL(filterChosen(const SourceAndFilter&)));
    connect(m_statistics, SIGNAL(filterChosen(const SourceAndFilter&)), this,
            SIGNAL(filterChosen(const SourceAndFilter&)));
}

void DemoStatisticsRoom::compareWithApplied(const SourceAndFilter& applied)
{
    m_counters->compareWithApplied(applied);
    m_statistics->compareWithApplied(applied);
}

bool DemoStatisticsRoom::clickCounter(const QString& id)
{
    for (FilterStatisticsWidget* counter : m_counters->counters()) {
        if (counter->objectName() == QStringLiteral("counter_") + id) {
            emit counter->mouseClicked(counter, Qt::LeftButton);
            return true;
        }
    }
    return false;
}
