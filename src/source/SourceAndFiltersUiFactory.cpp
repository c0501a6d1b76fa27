#include "source/SourceAndFiltersUiFactory.h"

#include "source/BasicSourceAndFiltersUi.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <environment/FileSys.h>
#include <environment/Resources.h>
#include <logging/MsgLoggingMessage.h>

#include <QDir>
#include <QPluginLoader>

SourceAndFiltersUiFactory::SourceAndFiltersUiFactory(const MsgLoggingProducer* parent)
    : MsgLoggingProducer(parent)
{
}

SourceAndFiltersUiFactory::PluginMap& SourceAndFiltersUiFactory::getAllPlugins()
{
    static PluginMap allPlugins;
    return allPlugins;
}

QSharedPointer<SourceAndFiltersUiFactoryPlugin> SourceAndFiltersUiFactory::findPlugin(const QString& name)
{
    PluginMap& plugins = getAllPlugins();
    auto it = plugins.find(name);
    if (it == plugins.end())
        it = plugins.insert(name, loadPlugin(name));
    return it.value();
}

SourceAndFiltersUi* SourceAndFiltersUiFactory::create(const AlarmScreenConfiguration& config, QWidget* parent)
{
    const FilterWidgetConfiguration& widgets = config.getFilterWidgetConfiguration();
    if (widgets.noPanel)
        return nullptr;
    if (widgets.panelPlugin.isEmpty())
        return new BasicSourceAndFiltersUi(config, parent);
    const QSharedPointer<SourceAndFiltersUiFactoryPlugin> plugin = findPlugin(widgets.panelPlugin);
    if (!plugin) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "No plugin found/loaded: " << widgets.panelPlugin;
        return nullptr;
    }
    return plugin->create(config, parent);
}

QWidget* SourceAndFiltersUiFactory::buildStructuredFilterPageUi(const AlarmScreenConfiguration& config,
                                                                QStringList& list)
{
    const FilterWidgetConfiguration& widgets = config.getFilterWidgetConfiguration();
    if (widgets.noPanel)
        return nullptr;
    if (widgets.panelPlugin.isEmpty())
        return new BasicSourceAndFiltersUi(config, nullptr);
    const QSharedPointer<SourceAndFiltersUiFactoryPlugin> plugin = findPlugin(widgets.panelPlugin);
    if (!plugin) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "No plugin found/loaded: " << widgets.panelPlugin;
        return nullptr;
    }
    return plugin->buildStructuredFilterPageUi(config, list);
}

QSharedPointer<SourceAndFiltersUiFactoryPlugin> SourceAndFiltersUiFactory::loadPlugin(const QString& name)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "loading plugin " << name;
    const int count = Resources::pathes_.getNumberOfPathes();
    // The later a path stands in the list, the earlier it is tried.
    for (int i = 1; i <= count; ++i) {
        const CharString dir = Resources::pathes_.getPath(count - i) + "bin" + FileSys::PATH_CHAR;
        const QString binDir = dir.toQString();
        const QSharedPointer<SourceAndFiltersUiFactoryPlugin> plugin = loadPluginInBinDir(binDir, name);
        if (plugin) {
            MSG_LOG(this, MsgLoggerEnums::LogTrace) << "plugin " << name << " has been loaded from " << binDir;
            return plugin;
        }
    }
    MSG_LOG(this, MsgLoggerEnums::LogWarning)
        << "Plugin for building source & filters UI (" << name << ") is not loaded";
    return QSharedPointer<SourceAndFiltersUiFactoryPlugin>();
}

QSharedPointer<SourceAndFiltersUiFactoryPlugin> SourceAndFiltersUiFactory::loadPluginInBinDir(const QString& binDir,
                                                                                               const QString& name)
{
    QDir dir(binDir);
    if (!dir.cd(QStringLiteral("plugins"))) {
        MSG_LOG(this, MsgLoggerEnums::LogTrace) << "no plugins directory under " << binDir;
        return QSharedPointer<SourceAndFiltersUiFactoryPlugin>();
    }
    const QString fileName = name + QStringLiteral(".so");
    if (!dir.exists(fileName)) {
        MSG_LOG(this, MsgLoggerEnums::LogTrace)
            << "file " << fileName << " does not exist in " << dir.absolutePath();
        return QSharedPointer<SourceAndFiltersUiFactoryPlugin>();
    }
    const QString path = dir.absoluteFilePath(fileName);
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "trying to load " << path;
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    if (!instance) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "plugin is not loaded: " << loader.errorString();
        return QSharedPointer<SourceAndFiltersUiFactoryPlugin>();
    }
    auto* plugin = qobject_cast<SourceAndFiltersUiFactoryPlugin*>(instance);
    if (!plugin) {
        loader.unload();
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "loaded plugin is of wrong type " << path;
        return QSharedPointer<SourceAndFiltersUiFactoryPlugin>();
    }
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "plugin loaded " << path;
    return QSharedPointer<SourceAndFiltersUiFactoryPlugin>(plugin);
}
