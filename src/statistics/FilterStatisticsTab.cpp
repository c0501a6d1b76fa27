#include "statistics/FilterStatisticsTab.h"

#include "colors/Color.h"
#include "colors/ColorEngine.h"
#include "statistics/FilterConfigHotLink.h"
#include "statistics/FilterStatisticsWidget.h"

#include <datapoints/Manager.h>
#include <filtervalues/WildcardConfig.h>
#include <logging/MsgLoggingMessage.h>
#include <scriptbridge/converter.h>

#include <QGridLayout>
#include <QSpacerItem>

FilterStatisticsTab::FilterStatisticsTab(const WildcardConfig& config, QWidget* parent, int tabIndex)
    : QFrame(parent)
    , SystemConnectionsControl(&config)
    , m_tabIndex(tabIndex)
{
}

FilterStatisticsTab::~FilterStatisticsTab()
{
    disconnectFromDp();
}

QString FilterStatisticsTab::instanceTypeName() const
{
    return QStringLiteral("FilterStatisticsTab[") + m_setName + QLatin1Char(']');
}

bool FilterStatisticsTab::connectToDp(const QString& dpName, const QSharedPointer<AlarmsModel>& model,
                                      QString& errMsg)
{
    m_model = model;
    disconnectFromDp();
    m_configDp = dpName;
    const QStringList names{dpName + QStringLiteral(".SetName"), dpName + QStringLiteral(".ConfigDp"),
                            dpName + QStringLiteral(".SetJSON")};
    if (!converter::getDpIds(this, names, m_dpIds, errMsg))
        return false;
    // The manager owns the hot link from here on, also when connecting fails.
    m_hotLink = new FilterConfigHotLink(this);
    if (!Manager::dpConnect(m_dpIds, Manager::eventId, m_hotLink, true)) {
        m_hotLink = nullptr;
        errMsg = QStringLiteral("Connection to DP %1 failed").arg(dpName);
        m_connected = false;
        return false;
    }
    m_connected = true;
    return true;
}

void FilterStatisticsTab::disconnectFromDp()
{
    if (m_connected && !Manager::dpDisconnect(m_dpIds, m_hotLink, Manager::eventId))
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Failed to disconnect in FilterStatisticsTab destructor";
    m_connected = false;
    m_hotLink = nullptr;
    m_dpIds.clear();
}

void FilterStatisticsTab::setConfigDp(const QString& dpName, QString& errMsg)
{
    if (dpName == m_configDp)
        return;
    if (!m_configDp.isEmpty())
        disconnectFromDp();
    m_configDp = dpName;
    errMsg.clear();
    if (!dpName.isEmpty()) {
        connectToDp(dpName, m_model, errMsg);
        return;
    }
    m_config.reset();
    clearView();
}

QString FilterStatisticsTab::newDpData(const QString& setName, const QString& configDp, const QString& setJson)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace)
        << "newDataData(" << setName << "," << configDp << "," << setJson << ")";
    clearView();
    if (setName.isEmpty() || configDp.isEmpty() || setJson.isEmpty())
        return QString();
    if (!m_config.fromJson(setJson.toUtf8(), setName)) {
        const QString error = m_config.getErrorText();
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << (m_config.isErrorTextComplete()
                    ? error
                    : QStringLiteral("Error parsing JSON for filter set ") + setName + QStringLiteral(": ") + error);
        MSG_LOG(this, MsgLoggerEnums::LogWarning) << "input JSON text is: " << setJson;
        m_config.reset();
        return error;
    }
    if (setName != m_setName) {
        emit setNameChanged(m_tabIndex, setName);
        m_setName = setName;
    }
    buildView();
    compareWithCurrentFilter(m_currentFilter);
    return QString();
}

void FilterStatisticsTab::buildView()
{
    switch (m_config.getViewKind()) {
    case FilterViewConfiguration::ViewGrid:
        buildViewGrid();
        break;
    case FilterViewConfiguration::ViewTree:
        buildViewTree();
        break;
    default:
        break;
    }
}

void FilterStatisticsTab::buildViewTree()
{
    MSG_LOG(this, MsgLoggerEnums::LogWarning) << "Filter view organized as tree is not implemented yet";
}

void FilterStatisticsTab::buildViewGrid()
{
    clearView();
    QGridLayout* grid = getLayoutAfterStyling();
    int lastRow = -1;
    int lastColumn = -1;
    for (const FilterViewItemConfiguration& item : m_config.getItems()) {
        grid->addWidget(createWidgetForGrid(m_config.getGrid(), item), item.row, item.column);
        lastRow = qMax(lastRow, item.row);
        lastColumn = qMax(lastColumn, item.column);
    }
    const int rows = qMax(lastRow + 1, 1);
    const int columns = qMax(lastColumn + 1, 1);
    // The stretching spacers keep the counters packed at the top left.
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, columns, rows, 1);
    grid->setColumnStretch(columns, 10);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), rows, 0, 1, columns);
    grid->setRowStretch(rows, 10);
}

