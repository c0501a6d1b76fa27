#include "SamplePanel.h"

#include <filters/TabbedStructuredFilterUi.h>
#include <patterns/QuickFilterEditor.h>
#include <source/SourceUiLong.h>

#include <QHBoxLayout>
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
    auto* quickRow = new QHBoxLayout;
    quickRow->addWidget(new QLabel(tr("Quick filter:")));
    auto* editor = new QuickFilterEditor(this);
    editor->setObjectName(QStringLiteral("quickFilter"));
    editor->setWildcardConfig(config.getWildcardConfig());
    quickRow->addWidget(editor, 1);
    layout->addLayout(quickRow);
    setQuickFilterEditor(editor);
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
