#include "SamplePanelPlugin.h"

#include "SamplePanel.h"
#include "SampleTextRules.h"

#include <configuration/AlarmScreenConfiguration.h>

#include <QLabel>
#include <QVBoxLayout>

SourceAndFiltersUi* SamplePanelPlugin::create(const AlarmScreenConfiguration& config, QWidget* parent)
{
    return new SamplePanel(config, parent);
}

QWidget* SamplePanelPlugin::buildStructuredFilterPageUi(const AlarmScreenConfiguration& config, QStringList& list)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QObject::tr("Alarm text")));
    auto* text = new SampleTextRules(config.getWildcardConfig(), QStringLiteral("ALERT_TEXT"),
                                     Constants::ValueSourceAlarm, page);
    text->setObjectName(QStringLiteral("ALERT_TEXT"));
    layout->addWidget(text);
    // The alarm texts want completion strings.
    list << QStringLiteral("ALERT_TEXT");
    return page;
}
