#include <filters/WEditFilterRuleText.h>
#include <source/SourceAndFiltersUi.h>
#include <source/SourceAndFiltersUiFactory.h>

#include <configuration/AlarmScreenConfiguration.h>
#include <environment/Resources.h>

#include <filtervalues/ValueFilterText.h>

#include <QApplication>
#include <QTextStream>

class ConsumerTextRules : public WEditFilterRuleText
{
    Q_OBJECT
public:
    using WEditFilterRuleText::WEditFilterRuleText;
public slots:
    void setMatchCase(bool) override {}
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    WildcardConfig config;
    ConsumerTextRules widget(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm, nullptr);
    QSharedPointer<ValueFilterText> shown(
        new ValueFilterText(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm, false));
    shown->addItem(QStringLiteral("Valve"), 0, false);
    QString errMsg;
    if (!widget.setFilter(shown, false, errMsg))
        return 1;
    const QSharedPointer<ValueFilter> back = widget.getFilter(false);
    if (!back)
        return 2;
    QTextStream(stdout) << "consumer: " << back->toString() << Qt::endl;

    // The sample panel plug-in, built by this project against the package,
    // found under the bin folder of the one platform path.
    Resources::pathes_.setPathes({QStringLiteral(CONSUMER_PROJECT_DIR)});
    AlarmScreenConfiguration screen;
    screen.filterWidgetConfiguration().panelPlugin = QStringLiteral("qvasSamplePanel");
    SourceAndFiltersUiFactory factory(&screen);
    QScopedPointer<SourceAndFiltersUi> panel(factory.create(screen, nullptr));
    QStringList properties;
    QScopedPointer<QWidget> page(factory.buildStructuredFilterPageUi(screen, properties));
    if (!panel || !page)
        return 3;
    QTextStream(stdout) << "consumer panel: " << panel->objectName() << " page for " << properties.join(',')
                        << Qt::endl;
    return 0;
}

#include "main.moc"
