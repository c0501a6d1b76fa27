#include "filters/WFixedMultiFilterToggle.h"

#include <logging/MsgLoggingMessage.h>

WFixedMultiFilterToggle::WFixedMultiFilterToggle(const WildcardConfig& wildcardConfig,
                                                 const QSharedPointer<ValueFilterFixedMulti>& filter, QWidget* parent)
    : WFilter(wildcardConfig, filter->getValueId(), filter->getSource(), parent)
    , m_filter(filter)
{
}

bool WFixedMultiFilterToggle::addButton(QAbstractButton* button, const QString& kind)
{
    bool known = false;
    for (const QSharedPointer<ValueFilterFixed>& fixed : m_filter->getFixedFilters())
        known = known || fixed->getKind() == kind;
    if (!known) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "WFixedMultiFilterToggle::addButton(): unknown filter kind " << kind;
        return false;
    }
    m_buttons.insert(kind, button);
    connect(button, SIGNAL(clicked(bool)), this, SLOT(buttonClicked(bool)));
    return true;
}

void WFixedMultiFilterToggle::setFilterState(const QString& kind, bool include, bool notify)
{
    for (const QSharedPointer<ValueFilterFixed>& fixed : m_filter->getFixedFilters()) {
        if (fixed->getKind() != kind)
            continue;
        if (fixed->isInclude() != include) {
            fixed->setInclude(include);
            if (notify)
                emit filterChanged();
        }
        return;
    }
}

void WFixedMultiFilterToggle::buttonClicked(bool /*checked*/)
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (it.value() && it.value() == sender())
            setFilterState(it.key(), it.value()->isChecked(), true);
    }
}

QString WFixedMultiFilterToggle::getColumnId() const
{
    return m_filter->getValueId();
}

Constants::ValueSource WFixedMultiFilterToggle::getSource() const
{
    return m_filter->getSource();
}

void WFixedMultiFilterToggle::setMatchCase(bool matchCase)
{
    m_filter->setMatchCase(matchCase);
}

QSharedPointer<ValueFilter> WFixedMultiFilterToggle::getFilter(bool matchCase)
{
    QSharedPointer<ValueFilterFixedMulti> copy(new ValueFilterFixedMulti(*m_filter));
    copy->setMatchCase(matchCase);
    return copy;
}

bool WFixedMultiFilterToggle::setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    const auto* multi = dynamic_cast<const ValueFilterFixedMulti*>(filter.data());
    if (!multi || !m_filter->isCompatible(*multi))
        return false;
    m_filter->setMatchCase(matchCase);
    for (const QSharedPointer<ValueFilterFixed>& fixed : multi->getFixedFilters()) {
        setFilterState(fixed->getKind(), fixed->isInclude(), false);
        const QPointer<QAbstractButton> button = m_buttons.value(fixed->getKind());
        if (button)
            button->setChecked(fixed->isInclude());
    }
    return true;
}
