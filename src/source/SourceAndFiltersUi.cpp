#include "source/SourceAndFiltersUi.h"

#include "patterns/QuickFilterEditor.h"
#include "source/SourceUi.h"

#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/WildcardConfig.h>

SourceAndFiltersUi::SourceAndFiltersUi(const AlarmScreenConfiguration& config, QWidget* parent)
    : QWidget(parent)
    , MsgLoggingProducer(&config)
    , m_sourceUi(nullptr)
    , m_structuredFilterUi(nullptr)
    , m_quickFilterEditor(nullptr)
    , m_timeSpec(Qt::LocalTime)
    , m_containerFlag(false)
{
}

SourceAndFiltersUi::~SourceAndFiltersUi() = default;

void SourceAndFiltersUi::setSourceUi(SourceUi* sourceUi)
{
    if (m_sourceUi)
        m_sourceUi->deleteLater();
    m_sourceUi = sourceUi;
    if (!m_sourceUi)
        return;
    connect(m_sourceUi, SIGNAL(changed()), this, SIGNAL(structuredFilterChanged()));
    connect(m_sourceUi, SIGNAL(apply()), this, SLOT(applyFilterRequest()));
    connect(m_sourceUi, SIGNAL(abortQuery()), this, SIGNAL(abortQuery()));
}

void SourceAndFiltersUi::setStructuredFilterUI(StructuredFilterUi* structuredFilterUi)
{
    if (m_structuredFilterUi)
        m_structuredFilterUi->deleteLater();
    m_structuredFilterUi = structuredFilterUi;
    if (!m_structuredFilterUi)
        return;
    connect(m_structuredFilterUi, SIGNAL(structuredFilterChanged()), this, SIGNAL(structuredFilterChanged()));
    connect(m_structuredFilterUi, SIGNAL(applyStructuredFilter(const SourceAndFilter&, int)), this,
            SLOT(requestToApplyStructuredFilter(const SourceAndFilter&, int)));
    connect(m_structuredFilterUi, SIGNAL(filterActionRequested(const QString&)), this,
            SIGNAL(filterActionRequested(const QString&)));
}

void SourceAndFiltersUi::setQuickFilterEditor(QuickFilterEditor* editor)
{
    m_quickFilterEditor = editor;
    if (m_quickFilterEditor) {
        connect(m_quickFilterEditor, SIGNAL(filterModified(const QuickCellFilter&)), this,
                SIGNAL(quickFilterChanged(const QuickCellFilter&)));
    }
}

bool SourceAndFiltersUi::isOldMetadaVisible() const
{
    return false;
}

void SourceAndFiltersUi::adjustForMode(Constants::SourceMode)
{
}

QString SourceAndFiltersUi::prepareArchiveMode(const QDateTime& start, const QDateTime& end,
                                               const QStringList& systems)
{
    if (m_sourceUi)
        return m_sourceUi->prepareArchiveMode(start, end, systems);
    return tr("as EWO doesn't contains source control, archive mode can't be set");
}

void SourceAndFiltersUi::prepareOnlineMode()
{
    if (m_sourceUi)
        m_sourceUi->prepareOnlineMode();
}

void SourceAndFiltersUi::displaySourceState(Constants::SourceState state)
{
    if (m_sourceUi)
        m_sourceUi->displaySourceState(state);
}

void SourceAndFiltersUi::displaySourceCounts(unsigned int totalRead, unsigned int matching)
{
    if (m_sourceUi)
        m_sourceUi->displaySourceCounts(totalRead, matching);
}

Qt::TimeSpec SourceAndFiltersUi::getTimeSpec() const
{
    return m_timeSpec;
}

void SourceAndFiltersUi::setTimeSpec(Qt::TimeSpec spec)
{
    m_timeSpec = spec;
    if (m_sourceUi)
        m_sourceUi->setTimeSpec(spec);
}

void SourceAndFiltersUi::connectedSystemsChanged(const QStringList& systems)
{
    if (m_sourceUi)
        m_sourceUi->connectedSystemsChanged(systems);
    if (m_structuredFilterUi)
        m_structuredFilterUi->connectedSystemsChanged(systems);
}

