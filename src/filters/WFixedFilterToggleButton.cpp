#include "filters/WFixedFilterToggleButton.h"

#include "ui_WFilterToggleButton.h"

#include <QColor>
#include <QPalette>
#include <QToolButton>

WFixedFilterToggleButton::WFixedFilterToggleButton(const WildcardConfig& wildcardConfig,
                                                   const QSharedPointer<ValueFilterFixed>& filter, QWidget* parent)
    : WFilter(wildcardConfig, filter->getValueId(), filter->getSource(), parent)
    , m_filter(filter)
    , ui(new Ui_WFilterToggleButton)
{
    ui->setupUi(this);
    ui->button->setChecked(m_filter->isInclude());
    connect(ui->button, SIGNAL(clicked(bool)), this, SLOT(buttonClicked(bool)));
}

WFixedFilterToggleButton::~WFixedFilterToggleButton()
{
    delete ui;
}

void WFixedFilterToggleButton::setText(const QString& text)
{
    ui->button->setText(text);
}

void WFixedFilterToggleButton::setToolTip(const QString& toolTip)
{
    ui->button->setToolTip(toolTip);
}

void WFixedFilterToggleButton::setTextColor(const QColor& color)
{
    QPalette palette = ui->button->palette();
    palette.setBrush(QPalette::All, QPalette::ButtonText, QBrush(color));
    ui->button->setPalette(palette);
}

QString WFixedFilterToggleButton::getColumnId() const
{
    return m_filter->getValueId();
}

Constants::ValueSource WFixedFilterToggleButton::getSource() const
{
    return m_filter->getSource();
}

void WFixedFilterToggleButton::setMatchCase(bool matchCase)
{
    m_filter->setMatchCase(matchCase);
}

void WFixedFilterToggleButton::buttonClicked(bool /*checked*/)
{
    const bool checked = ui->button->isChecked();
    if (checked == m_filter->isInclude())
        return;
    m_filter->setInclude(checked);
    emit filterChanged();
}

QSharedPointer<ValueFilter> WFixedFilterToggleButton::getFilter(bool matchCase)
{
    m_filter->setMatchCase(matchCase);
    return QSharedPointer<ValueFilter>(new ValueFilterFixed(*m_filter));
}

bool WFixedFilterToggleButton::setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg)
{
    const auto* fixed = dynamic_cast<const ValueFilterFixed*>(filter.data());
    if (!fixed)
        return false;
    if (!isPropertyMatch(filter, errMsg))
        return false;
    if (fixed->getKind() != m_filter->getKind())
        return false;
    m_filter->setMatchCase(matchCase);
    if (fixed->isInclude() != m_filter->isInclude()) {
        m_filter->setInclude(fixed->isInclude());
        ui->button->setChecked(fixed->isInclude());
    }
    return true;
}
