#include "SamplePanel.h"

#include "ui_SampleQuickFilterRow.h"

#include <filters/TabbedStructuredFilterUi.h>
#include <patterns/QuickFilterEditor.h>
#include <source/SourceUiLong.h>

#include <QLabel>
#include <QVBoxLayout>

SamplePanel::SamplePanel(const AlarmScreenConfiguration& config, QWidget* parent)
    : SourceAndFiltersUi(config, parent)
{
    setObjectName(QStringLiteral("samplePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    auto* title = new QLabel(tr("<b>Sources and filters</b> (sample plug-in panel)"));
    layout->addWidget(title);
    if (config.getFilterWidgetConfiguration().sourceControl) {
        auto* sourceUi = new SourceUiLong(config, nullptr);
        sourceUi->setMayApplySettings(true);
        layout->addWidget(sourceUi);
        setSourceUi(sourceUi);
    }
    // The filter sets as tabs; their pages come from this plug-in's page builder.
    auto* structured = new TabbedStructuredFilterUi(config, nullptr);
    structured->setMayApplySettings(true);
    layout->addWidget(structured, 1);
    setStructuredFilterUI(structured);
    // The quick filter row is a form made in Qt Designer with the library's
    // Designer plug-in.
    auto* quickRow = new QWidget(this);
    Ui_SampleQuickFilterRow quickUi;
    quickUi.setupUi(quickRow);
    quickUi.quickFilter->setWildcardConfig(config.getWildcardConfig());
    layout->addWidget(quickRow);
    setQuickFilterEditor(quickUi.quickFilter);
}

QList<QWidget*> SamplePanel::getTabGroups() const
{
    QList<QWidget*> groups;
    if (getSourceUi())
        groups << getSourceUi();
    if (getStructuredFilterUi())
        groups << getStructuredFilterUi()->getTabGroups();
    if (getQuickFilterEditor())
        groups << getQuickFilterEditor();
    return groups;
}
