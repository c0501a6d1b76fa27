#include "SampleColumnsPage.h"

#include "SampleAtLeastSpin.h"

#include <filters/FlowLayout.h>
#include <filters/WEditFilterRuleDate.h>
#include <filters/WEditFilterRuleNumbers.h>
#include <filters/WEditFilterRuleSingleValue.h>
#include <filters/WFixedFilterToggleButton.h>
#include <filters/WFixedMultiFilterToggle.h>

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

SampleColumnsPage::SampleColumnsPage(const AlarmScreenConfiguration& config, QStringList& completionProperties,
                                     QWidget* parent)
    : QWidget(parent)
{
    const WildcardConfig& wildcard = config.getWildcardConfig();
    const Constants::ValueSource source = Constants::ValueSourceAlarm;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->setVerticalSpacing(2);

    // The box comes first: the tab offers a stored priority rule to the
    // widgets in this order, and the box only takes its own kind of text.
    auto* atLeast = new SampleAtLeastSpin(wildcard, QStringLiteral("PRIORITY"), this);
    atLeast->setObjectName(QStringLiteral("priorityAtLeast"));
    auto* priority = new WEditFilterRuleNumbers(wildcard, QStringLiteral("PRIORITY"), source, this);
    priority->setObjectName(QStringLiteral("priorityRules"));
    auto* time = new WEditFilterRuleDate(wildcard, QStringLiteral("TIME"), source, QStringLiteral("yyyy.MM.dd hh:mm"),
                                         this);
    time->setObjectName(QStringLiteral("cameTime"));
    auto* system = new WEditFilterRuleSingleValue(wildcard, QStringLiteral("SYSTEM"), source, this);
    system->setObjectName(QStringLiteral("system"));
    completionProperties << QStringLiteral("SYSTEM");

    // Two rows, to leave the panel's height to the table.
    grid->addWidget(new QLabel(tr("Priority rules:")), 0, 0);
    grid->addWidget(priority, 0, 1);
    grid->addWidget(new QLabel(tr("priority at least")), 0, 2);
    grid->addWidget(atLeast, 0, 3);
    grid->addWidget(new QLabel(tr("System:")), 0, 4);
    grid->addWidget(system, 0, 5);
    grid->addWidget(new QLabel(tr("Came time:")), 1, 0);
    grid->addWidget(time, 1, 1, 1, 3);
    grid->addWidget(new QLabel(tr("State:")), 1, 4);
    grid->addWidget(createToggles(wildcard), 1, 5);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
}

QWidget* SampleColumnsPage::createToggles(const WildcardConfig& wildcard)
{
    auto* toggles = new QWidget(this);
    toggles->setObjectName(QStringLiteral("stateToggles"));
    auto* flow = new FlowLayout(toggles, 0, 4, 2);

    QSharedPointer<ValueFilterFixed> unacknowledged(new ValueFilterFixed(
        wildcard, QStringLiteral("ACK_STATE"), Constants::ValueSourceAlarm, false, QStringLiteral("unacknowledged")));
    auto* unackButton = new WFixedFilterToggleButton(wildcard, unacknowledged, toggles);
    unackButton->setText(tr("Unacknowledged"));
    unackButton->setToolTip(tr("Only alarms that are not acknowledged"));
    flow->addWidget(unackButton);

    // Came and went are one group: either alone narrows the table, both or
    // none show every alarm. The group's widget has no look; its buttons
    // stand in the row.
    QSharedPointer<ValueFilterFixedMulti> direction(
        new ValueFilterFixedMulti(wildcard, QStringLiteral("DIRECTION"), Constants::ValueSourceAlarm, false));
    auto* group = new WFixedMultiFilterToggle(wildcard, direction, toggles);
    group->hide();
    const QPair<QString, QString> kinds[] = {{QStringLiteral("came"), tr("Came")}, {QStringLiteral("went"), tr("Went")}};
    for (const auto& kind : kinds) {
        direction->addFixedFilter(kind.first, false);
        auto* button = new QToolButton(toggles);
        button->setObjectName(kind.first);
        button->setCheckable(true);
        button->setText(kind.second);
        group->addButton(button, kind.first);
        flow->addWidget(button);
    }
    return toggles;
}
