#include "DemoCounterBar.h"

#include <statistics/FilterStatisticsWidget.h>

#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/ValueFilterText.h>

#include <QHBoxLayout>
#include <QLabel>

DemoCounterBar::DemoCounterBar(const QSharedPointer<AlarmsModel>& model, const WildcardConfig& wildcard,
                               const QStringList& systems, MsgLoggingProducer* producer, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_wildcard(wildcard)
{
    setObjectName(QStringLiteral("counters"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(new QLabel(tr("Counters:")));
    addCounter(QStringLiteral("unack"), tr("Unacknowledged"), QStringLiteral("ACK_STATE"),
               ValueFilterTextItem::MatchExact, QStringLiteral("unacknowledged"), producer);
    addCounter(QStringLiteral("prio80"), tr("Priority \u2265 80"), QStringLiteral("PRIORITY"),
               ValueFilterTextItem::MatchRegExp, QStringLiteral("^(8|9)\\d$"), producer);
    for (const QString& system : systems)
        addCounter(system, system, QStringLiteral("SYSTEM"), ValueFilterTextItem::MatchExact, system, producer);
    layout->addStretch(1);
}

void DemoCounterBar::addCounter(const QString& id, const QString& name, const QString& property, int method,
                                const QString& pattern, MsgLoggingProducer* producer)
{
    QSharedPointer<ValueFilterText> text(
        new ValueFilterText(m_wildcard, property, Constants::ValueSourceAlarm, false));
    text->addItem(pattern, method, false);
    FilterRuleSet set(m_wildcard, true, false);
    set.addValueFilter(text);
    SourceAndFilter filter(new FilterRuleContainer(m_wildcard, {set}, false), name);

    auto* counter = new FilterStatisticsWidget(producer, this);
    counter->setObjectName(QStringLiteral("counter_") + id);
    counter->setFilterDpName(QStringLiteral("DemoCounters.") + id);
    // A white plate keeps the text readable on every colour of the blinking background.
    counter->setTextTemplate(QStringLiteral("<span style=\"background-color:white; color:black\">&nbsp;%name%: "
                                            "<b>%count%</b>&nbsp;</span>"));
    counter->setTooTipTemplate(
        tr("%count% alarms, %unack% unacknowledged, %went% gone, highest priority %maxPrio%\nClick to apply this filter"));
    counter->setBackColorSource(FilterViewItemConfiguration::ColorByAlarmState);
    counter->setSelectedLineColor(QStringLiteral("WarningBg"));
    counter->setModel(m_model);
    counter->setFilter(id, filter);
    counter->setMinimumWidth(110);
    connect(counter, SIGNAL(mouseClicked(FilterStatisticsWidget*, int)), this,
            SLOT(counterClicked(FilterStatisticsWidget*, int)));
    layout()->addWidget(counter);
    m_counters.append(counter);
}

void DemoCounterBar::counterClicked(FilterStatisticsWidget* source, int button)
{
    if (button == Qt::LeftButton)
        emit filterChosen(source->getSourceAndFilter());
}

void DemoCounterBar::compareWithApplied(const SourceAndFilter& applied)
{
    for (FilterStatisticsWidget* counter : qAsConst(m_counters))
        counter->compareWithCurrentFilter(applied);
}
