#include "filters/WEditFilterRuleText.h"

#include "filters/CellRepaintFilter.h"
#include "ui_WEditFilterRuleText.h"

#include <logging/MsgLoggingMessage.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

#include <map>

namespace {
const char* const kSelectedIndex = "selectedIndex";
} // namespace

WEditFilterRuleText::WEditFilterRuleText(const WildcardConfig& wildcardConfig, const QString& columnId,
                                         Constants::ValueSource source, QWidget* parent)
    : WFilter(wildcardConfig, columnId, source, parent)
    , ui(new Ui_WEditFilterRuleText)
    , m_methodLabels{QStringLiteral("Ex"), QStringLiteral("W*"), QStringLiteral("RE")}
    , m_defaultMatchMethod(ValueFilterTextItem::MatchWildcard)
    , m_cellRepaint(new CellRepaintFilter(this))
{
    ui->setupUi(this);
    QHeaderView* header = ui->tableWidget->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    connect(ui->btnAdd, SIGNAL(clicked(bool)), this, SLOT(addRule(bool)));
    connect(ui->btnDel, SIGNAL(clicked(bool)), this, SLOT(deleteRules(bool)));
    connect(ui->tableWidget, SIGNAL(itemSelectionChanged()), this, SLOT(selectionChanged()));
    connect(ui->tableWidget, SIGNAL(cellChanged(int, int)), this, SLOT(cellDataChanged(int, int)));
}

WEditFilterRuleText::WEditFilterRuleText(QWidget* parent)
    : WEditFilterRuleText(WildcardConfig(), QString(), Constants::ValueSourceAlarm, parent)
{
}

WEditFilterRuleText::~WEditFilterRuleText()
{
    delete ui;
}

QString WEditFilterRuleText::methodMenuText(int method)
{
    switch (method) {
    case ValueFilterTextItem::MatchExact:
        return tr("Exact Match");
    case ValueFilterTextItem::MatchWildcard:
        return tr("Wildcard");
    case ValueFilterTextItem::MatchRegExp:
        return tr("Regular Expression");
    }
    return QString();
}

QToolButton* WEditFilterRuleText::createToolButton()
{
    auto* button = new QToolButton();
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    button->setArrowType(Qt::NoArrow);
    button->setText(m_methodLabels.at(m_defaultMatchMethod));
    button->setMinimumWidth(48);
    button->setToolTip(tr("Filter-matching method"));

    auto* menu = new QMenu(button);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int method = ValueFilterTextItem::MatchExact; method <= ValueFilterTextItem::MatchRegExp; ++method) {
        auto* action = new QAction(methodMenuText(method), button);
        action->setCheckable(true);
        action->setData(method);
        group->addAction(action);
        connect(action, SIGNAL(triggered(bool)), this, SLOT(ruleMatchMethodChanged(bool)));
    }
    group->actions().at(m_defaultMatchMethod)->setChecked(true);
    button->setProperty(kSelectedIndex, m_defaultMatchMethod);

    menu->addActions(group->actions());
    button->setMenu(menu);
    return button;
}

void WEditFilterRuleText::addRule(bool /*checked*/)
{
    QTableWidget* table = ui->tableWidget;
    const int row = table->rowCount();
    {
        // Inserting the cells is part of adding the row: the one change
        // signal comes below, not a cellChanged() per cell.
        const QSignalBlocker blocker(table);
        table->insertRow(row);
        auto* item = new QTableWidgetItem(QString());
        item->setToolTip(tr("Double-click to set filter pattern"));
        auto* excludeButton = new QPushButton(QString(QChar(0x2260)));
        excludeButton->setCheckable(true);
        excludeButton->setToolTip(tr("Exclude"));
        excludeButton->setMaximumWidth(36);
        QToolButton* methodButton = createToolButton();
        methodButton->installEventFilter(m_cellRepaint);
        excludeButton->installEventFilter(m_cellRepaint);
        table->setItem(row, 0, item);
        table->setCellWidget(row, 1, methodButton);
        table->setCellWidget(row, 2, excludeButton);
    }
    emit filterChanged();
}

void WEditFilterRuleText::deleteRules(bool /*checked*/)
{
    QTableWidget* table = ui->tableWidget;
    std::map<int, QTableWidgetSelectionRange> rangesByRow;
    for (const QTableWidgetSelectionRange& range : table->selectedRanges())
        rangesByRow.emplace(range.topRow(), range);
    // From the lowest range up and each range from its bottom row, so that
    // the rows still to remove keep their numbers.
    for (auto it = rangesByRow.crbegin(); it != rangesByRow.crend(); ++it) {
        for (int row = it->second.bottomRow(); row >= it->second.topRow(); --row)
            table->removeRow(row);
    }
    emit filterChanged();
}

void WEditFilterRuleText::selectionChanged()
{
    ui->btnDel->setEnabled(!ui->tableWidget->selectedRanges().isEmpty());
}

