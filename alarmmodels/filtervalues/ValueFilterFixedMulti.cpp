#include "filtervalues/ValueFilterFixedMulti.h"

#include <QStringList>

ValueFilterFixedMulti::ValueFilterFixedMulti(const WildcardConfig& config, const QString& valueId,
                                             Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
}

ValueFilterFixedMulti::ValueFilterFixedMulti(const ValueFilterFixedMulti& other)
    : ValueFilter(other)
{
    for (const QSharedPointer<ValueFilterFixed>& filter : other.m_filters)
        m_filters.append(QSharedPointer<ValueFilterFixed>(new ValueFilterFixed(*filter)));
}

QSharedPointer<ValueFilterFixed> ValueFilterFixedMulti::addFixedFilter(const QString& kind, bool include)
{
    if (kinds().contains(kind))
        return QSharedPointer<ValueFilterFixed>();
    QSharedPointer<ValueFilterFixed> filter(
        new ValueFilterFixed(getWildcardConfig(), getValueId(), getSource(), isMatchCase(), kind, include));
    m_filters.append(filter);
    return filter;
}

QStringList ValueFilterFixedMulti::kinds() const
{
    QStringList result;
    for (const QSharedPointer<ValueFilterFixed>& filter : m_filters)
        result << filter->getKind();
    return result;
}

bool ValueFilterFixedMulti::isCompatible(const ValueFilterFixedMulti& other) const
{
    QStringList mine = kinds();
    QStringList theirs = other.kinds();
    mine.sort();
    theirs.sort();
    return getValueId() == other.getValueId() && getSource() == other.getSource() && mine == theirs;
}

void ValueFilterFixedMulti::setMatchCase(bool matchCase)
{
    ValueFilter::setMatchCase(matchCase);
    for (const QSharedPointer<ValueFilterFixed>& filter : m_filters)
        filter->setMatchCase(matchCase);
}

QString ValueFilterFixedMulti::toString() const
{
    QStringList parts;
    for (const QSharedPointer<ValueFilterFixed>& filter : m_filters)
        parts << filter->getKind() + (filter->isInclude() ? QStringLiteral(" on") : QStringLiteral(" off"));
    return QStringLiteral("fixed group ") + propertyText() + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

bool ValueFilterFixedMulti::isEqual(const ValueFilter& other) const
{
    const auto* multi = dynamic_cast<const ValueFilterFixedMulti*>(&other);
    if (!multi || !isSameProperty(other) || multi->m_filters.size() != m_filters.size())
        return false;
    for (int i = 0; i < m_filters.size(); ++i) {
        if (!m_filters.at(i)->isEqual(*multi->m_filters.at(i)))
            return false;
    }
    return true;
}

bool ValueFilterFixedMulti::matches(const AlarmInstance& alarm, const AlarmProp& /*prop*/) const
{
    bool anyOn = false;
    for (const QSharedPointer<ValueFilterFixed>& filter : m_filters) {
        if (!filter->isInclude())
            continue;
        if (filter->fits(alarm))
            return true;
        anyOn = true;
    }
    return !anyOn;
}
