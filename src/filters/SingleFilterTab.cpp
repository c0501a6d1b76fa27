#include "filters/SingleFilterTab.h"

#include "patterns/CompletionSource.h"
#include "source/SourceAndFiltersUiFactory.h"
#include "ui_SingleFilterTab.h"

#include <filtervalues/WildcardConfig.h>
#include <logging/MsgLoggingMessage.h>

SingleFilterTab::SingleFilterTab(const MsgLoggingProducer* logParent, unsigned int number, QWidget* parent)
    : QWidget(parent)
    , MsgLoggingProducer(logParent)
    , ui(new Ui_SingleFilterTab)
    , m_number(number)
{
    ui->setupUi(this);
    connect(ui->radioButtonInclude, SIGNAL(toggled(bool)), this, SLOT(exclusivityChanged()));
}

SingleFilterTab::~SingleFilterTab()
{
    delete ui;
}

QList<WFilter*> SingleFilterTab::filterWidgets() const
{
    return findChildren<WFilter*>();
}

void SingleFilterTab::configure(const AlarmScreenConfiguration& config,
                                QSharedPointer<CompletionSource>& completionSource, QStringList& completionProperties)
{
    m_completionSource = completionSource;
    SourceAndFiltersUiFactory factory(this);
    QWidget* page = factory.buildStructuredFilterPageUi(config, completionProperties);
    if (!page)
        return;
    page->setParent(ui->filtersContainer);
    ui->filtersContainer->layout()->addWidget(page);
    for (WFilter* widget : filterWidgets())
        connect(widget, SIGNAL(filterChanged()), this, SIGNAL(filterChanged()));
}

QString SingleFilterTab::getName() const
{
    // The two words are not translated.
    return tr("Filter #%1: %2")
        .arg(m_number)
        .arg(ui->radioButtonInclude->isChecked() ? QStringLiteral("Include") : QStringLiteral("Exclude"));
}

FilterRuleSet SingleFilterTab::getFilterSet(bool matchCase) const
{
    FilterRuleSet set(WildcardConfig(this), ui->radioButtonInclude->isChecked(), matchCase);
    for (WFilter* widget : filterWidgets()) {
        const QSharedPointer<ValueFilter> filter = widget->getFilter(matchCase);
        if (filter)
            set.addValueFilter(filter);
    }
    return set;
}

WFilter::FilterDisplayResult SingleFilterTab::displayRuleSet(const FilterRuleSet& ruleSet, bool matchCase,
                                                             QString& errMsg)
{
    const QList<WFilter*> widgets = filterWidgets();
    int displayed = 0;
    for (const QSharedPointer<ValueFilter>& filter : ruleSet.getValueFilters()) {
        bool taken = false;
        for (WFilter* widget : widgets) {
            if (widget->getColumnId() != filter->getValueId() || widget->getSource() != filter->getSource())
                continue;
            QString widgetError;
            if (widget->setFilter(filter, matchCase, widgetError)) {
                taken = true;
                break;
            }
            if (!widgetError.isEmpty()) {
                errMsg = QStringLiteral("error displaying filter for '%1': %2").arg(filter->getValueId(), widgetError);
                return WFilter::FilterDisplayError;
            }
        }
        if (taken)
            ++displayed;
        else
            MSG_LOG(this, MsgLoggerEnums::LogWarning)
                << "No widget found to display filter [" << filter->toString() << "]";
    }
    if (ruleSet.isInclude())
        ui->radioButtonInclude->setChecked(true);
    else
        ui->radioButtonExclude->setChecked(true);
    const int count = ruleSet.getValueFilters().size();
    if (displayed == count)
        return WFilter::FilterDisplayed;
    return displayed > 0 ? WFilter::FilterPartlyDisplayed : WFilter::FilterNotDisplayed;
}

void SingleFilterTab::setMatchCase(bool matchCase)
{
    for (WFilter* widget : filterWidgets())
        widget->setMatchCase(matchCase);
}

void SingleFilterTab::completionsReady(const QSharedPointer<FilterCompletions>& completions,
                                       const QStringList& systems)
{
    // A host may pass none: no completions, nothing to route.
    if (!completions)
        return;
    const QList<WFilter*> widgets = filterWidgets();
    WFilter* target = nullptr;
    for (WFilter* widget : widgets) {
        if (widget->getColumnId() == completions->getProperty()) {
            target = widget;
            break;
        }
    }
    if (!target)
        return;
    switch (completions->getType()) {
    case FilterCompletions::TypePerSystem:
        target->setCompletionStrings(completions->getCompletionsForSystems(systems));
        break;
    case FilterCompletions::TypeDependsOnFilters:
        if (!completions->getCompletionList().isEmpty()) {
            target->setCompletionStrings(completions->getCompletionList());
            break;
        }
        // The announcement of the dependency: track the texts of the properties depended on.
        for (WFilter* widget : widgets) {
            for (const QString& property : completions->getDependencies()) {
                if (widget->getColumnId() != property || m_filterTexts.contains(property))
                    continue;
                m_filterTexts.insert(property, QString());
                connect(widget, SIGNAL(filterTextChanged(const QString&, const QString&)), this,
                        SLOT(filterTextChanged(const QString&, const QString&)));
            }
        }
        break;
    default:
        target->setCompletionStrings(completions->getCompletionList());
        break;
    }
}

void SingleFilterTab::exclusivityChanged()
{
    emit newName(this, getName());
}

void SingleFilterTab::filterTextChanged(QString propName, QString filterValue)
{
    if (!m_completionSource || !m_filterTexts.contains(propName))
        return;
    m_filterTexts.insert(propName, filterValue);
    m_completionSource->filterChanged(this, propName, m_filterTexts);
}
