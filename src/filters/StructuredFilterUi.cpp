#include "filters/StructuredFilterUi.h"

#include "patterns/CompletionSource.h"

#include <filtervalues/FilterRuleContainer.h>
#include <logging/MsgLoggingMessage.h>
#include <filtervalues/WildcardConfig.h>

namespace {
// A copy of container, null for none.
QSharedPointer<FilterRuleContainer> copyOf(const QSharedPointer<FilterRuleContainer>& container)
{
    return container ? QSharedPointer<FilterRuleContainer>(new FilterRuleContainer(*container))
                     : QSharedPointer<FilterRuleContainer>();
}
} // namespace

StructuredFilterUi::StructuredFilterUi(const AlarmScreenConfiguration& config, QWidget* parent)
    : QWidget(parent)
    , MsgLoggingProducer(&config)
    , ActionAccessUser(new ActionAccess)
    , m_config(config)
    , m_completionSource(CompletionSource::getInstance(this, config.getFilterWidgetConfiguration()))
    , m_basicFilter(&config, QString())
    , m_defaultFilter(&config, QString())
    , m_useDefaultFilter(false)
    , m_matchCase(false)
    , m_mayApplySettings(false)
{
    qRegisterMetaType<SourceAndFilter>("SourceAndFilter");
    if (m_completionSource) {
        connect(m_completionSource.data(), SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)), this,
                SLOT(completionsReady(void*, QSharedPointer<FilterCompletions>)));
    }
}

StructuredFilterUi::~StructuredFilterUi() = default;

bool StructuredFilterUi::isUseDefaultFilter() const
{
    return m_useDefaultFilter;
}

void StructuredFilterUi::setUseDefaultFilter(bool use)
{
    m_useDefaultFilter = use;
}

SourceAndFilter StructuredFilterUi::getDefaultFilter() const
{
    SourceAndFilter result(new FilterRuleContainer(WildcardConfig(this), QList<FilterRuleSet>(), m_matchCase),
                           QString());
    const QSharedPointer<FilterRuleContainer> container =
        (isUseDefaultFilter() ? m_defaultFilter : m_basicFilter).getRuleContainer();
    if (container)
        result.setRuleContainer(copyOf(container));
    return result;
}

void StructuredFilterUi::setDefaultFilter(const SourceAndFilter& filter, UserSettings::DefaultFilterAction action)
{
    const SourceAndFilter current = getFilter();
    switch (int(action)) {
    case 0:
        m_useDefaultFilter = true;
        break;
    case 1:
        m_useDefaultFilter = false;
        m_defaultFilter.setRuleContainer(QSharedPointer<FilterRuleContainer>());
        break;
    case 2: {
        m_useDefaultFilter = true;
        m_defaultFilter.setRuleContainer(copyOf(filter.getRuleContainer()));
        if (!filter.isFilterEqual(current))
            showDefaultFilter();
        break;
    }
    case 3:
        m_useDefaultFilter = true;
        m_defaultFilter.setRuleContainer(QSharedPointer<FilterRuleContainer>());
        if (!current.isEmpty())
            showDefaultFilter();
        break;
    default:
        break;
    }
}

void StructuredFilterUi::showDefaultFilter()
{
    QString errMsg;
    if (displayFilter(getDefaultFilter(), DefaultFilter, errMsg) != WFilter::FilterDisplayed)
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "error applying default filter: " << errMsg;
}

bool StructuredFilterUi::mayApplySettings() const
{
    return m_mayApplySettings;
}

void StructuredFilterUi::setMayApplySettings(bool may)
{
    m_mayApplySettings = may;
}

void StructuredFilterUi::setMatchCase(bool matchCase)
{
    if (matchCase == m_matchCase)
        return;
    m_matchCase = matchCase;
    for (WFilter* filter : findChildren<WFilter*>())
        filter->setMatchCase(matchCase);
    emit structuredFilterChanged();
}

void StructuredFilterUi::clearFilterToDefault()
{
    QString errMsg;
    displayFilter(getDefaultFilter(), DefaultFilter, errMsg);
}

void StructuredFilterUi::clearFilterToBasic()
{
    QString errMsg;
    displayFilter(SourceAndFilter(this, QString()), BasicFilter, errMsg);
}

void StructuredFilterUi::completionsReady(void* consumer, const QSharedPointer<FilterCompletions>& completions)
{
    processNewCompletions(consumer, completions);
}
