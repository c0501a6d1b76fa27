#include "statistics/FilterStatisticsWidget.h"

#include "colors/Color.h"
#include "colors/ColorEngine.h"

#include <filtervalues/WildcardConfig.h>
#include <logging/MsgLoggingMessage.h>

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QtMath>

namespace {

// The current colour of a name in the colour engine; invalid when unknown.
QColor engineColor(const MsgLoggingProducer* producer, const QString& name)
{
    const QSharedPointer<Color> color = ColorEngine::getInstance(producer)->getColor(name);
    return color ? color->currentColor() : QColor();
}

} // namespace

FilterStatisticsWidget::FilterStatisticsWidget(MsgLoggingProducer* producer, QWidget* parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
    , FilterStatisticsValueConsumer(WildcardConfig(producer))
    , m_selectedLineWidth(4)
    , m_selectedLineColor(255, 255, 0, 255)
{
    installEventFilter(this);
    buildStatProcessors();
    setAlignment(Qt::AlignCenter);
    setText(getCurrentText());
    setToolTip(getCurrentToolTip());
    setMargin(4);
    const QSharedPointer<ColorEngine> engine = ColorEngine::getInstance(this);
    // The colour names the counter shows are in use, so the engine blinks them.
    setFinalTarget(engine);
    connect(engine.data(), SIGNAL(colorChanged(const QString&, const QColor&)), this,
            SLOT(blinkHandler(const QString&, const QColor&)));
}

QString FilterStatisticsWidget::getFilterName() const
{
    return getStatistics() ? getStatistics()->getName() : QString();
}

void FilterStatisticsWidget::setFilterDpName(const QString& name)
{
    FilterStatisticsValueConsumer::setFilterDpName(name);
    if (!isDpDataArrived())
        setToolTip(getCurrentToolTip());
}

void FilterStatisticsWidget::setFilter(const QString& filterId, const SourceAndFilter& filter)
{
    FilterStatisticsValueConsumer::setFilter(filterId, filter);
    connect(getStatistics(), SIGNAL(changed(const FilterStatistics*)), this,
            SLOT(statsSourceChanged(const FilterStatistics*)));
    statsSourceChanged(getStatistics());
}

void FilterStatisticsWidget::setModel(const QSharedPointer<AlarmsModel>& model)
{
    FilterStatisticsValueConsumer::setModel(model);
    if (getStatistics())
        statsSourceChanged(getStatistics());
}

void FilterStatisticsWidget::setBackColorSource(FilterViewItemConfiguration::StatsColorSource source)
{
    FilterStatisticsValueConsumer::setBackColorSource(source);
    applyNewColor(false);
}

void FilterStatisticsWidget::setForeColorSource(FilterViewItemConfiguration::StatsColorSource source)
{
    FilterStatisticsValueConsumer::setForeColorSource(source);
    applyNewColor(false);
}

void FilterStatisticsWidget::setTextTemplate(const QString& text)
{
    FilterStatisticsValueConsumer::setTextTemplate(text);
    m_warnedColors.clear();
    statsSourceChanged(getStatistics());
}

void FilterStatisticsWidget::setTooTipTemplate(const QString& text)
{
    FilterStatisticsValueConsumer::setTooTipTemplate(text);
    m_warnedColors.clear();
    statsSourceChanged(getStatistics());
}

QString FilterStatisticsWidget::replaced(QString text, const FilterStatistics* stats) const
{
    const QMap<QString, FilterStatisticsValue*>& values = getStatValues();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        text.replace(it.key(), getReplacementString(it.value(), stats, it.key()), Qt::CaseSensitive);
    return text;
}

void FilterStatisticsWidget::statsSourceChanged(const FilterStatistics* stats)
{
    for (FilterStatisticsValue* value : getStatValues())
        value->recompute(stats);
    updateUsedColors();
    QString text = getTextTemplate();
    QString toolTip = getToolTipTemplate();
    const QMap<QString, FilterStatisticsValue*>& values = getStatValues();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const QString replacement = getReplacementString(it.value(), stats, it.key());
        text.replace(it.key(), replacement, Qt::CaseSensitive);
        toolTip.replace(it.key(), replacement, Qt::CaseSensitive);
    }
    setText(text);
    setToolTip(toolTip);
    applyNewColor(true);
    emit statsChanged(stats);
    emit statsContentChanged(getFilterDpName(), getStatisticsAsMap());
}

QString FilterStatisticsWidget::getReplacementString(const FilterStatisticsValue* value, const FilterStatistics* stats,
                                                     const QString& placeHolder) const
{
    const QString text = value->getReplacement(stats, placeHolder);
    if (text.isEmpty() || !value->isColorValue())
        return text;
    const QColor color = engineColor(this, text);
    if (color.isValid())
        return color.name();
    // Statistics change with every alarm batch: one warning per name and
    // placeholder until a template changes, not one per batch.
    const QString warned = text + QLatin1Char('\n') + placeHolder;
    if (!m_warnedColors.contains(warned)) {
        m_warnedColors.insert(warned);
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "invalid color " << text << " for placeHolder " << placeHolder;
    }
    return QString();
}

