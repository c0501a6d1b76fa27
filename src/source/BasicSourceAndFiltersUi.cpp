#include "source/BasicSourceAndFiltersUi.h"

#include "patterns/QuickFilterEditor.h"
#include "source/SourceUiLong.h"

#include <QVBoxLayout>

BasicSourceAndFiltersUi::BasicSourceAndFiltersUi(const AlarmScreenConfiguration& config, QWidget* parent)
    : SourceAndFiltersUi(config, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    if (config.getFilterWidgetConfiguration().sourceControl) {
        auto* sourceUi = new SourceUiLong(config, nullptr);
        sourceUi->setMayApplySettings(true);
        layout->addWidget(sourceUi);
        setSourceUi(sourceUi);
    }
    auto* editor = new QuickFilterEditor(nullptr);
    editor->setWildcardConfig(config.getWildcardConfig());
    layout->addWidget(editor);
    setQuickFilterEditor(editor);
}

QList<QWidget*> BasicSourceAndFiltersUi::getTabGroups() const
{
    return QList<QWidget*>();
}