void WEditFilterRuleText::showMethod(QToolButton* button, int method, const QString& methodText)
{
    button->setText(m_methodLabels.value(method));
    button->setToolTip(methodText);
    button->setProperty(kSelectedIndex, method);
}

void WEditFilterRuleText::ruleMatchMethodChanged(bool /*checked*/)
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "ruleMatchMethodChanged slot sender is not a QAction.";
        return;
    }
    auto* button = dynamic_cast<QToolButton*>(action->parent());
    if (!button)
        return;
    showMethod(button, action->data().toInt(), action->text());
}

void WEditFilterRuleText::cellDataChanged(int /*row*/, int /*column*/)
{
    emit filterChanged();
}

bool WEditFilterRuleText::addFilterOfRow(int row, ValueFilterText* filter)
{
    QTableWidget* table = ui->tableWidget;
    const QTableWidgetItem* item = table->item(row, 0);
    if (!item) {
        MSG_LOG(this, MsgLoggerEnums::LogInfo) << "Cannot create filter, no QTableWidgetItem found for row " << row;
        return false;
    }
    const QString pattern = item->text();
    if (pattern.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogInfo) << "Cannot create filter, text field empty in row " << row;
        return false;
    }
    auto* methodButton = qobject_cast<QToolButton*>(table->cellWidget(row, 1));
    if (!methodButton) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Expected cellWidget to be a QToolButton in row " << row;
        return false;
    }
    auto* excludeButton = qobject_cast<QPushButton*>(table->cellWidget(row, 2));
    if (!excludeButton) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Expected cellWidget to be a QPushButton in row " << row;
        return false;
    }
    return filter->addItem(pattern, methodButton->property(kSelectedIndex).toInt(), excludeButton->isChecked());
}

bool WEditFilterRuleText::addRowOfFilter(ValueFilterTextItem filterItem)
{
    addRule(false);
    QTableWidget* table = ui->tableWidget;
    const int row = table->rowCount() - 1;
    QTableWidgetItem* item = table->item(row, 0);
    if (!item) {
        MSG_LOG(this, MsgLoggerEnums::LogInfo)
            << "Cannot add row for filter filter, no QTableWidgetItem found for row " << row;
        return false;
    }
    item->setText(filterItem.getPattern());
    auto* methodButton = qobject_cast<QToolButton*>(table->cellWidget(row, 1));
    if (!methodButton) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "Cannot add row for filter, expected cellWidget to be a QToolButton in row " << row;
        return false;
    }
    const int method = filterItem.getMethod();
    showMethod(methodButton, method, methodMenuText(method));
    if (QMenu* menu = methodButton->menu()) {
        for (QAction* action : menu->actions())
            action->setChecked(action->data().toInt() == method);
    }
    auto* excludeButton = qobject_cast<QPushButton*>(table->cellWidget(row, 2));
    if (!excludeButton) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "Cannot add row for filter, expected cellWidget to be a QPushButton in row " << row;
        return false;
    }
    excludeButton->setChecked(filterItem.isExclude());
    return true;
}

QSharedPointer<ValueFilter> WEditFilterRuleText::getFilter(bool matchCase)
{
    QTableWidget* table = ui->tableWidget;
    if (table->rowCount() == 0)
        return QSharedPointer<ValueFilter>();
    QSharedPointer<ValueFilterText> filter(
        new ValueFilterText(m_wildcardConfig, getColumnId(), getSource(), matchCase));
    // One incomplete row means no filter at all, not a filter of the other rows.
    for (int row = 0; row < table->rowCount(); ++row) {
        if (!addFilterOfRow(row, filter.data()))
            return QSharedPointer<ValueFilter>();
    }
    return filter;
}

bool WEditFilterRuleText::setFilter(const QSharedPointer<ValueFilter>& filter, bool /*matchCase*/,
                                    QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    auto* textFilter = dynamic_cast<ValueFilterText*>(filter.data());
    if (!textFilter)
        return false;
    // A shown table places every row's buttons anew for each row inserted,
    // which makes a long list cost the square of its rows; hidden while it
    // is filled, it places them once when it is shown again. Hidden with the
    // keyboard focus, it would pass the focus on to the next widget: the
    // focus is taken off it for the fill and given back.
    QTableWidget* table = ui->tableWidget;
    QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused == table || table->isAncestorOf(focused);
    const bool wasShown = table->isVisible();
    if (wasShown) {
        if (hadFocus)
            focused->clearFocus();
        table->hide();
    }
    table->setRowCount(0);
    bool ok = true;
    int rows = 0;
    for (const ValueFilterTextItem& item : textFilter->getItems()) {
        if (!addRowOfFilter(item)) {
            ok = false;
            break;
        }
        // Each further request for a new row's widgets (a layout, a resize)
        // is compared with every event posted in this turn: delivered every
        // 256 rows, the events stay few and a long list costs linear time.
        if (++rows % 256 == 0)
            QCoreApplication::sendPostedEvents();
    }
    if (wasShown) {
        table->show();
        if (hadFocus)
            table->setFocus(Qt::OtherFocusReason);
    }
    return ok;
}