void FilterStatisticsWidget::applyNewColor(bool fromStatistics)
{
    const QString backName = getBackColorValue() ? getBackColorValue()->getContent().toString() : QString();
    const QString foreName = getForeColorValue() ? getForeColorValue()->getContent().toString() : QString();
    const QColor back = backName.isEmpty() ? QColor() : engineColor(this, backName);
    const QColor fore = foreName.isEmpty() ? QColor() : engineColor(this, foreName);
    if (back.isValid()) {
        QPalette p = palette();
        p.setBrush(QPalette::All, backgroundRole(), QBrush(back, Qt::SolidPattern));
        setPalette(p);
        setAutoFillBackground(true);
    } else {
        setAutoFillBackground(false);
    }
    if (fore.isValid()) {
        QPalette p = palette();
        p.setBrush(QPalette::All, foregroundRole(), QBrush(fore, Qt::SolidPattern));
        setPalette(p);
    }
    if (!fromStatistics && isTemplateUsingColors())
        setText(replaced(getTextTemplate(), getStatistics()));
}

void FilterStatisticsWidget::blinkHandler(const QString& colorName, const QColor&)
{
    if (isColorUsed(colorName))
        applyNewColor(false);
}

QVariantMap FilterStatisticsWidget::getStatisticsAsMap() const
{
    QVariantMap result;
    if (!getStatistics()) {
        result.insert(QStringLiteral("error"),
                      isDpDataArrived()
                          ? QStringLiteral("filter statistics is not initialized for '%1' (wrong JSON format?)")
                                .arg(getFilterDpName())
                          : QStringLiteral("filter is not connected to configuration DP '%1' (missing DP?)")
                                .arg(getFilterDpName()));
        return result;
    }
    const QMap<QString, FilterStatisticsValue*>& values = getStatValues();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        result.insert(it.key(), it.value()->getContent());
    result.insert(QStringLiteral("itemTextFormat"), getTextTemplate());
    result.insert(QStringLiteral("itemToolTipTextFormat"), getToolTipTemplate());
    return result;
}

void FilterStatisticsWidget::setSelectedLineColor(QString colorName)
{
    if (colorName.isEmpty() || colorName == QLatin1String("none"))
        return;
    m_selectedLineColor = engineColor(this, colorName);
    if (!m_selectedLineColor.isValid()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "Invalid color name '" << colorName << "' for selected line color of filter statistics";
    }
}

void FilterStatisticsWidget::matchCurrentFilterChanged()
{
    update();
}

QSize FilterStatisticsWidget::sizeHint() const
{
    // Whatever a template produces, a counter asks for no more than a
    // line of kMaxHintChars characters; longer texts are elided.
    QSize hint = QLabel::sizeHint();
    hint.setWidth(qMin(hint.width(), fontMetrics().averageCharWidth() * kMaxHintChars));
    return hint;
}

QSize FilterStatisticsWidget::minimumSizeHint() const
{
    QSize hint = QLabel::minimumSizeHint();
    hint.setWidth(qMin(hint.width(), fontMetrics().averageCharWidth() * kMinHintChars));
    return hint;
}

bool FilterStatisticsWidget::isTextElided() const
{
    return textFormat() != Qt::RichText && !Qt::mightBeRichText(text()) && !wordWrap()
        && fontMetrics().horizontalAdvance(text()) > contentsRect().width() - 2 * margin();
}

void FilterStatisticsWidget::paintElidedText()
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString elided = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), elided, foregroundRole());
}

void FilterStatisticsWidget::paintEvent(QPaintEvent* event)
{
    if (isTextElided())
        paintElidedText();
    else
        QLabel::paintEvent(event);
    if (!isMatchingCurrentFilter())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QBrush(m_selectedLineColor), m_selectedLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(rect());
}

bool FilterStatisticsWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int number = mouse->button() == Qt::LeftButton ? 1
                         : mouse->button() == Qt::MiddleButton ? 2
                         : mouse->button() == Qt::RightButton ? 3
                                                              : 0;
        const QPointF global = mouse->screenPos();
        emit mousePressed(this, number, qRound(global.x()), qRound(global.y()));
    } else if (watched == this && event->type() == QEvent::MouseButtonRelease) {
        emit mouseClicked(this, int(static_cast<QMouseEvent*>(event)->button()));
    } else if (watched == this && event->type() == QEvent::ToolTip && isTextElided()) {
        // The elided text is whole in the tool tip, above the template's.
        const QString tip = toolTip().isEmpty() ? text() : text() + QLatin1Char('\n') + toolTip();
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QLabel::eventFilter(watched, event);
}
