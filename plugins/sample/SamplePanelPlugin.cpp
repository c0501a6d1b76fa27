#include "SamplePanelPlugin.h"

#include "SampleColumnsPage.h"
#include "SamplePanel.h"
#include "SampleTextRules.h"

#include <configuration/AlarmScreenConfiguration.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

SourceAndFiltersUi* SamplePanelPlugin::create(const AlarmScreenConfiguration& config, QWidget* parent)
{
    return new SamplePanel(config, parent);
}

QWidget* SamplePanelPlugin::buildStructuredFilterPageUi(const AlarmScreenConfiguration& config, QStringList& list)
{
    // One text rule list a column; all three want completion strings (the
    // alarm texts depend on the datapoints typed).
    struct Column
    {
        const char* property;
        const char* title;
    };
    const Column columns[] = {{"DPE", "Datapoint"}, {"ALERT_TEXT", "Alarm text"}, {"PRIORITY", "Priority"}};
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 2, 0, 0);
    for (const Column& column : columns) {
        auto* box = new QGroupBox(QObject::tr(column.title), page);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(2, 2, 2, 2);
        auto* rules = new SampleTextRules(config.getWildcardConfig(), QLatin1String(column.property),
                                          Constants::ValueSourceAlarm, box);
        rules->setObjectName(QLatin1String(column.property));
        boxLayout->addWidget(rules);
        layout->addWidget(box);
        list << QLatin1String(column.property);
    }
    // The other widget kinds on a second page.
    auto* pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("filterPages"));
    pages->setDocumentMode(true);
    pages->addTab(page, QObject::tr("Texts"));
    pages->addTab(new SampleColumnsPage(config, list, nullptr), QObject::tr("Columns"));
    return pages;
}
