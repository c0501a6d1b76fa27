#include "filters/WEditFilterRuleNumbers.h"

#include "ui_WEditFilterRuleNumbers.h"

#include <QLineEdit>
#include <QToolTip>

const QRegularExpression WEditFilterRuleNumbers::re(
    QStringLiteral("^(!)?([><])?(-?[\\d\\.]+)(?:-(-?[\\d\\.]+))?$"));
const QString WEditFilterRuleNumbers::toolTipBlank = QStringLiteral("No rules set");

WEditFilterRuleNumbers::WEditFilterRuleNumbers(const WildcardConfig& wildcardConfig, const QString& columnId,
                                               Constants::ValueSource source, QWidget* parent)
    : WFilter(wildcardConfig, columnId, source, parent)
    , ValueFilterNumbers(wildcardConfig, columnId, source, false)
    , ui(new Ui_WEditFilterRuleNumbers)
{
    ui->setupUi(this);
    connect(ui->txtInput, SIGNAL(textEdited(QString)), this, SLOT(parseInput(QString)));
    ui->txtInput->setToolTip(toolTipBlank);
    if (wildcardConfig.emptyIsMatchAll)
        ui->txtInput->setPlaceholderText(QString(wildcardConfig.matchAllChar));
}

WEditFilterRuleNumbers::WEditFilterRuleNumbers(QWidget* parent)
    : WEditFilterRuleNumbers(WildcardConfig(), QString(), Constants::ValueSourceAlarm, parent)
{
}

void WEditFilterRuleNumbers::setColumnId(const QString& columnId)
{
    WFilter::setColumnId(columnId);
    setValueId(columnId);
}

WEditFilterRuleNumbers::~WEditFilterRuleNumbers()
{
    delete ui;
}

void WEditFilterRuleNumbers::parseInput(QString text)
{
    parseFilterString(text, true);
}

void WEditFilterRuleNumbers::parseFilterString(const QString& text, bool showFeedback)
{
    setFilterText(text);
    setFeedback(showFeedback);
    emit filterChanged();
}

void WEditFilterRuleNumbers::setFeedback(bool showFeedback)
{
    const QStringList accepted = getAcceptedRules();
    const QStringList& failed = getFailedParts();
    QString tip;
    if (accepted.isEmpty() && failed.isEmpty()) {
        tip = toolTipBlank;
    } else {
        const QString separator = QStringLiteral("\n  ");
        if (!accepted.isEmpty())
            tip += QStringLiteral("Filtering rules:\n  ") + accepted.join(separator);
        if (!failed.isEmpty()) {
            if (!tip.isEmpty())
                tip += QStringLiteral("\n\n");
            tip += QStringLiteral("Warning! Failed to parse:\n  ") + failed.join(separator);
        }
    }
    ui->txtInput->setToolTip(tip);
    // Just below the field's top edge, so that it shows under the text being typed.
    if (showFeedback)
        QToolTip::showText(ui->txtInput->mapToGlobal(QPoint(0, 6)), tip, ui->txtInput);
}

QSharedPointer<ValueFilter> WEditFilterRuleNumbers::getFilter(bool /*matchCase*/)
{
    if (ValueFilterNumbers::isEmpty())
        return QSharedPointer<ValueFilter>();
    return QSharedPointer<ValueFilter>(new ValueFilterNumbers(*this));
}

bool WEditFilterRuleNumbers::setFilter(const QSharedPointer<ValueFilter>& filter, bool /*matchCase*/,
                                       QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    const auto* numbers = dynamic_cast<const ValueFilterNumbers*>(filter.data());
    if (!numbers)
        return false;
    ui->txtInput->setText(numbers->getFilterText());
    parseFilterString(ui->txtInput->text(), false);
    return true;
}

void WEditFilterRuleNumbers::setMatchCase(bool /*matchCase*/)
{
}
