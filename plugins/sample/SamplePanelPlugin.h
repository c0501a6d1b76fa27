#pragma once

#include <source/SourceAndFiltersUiFactoryPlugin.h>

#include <QObject>

// The plug-in instance the alarm screen loads: it builds the sample panel
// and the pages of the structured filter tabs.
class SamplePanelPlugin : public QObject, public SourceAndFiltersUiFactoryPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SourceAndFiltersUiFactoryPlugin_iid)
    Q_INTERFACES(SourceAndFiltersUiFactoryPlugin)
public:
    // Installs the plug-in's translation for the application's locale.
    SamplePanelPlugin();
    SourceAndFiltersUi* create(const AlarmScreenConfiguration& config, QWidget* parent) override;
    QWidget* buildStructuredFilterPageUi(const AlarmScreenConfiguration& config, QStringList& list) override;
};