void SourceAndFiltersUi::setFixedDpNames(const QStringList& names)
{
    // The very list held already is not copied again; the filter is applied anew either way.
    if (!names.isSharedWith(m_fixedDpNames))
        m_fixedDpNames = names;
    applyFilterRequest();
}

bool SourceAndFiltersUi::isUseDefaultFilter() const
{
    return m_structuredFilterUi ? m_structuredFilterUi->isUseDefaultFilter() : false;
}

void SourceAndFiltersUi::setUseDefaultFilter(bool use)
{
    if (m_structuredFilterUi)
        m_structuredFilterUi->setUseDefaultFilter(use);
}

SourceAndFilter SourceAndFiltersUi::getFilter() const
{
    SourceAndFilter result(this, QString());
    if (m_structuredFilterUi) {
        const SourceAndFilter edited = m_structuredFilterUi->getFilter();
        result.setRuleContainer(edited.getRuleContainer());
        result.setSourceMode(edited.getSourceMode());
        result.setTimeRange(edited.getTimeRange());
        result.setSystems(edited.getSystems());
        result.setDpNames(edited.getDpNames());
        result.setFixedDpSource(edited.isFixedDpSource());
    } else {
        const WildcardConfig wildcard(this);
        result.setRuleContainer(QSharedPointer<FilterRuleContainer>(
            new FilterRuleContainer(wildcard, QList<FilterRuleSet>(), m_containerFlag)));
    }
    if (m_sourceUi)
        m_sourceUi->addToFilter(result);
    if (result.getSystems().isEmpty() && !m_fixedDpNames.isEmpty()) {
        result.setFixedDpSource(true);
        result.setDpNames(m_fixedDpNames);
    }
    return result;
}

SourceAndFilter SourceAndFiltersUi::getDefaultFilter() const
{
    if (m_structuredFilterUi)
        return m_structuredFilterUi->getDefaultFilter();
    return SourceAndFilter(this, QString());
}

void SourceAndFiltersUi::setDefaultFilter(const SourceAndFilter& filter, UserSettings::DefaultFilterAction action)
{
    if (m_structuredFilterUi)
        m_structuredFilterUi->setDefaultFilter(filter, action);
}

WFilter::FilterDisplayResult SourceAndFiltersUi::displayFilter(const SourceAndFilter& filter,
                                                               StructuredFilterUi::FilterType type, QString& error)
{
    if (m_structuredFilterUi)
        return m_structuredFilterUi->displayFilter(filter, type, error);
    if (filter.isEmpty())
        return WFilter::FilterNotDisplayed;
    error = tr("there is no editor to display content of structured filter");
    return WFilter::FilterDisplayError;
}

void SourceAndFiltersUi::compareWithFilter(const SourceAndFilter& filter, bool flag)
{
    if (m_sourceUi)
        m_sourceUi->compareWithFilter(filter, flag);
    if (m_structuredFilterUi)
        m_structuredFilterUi->compareWithFilter(filter, flag);
    const bool same = getFilter().isEqual(filter);
    if (m_sourceUi)
        m_sourceUi->displayFilterModified(same);
    if (m_structuredFilterUi)
        m_structuredFilterUi->displayFilterModified(same);
}

void SourceAndFiltersUi::setAppliedQuickFilter(const QuickCellFilter& filter)
{
    if (m_quickFilterEditor)
        m_quickFilterEditor->setAppliedFilter(filter);
}

void SourceAndFiltersUi::clearQuickFilter()
{
    if (m_quickFilterEditor)
        m_quickFilterEditor->clear();
}

void SourceAndFiltersUi::applyFilterRequest()
{
    emit applyStructuredFilter(getFilter(), StructuredFilterUi::EditorFilter);
}

void SourceAndFiltersUi::requestToApplyStructuredFilter(const SourceAndFilter& filters, int type)
{
    if (m_sourceUi)
        m_sourceUi->addToFilter(filters);
    emit applyStructuredFilter(filters, type);
}