QGridLayout* FilterStatisticsTab::getLayoutAfterStyling()
{
    const FilterGridViewConfiguration& config = m_config.getGrid();
    setFrameStyle(config.containerFrame.shape | config.containerFrame.shadow);
    setLineWidth(config.containerFrame.lineWidth);
    setMidLineWidth(config.containerFrame.midLineWidth);

    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid) {
        grid = new QGridLayout(this);
    } else {
        // The spacers and stretches of the previous build go; its counters
        // are gone already.
        for (int i = grid->count() - 1; i >= 0; --i) {
            if (!grid->itemAt(i)->widget())
                delete grid->takeAt(i);
        }
        for (int row = 0; row < grid->rowCount(); ++row)
            grid->setRowStretch(row, 0);
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->setColumnStretch(column, 0);
    }
    grid->setSpacing(config.spacing);
    grid->setContentsMargins(0, 0, 0, 0);
    applyContainerBackground(config.containerBackground);
    return grid;
}

void FilterStatisticsTab::applyContainerBackground(const QString& colorName)
{
    setAutoFillBackground(false);
    if (colorName.isEmpty() || colorName == QLatin1String("none"))
        return;
    const QSharedPointer<Color> color = ColorEngine::getInstance(this)->getColor(colorName);
    const QColor current = color ? color->currentColor() : QColor();
    if (!current.isValid()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "Invalid color name '" << colorName << "' for grid container of filter statistics";
        return;
    }
    QPalette p = palette();
    p.setBrush(QPalette::All, QPalette::Window, QBrush(current));
    setPalette(p);
    setAutoFillBackground(true);
}

FilterStatisticsWidget* FilterStatisticsTab::createWidgetForGrid(const FilterGridViewConfiguration& grid,
                                                                 const FilterViewItemConfiguration& item)
{
    auto* widget = new FilterStatisticsWidget(this, this);
    widget->setFrameStyle(grid.cellFrame.shape | grid.cellFrame.shadow);
    widget->setLineWidth(grid.cellFrame.lineWidth);
    widget->setMidLineWidth(grid.cellFrame.midLineWidth);
    widget->setBackColorSource(grid.cellBackColorSource);
    widget->setForeColorSource(grid.cellForeColorSource);
    widget->setTextTemplate(grid.cellTextFormat);
    widget->setTooTipTemplate(grid.cellToolTipFormat);
    // For the host (scripts, mouse events); the library does not read it.
    widget->setProperty("userData", grid.cellUserData);
    widget->setSelectedLineWidth(grid.selectedLineWidth);
    widget->setSelectedLineColor(grid.selectedLineColor);
    widget->setFilterDpName(item.filterDpName);
    widget->setSingleRowPerPair(m_singleRowPerPair);
    widget->setModel(m_model);
    connect(widget, SIGNAL(statsChanged(const FilterStatistics*)), this, SIGNAL(statsChanged(const FilterStatistics*)));
    connect(widget, SIGNAL(statsContentChanged(const QString&, const QVariantMap&)), this,
            SIGNAL(statsContentChanged(const QString&, const QVariantMap&)));
    connect(widget, SIGNAL(mousePressed(FilterStatisticsWidget*, int, int, int)), this,
            SIGNAL(filterMousePressed(FilterStatisticsWidget*, int, int, int)));
    connect(widget, SIGNAL(mouseClicked(FilterStatisticsWidget*, int)), this,
            SIGNAL(filterMouseClicked(FilterStatisticsWidget*, int)));
    return widget;
}

bool FilterStatisticsTab::isCleared(const QWidget* counter)
{
    return counter->property(ClearedProperty).toBool();
}

QList<FilterStatisticsWidget*> FilterStatisticsTab::counters() const
{
    QList<FilterStatisticsWidget*> list;
    for (FilterStatisticsWidget* widget : findChildren<FilterStatisticsWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!isCleared(widget))
            list.append(widget);
    }
    return list;
}

void FilterStatisticsTab::clearView()
{
    for (FilterStatisticsWidget* widget : counters()) {
        // Deleted later, as it may be emitting a signal now; until then it
        // is out of the grid and no longer a counter of the tab.
        widget->hide();
        if (layout())
            layout()->removeWidget(widget);
        widget->setProperty(ClearedProperty, true);
        widget->deleteLater();
    }
}

void FilterStatisticsTab::setModel(const QSharedPointer<AlarmsModel>& model, bool singleRowPerPair)
{
    m_model = model;
    m_singleRowPerPair = singleRowPerPair;
    for (FilterStatisticsWidget* widget : counters()) {
        widget->setSingleRowPerPair(singleRowPerPair);
        widget->setModel(model);
    }
}

void FilterStatisticsTab::setSingleRowPerPair(bool singleRowPerPair)
{
    m_singleRowPerPair = singleRowPerPair;
    for (FilterStatisticsWidget* widget : counters())
        widget->setSingleRowPerPair(singleRowPerPair);
}

void FilterStatisticsTab::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    clearView();
    buildView();
}

void FilterStatisticsTab::compareWithCurrentFilter(const SourceAndFilter& filter)
{
    m_currentFilter = filter;
    for (FilterStatisticsWidget* widget : counters())
        widget->compareWithCurrentFilter(m_currentFilter);
}

QSet<QString> FilterStatisticsTab::getAllIds() const
{
    QSet<QString> ids;
    for (const FilterStatisticsWidget* widget : counters())
        ids.insert(widget->getFilterDpName());
    return ids;
}
