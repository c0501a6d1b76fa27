#include "SamplePanelPlugin.h"

#include "SampleColumnsPage.h"
#include "SamplePanel.h"
#include "SampleTextRules.h"

#include <Qvas.h>
#include <configuration/AlarmScreenConfiguration.h>
#include <patterns/ExpandingStringPatternEdit.h>
#include <patterns/StringPatternEditor.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A pattern list editor above the text rule list of the datapoint and
// alarm text columns: one line for datapoints, a text area that expands
// over the page for alarm texts. Both take the column's completions.
WFilter* createPatternEditor(const WildcardConfig& wildcard, const QString& property, QWidget* parent)
{
    WFilter* editor = nullptr;
    if (property == QLatin1String("DPE")) {
        editor = new StringPatternEditor(wildcard, property, Constants::ValueSourceAlarm, parent);
    } else if (property == QLatin1String("ALERT_TEXT")) {
        auto* expanding = new ExpandingStringPatternEdit(wildcard, property, Constants::ValueSourceAlarm, parent);
        expanding->setFixedHeight(2 * expanding->fontMetrics().height() + 10);
        expanding->setMaximumExpandedSize(QSize(640, 240));
        editor = expanding;
    }
    if (editor) {
        editor->setObjectName(property + QStringLiteral("_patterns"));
        editor->setToolTip(QObject::tr("Patterns separated by ';', '%1' for any text").arg(wildcard.matchAllChar));
    }
    return editor;
}

} // namespace

SamplePanelPlugin::SamplePanelPlugin()
{
    // The host has set the locale by now (QLocale::setDefault); the texts
    // of this plug-in are built into it as a resource.
    Qvas::installTranslator(QLocale(), QStringLiteral("qvas-sample"));
}

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
    const Column columns[] = {{"DPE", QT_TRANSLATE_NOOP("QObject", "Datapoint")},
                              {"ALERT_TEXT", QT_TRANSLATE_NOOP("QObject", "Alarm text")},
                              {"PRIORITY", QT_TRANSLATE_NOOP("QObject", "Priority")}};
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 2, 0, 0);
    for (const Column& column : columns) {
        auto* box = new QGroupBox(QObject::tr(column.title), page);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(2, 2, 2, 2);
        if (WFilter* patterns = createPatternEditor(config.getWildcardConfig(), QLatin1String(column.property), box))
            boxLayout->addWidget(patterns);
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
