#include "filters/WSpinboxFilterRuleNumbers.h"

#include "ui_WSpinboxFilterRuleNumbers.h"

#include <QDebug>
#include <QSpinBox>

#include <climits>

WSpinboxFilterRuleNumbers::WSpinboxFilterRuleNumbers(const WildcardConfig& wildcardConfig, const QString& columnId,
                                                     Constants::ValueSource source, QWidget* parent,
                                                     const QString& op, int minimum, int maximum, int value)
    : WFilter(wildcardConfig, columnId, source, parent)
    , ValueFilterNumbers(wildcardConfig, columnId, source, false)
    , ui(new Ui_WSpinboxFilterRuleNumbers)
    , m_operator(op)
{
    ui->setupUi(this);
    ui->spinBox->setMinimum(minimum);
    ui->spinBox->setMaximum(maximum);
    ui->spinBox->setValue(value);
    // Connected only now, so that the initial value sets no filter.
    connect(ui->spinBox, SIGNAL(valueChanged(int)), this, SLOT(parseSpinboxInput(int)));
}

WSpinboxFilterRuleNumbers::~WSpinboxFilterRuleNumbers()
{
    delete ui;
}

void WSpinboxFilterRuleNumbers::parseSpinboxInput(int value)
{
    // The rule syntax has no ">=" and "<=": integers make them ">" and "<"
    // of the neighbouring number.
    QString text;
    if (m_operator == QLatin1String(">=")) {
        text = QStringLiteral(">") + QString::number(qint64(value) - 1);
    } else if (m_operator == QLatin1String("<=")) {
        text = QStringLiteral("<") + QString::number(qint64(value) + 1);
    } else if (m_operator == QLatin1String("=") || m_operator == QLatin1String(">")
               || m_operator == QLatin1String("<")) {
        text = m_operator + QString::number(value);
    } else {
        qDebug().noquote().nospace() << "Not a valid operator: " << m_operator;
        return;
    }
    parseFilterString(text);
}

void WSpinboxFilterRuleNumbers::parseFilterString(const QString& text)
{
    setFilterText(text);
    emit filterChanged();
}

QSharedPointer<ValueFilter> WSpinboxFilterRuleNumbers::getFilter(bool /*matchCase*/)
{
    if (ValueFilterNumbers::isEmpty())
        return QSharedPointer<ValueFilter>();
    return QSharedPointer<ValueFilter>(new ValueFilterNumbers(*this));
}

bool WSpinboxFilterRuleNumbers::setFilter(const QSharedPointer<ValueFilter>& filter, bool /*matchCase*/,
                                          QString& errMsg)
{
    if (!isPropertyMatch(filter, errMsg))
        return false;
    const auto* numbers = dynamic_cast<const ValueFilterNumbers*>(filter.data());
    if (!numbers)
        return false;
    const QString text = numbers->getFilterText();
    qint64 digits = 0;
    int adjustment = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            digits = qMin<qint64>(digits * 10 + c.digitValue(), INT_MAX);
        else if (c == QLatin1Char('>'))
            adjustment = 1;
        else if (c == QLatin1Char('<'))
            adjustment = -1;
    }
    // A changed value rewrites the text through parseSpinboxInput; the
    // stored text is set again below so that it ends as given.
    ui->spinBox->setValue(int(qBound<qint64>(INT_MIN, digits + adjustment, INT_MAX)));
    parseFilterString(text);
    return true;
}

void WSpinboxFilterRuleNumbers::setMatchCase(bool /*matchCase*/)
{
}
