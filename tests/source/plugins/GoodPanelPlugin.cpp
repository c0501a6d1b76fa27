// A panel plug-in as the factory expects one. Its filter set pages hold a
// widget that passes every filter on, a text rule list for the alarm text,
// one for the datapoint and one that fails on every filter of "BROKEN".
#include <filters/WEditFilterRuleText.h>
#include <source/BasicSourceAndFiltersUi.h>
#include <source/SourceAndFiltersUiFactoryPlugin.h>

#include <configuration/AlarmScreenConfiguration.h>

#include <QVBoxLayout>

namespace {

class TextRules : public WEditFilterRuleText
{
    Q_OBJECT
public:
    using WEditFilterRuleText::WEditFilterRuleText;
    void setCompletionStrings(const QStringList& completions) override { setProperty("completions", completions); }
public slots:
    void setMatchCase(bool matchCase) override { setProperty("matchCase", matchCase); }
};

// Answers every filter with false and no message, as a widget of another kind does.
class PassingFilter : public WFilter
{
    Q_OBJECT
public:
    using WFilter::WFilter;
    QSharedPointer<ValueFilter> getFilter(bool) override { return QSharedPointer<ValueFilter>(); }
    void setCompletionStrings(const QStringList& completions) override { setProperty("completions", completions); }
    bool setFilter(const QSharedPointer<ValueFilter>&, bool, QString&) override
    {
        setProperty("offered", property("offered").toInt() + 1);
        return false;
    }
public slots:
    void setMatchCase(bool) override {}
};

class FailingFilter : public PassingFilter
{
    Q_OBJECT
public:
    using PassingFilter::PassingFilter;
    bool setFilter(const QSharedPointer<ValueFilter>&, bool, QString& errMsg) override
    {
        errMsg = QStringLiteral("cannot show it");
        return false;
    }
};

} // namespace

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
    QWidget* buildStructuredFilterPageUi(const AlarmScreenConfiguration& config, QStringList& list) override
    {
        const WildcardConfig& wc = config.getWildcardConfig();
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("page"));
        auto* layout = new QVBoxLayout(page);
        auto* passing = new PassingFilter(wc, "ALERT_TEXT", Constants::ValueSourceAlarm, page);
        passing->setObjectName("passing");
        layout->addWidget(passing);
        layout->addWidget(new TextRules(wc, "ALERT_TEXT", Constants::ValueSourceAlarm, page));
        layout->addWidget(new TextRules(wc, "DPE", Constants::ValueSourceAlarm, page));
        layout->addWidget(new FailingFilter(wc, "BROKEN", Constants::ValueSourceAlarm, page));
        list << QStringLiteral("ALERT_TEXT") << QStringLiteral("DPE");
        return page;
    }
};

#include "GoodPanelPlugin.moc"
