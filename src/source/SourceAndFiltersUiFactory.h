#pragma once

#include "source/SourceAndFiltersUiFactoryPlugin.h"
#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QMap>
#include <QSharedPointer>
#include <QString>

class AlarmScreenConfiguration;

// Builds the host's source-and-filters panel as the configuration says:
// none, the built-in one, or a plug-in's, found by name in the "plugins"
// folder under the platform's bin folders and loaded once per process.
class QVAS_EXPORT SourceAndFiltersUiFactory : public MsgLoggingProducer
{
public:
    using PluginMap = QMap<QString, QSharedPointer<SourceAndFiltersUiFactoryPlugin>>;

    explicit SourceAndFiltersUiFactory(const MsgLoggingProducer* parent);

    // The caller owns the results.
    SourceAndFiltersUi* create(const AlarmScreenConfiguration& config, QWidget* parent);
    QWidget* buildStructuredFilterPageUi(const AlarmScreenConfiguration& config, QStringList& list);

    // Every name tried in this process, with its plug-in (null when it failed).
    static PluginMap& getAllPlugins();

    QSharedPointer<SourceAndFiltersUiFactoryPlugin> loadPlugin(const QString& name);
    QSharedPointer<SourceAndFiltersUiFactoryPlugin> loadPluginInBinDir(const QString& binDir, const QString& name);

private:
    // The plug-in of name, loaded on first use; null when it is not to be had.
    QSharedPointer<SourceAndFiltersUiFactoryPlugin> findPlugin(const QString& name);
};
