#include "filtervalues/SourceAndFilter.h"

#include "filtervalues/ValueFilterText.h"

#include <functional>

namespace {

// Calls visit for every text rule of container, with its filter's match-all character.
void forEachTextRule(const FilterRuleContainer* container,
                     const std::function<void(const ValueFilterTextItem&, QChar)>& visit)
{
    if (!container)
        return;
    for (const FilterRuleSet& set : container->getRuleSets()) {
        for (const QSharedPointer<ValueFilter>& filter : set.getValueFilters()) {
            const auto* text = dynamic_cast<const ValueFilterText*>(filter.data());
            if (!text)
                continue;
            for (const ValueFilterTextItem& item : text->getItems())
                visit(item, text->getWildcardConfig().matchAllChar);
        }
    }
}

} // namespace

SourceAndFilter::SourceAndFilter() = default;

SourceAndFilter::SourceAndFilter(const MsgLoggingProducer* logParent, const QString& name)
    : MsgLoggingProducer(logParent)
    , m_timeRange(logParent)
    , m_name(name)
{
}

SourceAndFilter::SourceAndFilter(FilterRuleContainer* container, const QString& name)
    : MsgLoggingProducer(container)
    , m_timeRange(container)
    , m_container(container)
    , m_name(name)
{
}

bool SourceAndFilter::isEqual(const SourceAndFilter& other) const
{
    return m_sourceMode == other.m_sourceMode && m_timeRange == other.m_timeRange && m_systems == other.m_systems
        && m_dpNames == other.m_dpNames && m_fixedDpSource == other.m_fixedDpSource && isFilterEqual(other);
}

bool SourceAndFilter::isFilterEqual(const SourceAndFilter& other) const
{
    if (isEmpty() || other.isEmpty())
        return isEmpty() && other.isEmpty();
    return m_container->isEqual(*other.m_container);
}

bool SourceAndFilter::isEmpty() const
{
    return !m_container || m_container->isEmpty();
}

QString SourceAndFilter::toString() const
{
    QString text = QStringLiteral("mode %1").arg(int(m_sourceMode));
    if (m_sourceMode != Constants::SourceModeOnline) {
        text += QStringLiteral(", range %1, systems [%2]")
                    .arg(m_timeRange.getDescription(), m_systems.join(QLatin1Char(',')));
    }
    if (m_fixedDpSource)
        text += QStringLiteral(", datapoints [%1]").arg(m_dpNames.join(QLatin1Char(',')));
    if (!isEmpty())
        text += QStringLiteral(", filter ") + m_container->toString();
    return text;
}

int SourceAndFilter::getFilterCount() const
{
    int count = 0;
    if (m_container) {
        for (const FilterRuleSet& set : m_container->getRuleSets())
            count += set.getValueFilters().size();
    }
    return count;
}

bool SourceAndFilter::isWildcardEmbeddedFilter() const
{
    bool embedded = false;
    forEachTextRule(m_container.data(), [&embedded](const ValueFilterTextItem& item, QChar matchAll) {
        embedded = embedded || (item.getMethod() == ValueFilterTextItem::MatchWildcard && item.getPattern().contains(matchAll));
    });
    return embedded;
}

bool SourceAndFilter::isWildcardFilter() const
{
    int rules = 0;
    bool allMatchAll = true;
    forEachTextRule(m_container.data(), [&rules, &allMatchAll](const ValueFilterTextItem& item, QChar matchAll) {
        ++rules;
        allMatchAll = allMatchAll && item.getPattern() == QString(matchAll);
    });
    return rules > 0 && allMatchAll;
}
