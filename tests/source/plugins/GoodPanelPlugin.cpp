// A panel plug-in as the factory expects one.
#include <source/BasicSourceAndFiltersUi.h>
#include <source/SourceAndFiltersUiFactoryPlugin.h>

#include <QLabel>

class GoodPanelPlugin : public QObject, public SourceAndFiltersUiFactoryPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SourceAndFiltersUiFactoryPlugin_iid)
    Q_INTERFACES(SourceAndFiltersUiFactoryPlugin)
public:
    SourceAndFiltersUi* create(const AlarmScreenConfiguration& config, QWidget* parent) override
    {
        auto* panel = new BasicSourceAndFiltersUi(config, parent);
        panel->setObjectName(QStringLiteral("goodPanel"));
        return panel;
    }
    QWidget* buildStructuredFilterPageUi(const AlarmScreenConfiguration&, QStringList& list) override
    {
        list << QStringLiteral("ALERT_TEXT");
        return new QLabel(QStringLiteral("page"));
    }
};

#include "GoodPanelPlugin.moc"
