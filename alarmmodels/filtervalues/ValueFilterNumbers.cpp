#include "filtervalues/ValueFilterNumbers.h"

#include "models/AlarmInstance.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// One rule, as the rule widgets document it, with "=" as a third operator.
const QRegularExpression& ruleExpression()
{
    static const QRegularExpression re(QStringLiteral("^(!)?([<>=])?(-?[\\d\\.]+)(?:-(-?[\\d\\.]+))?$"));
    return re;
}

const QRegularExpression& separators()
{
    static const QRegularExpression re(QStringLiteral("[,;\\s]+"));
    return re;
}

// A finite number; "1.2.3", "." and numbers beyond double are not.
bool toNumber(const QString& text, double& value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

ValueFilterNumbers::ValueFilterNumbers(const WildcardConfig& config, const QString& valueId,
                                       Constants::ValueSource source, bool matchCase)
    : ValueFilter(config, valueId, source, matchCase)
{
}

bool ValueFilterNumbers::parsePart(const QString& part, Rule& rule) const
{
    const QRegularExpressionMatch match = ruleExpression().match(part);
    if (!match.hasMatch())
        return false;
    const QString op = match.captured(2);
    const bool range = match.capturedLength(4) > 0;
    // "<1-5" compares with a range: no meaning, so not a rule.
    if (range && !op.isEmpty())
        return false;
    rule.negate = match.capturedLength(1) > 0;
    if (!toNumber(match.captured(3), rule.first))
        return false;
    rule.second = rule.first;
    if (range) {
        if (!toNumber(match.captured(4), rule.second))
            return false;
        if (rule.second < rule.first)
            std::swap(rule.first, rule.second);
        rule.op = OpRange;
    } else if (op == QLatin1String(">")) {
        rule.op = OpGreater;
    } else if (op == QLatin1String("<")) {
        rule.op = OpLess;
    } else {
        rule.op = OpEqual;
    }
    return true;
}

void ValueFilterNumbers::setFilterText(const QString& text)
{
    m_filterText = text;
    m_rules.clear();
    m_failedParts.clear();
    m_hasPositive = false;
    for (const QString& part : text.split(separators(), Qt::SkipEmptyParts)) {
        Rule rule{false, OpEqual, 0.0, 0.0};
        if (parsePart(part, rule)) {
            m_rules.append(rule);
            m_hasPositive = m_hasPositive || !rule.negate;
        } else {
            m_failedParts.append(part);
        }
    }
}

bool ValueFilterNumbers::Rule::hits(double value) const
{
    switch (op) {
    case OpGreater:
        return value > first;
    case OpLess:
        return value < first;
    case OpRange:
        return value >= first && value <= second;
    case OpEqual:
        break;
    }
    return value == first;
}

QString ValueFilterNumbers::Rule::text() const
{
    QString result = negate ? QStringLiteral("not ") : QString();
    switch (op) {
    case OpGreater:
        return result + QStringLiteral("greater than ") + numberText(first);
    case OpLess:
        return result + QStringLiteral("less than ") + numberText(first);
    case OpRange:
        return result + QStringLiteral("from %1 to %2").arg(numberText(first), numberText(second));
    case OpEqual:
        break;
    }
    return result + QStringLiteral("equal to ") + numberText(first);
}

QStringList ValueFilterNumbers::getAcceptedRules() const
{
    QStringList texts;
    for (const Rule& rule : m_rules)
        texts << rule.text();
    return texts;
}

bool ValueFilterNumbers::isEmpty() const
{
    return m_rules.isEmpty();
}

QString ValueFilterNumbers::toString() const
{
    return QStringLiteral("numbers ") + propertyText() + QStringLiteral(": ") + m_filterText;
}

bool ValueFilterNumbers::isEqual(const ValueFilter& other) const
{
    const auto* numbers = dynamic_cast<const ValueFilterNumbers*>(&other);
    return numbers && isSameProperty(other) && numbers->m_filterText == m_filterText;
}

bool ValueFilterNumbers::matchesNumber(double value) const
{
    bool included = !m_hasPositive;
    for (const Rule& rule : m_rules) {
        if (!rule.hits(value))
            continue;
        if (rule.negate)
            return false;
        included = true;
    }
    return included;
}

bool ValueFilterNumbers::matches(const AlarmInstance& alarm, const AlarmProp& prop) const
{
    const QVariant value = alarm.getProperty(prop, Qt::EditRole);
    // Integers read directly: converting them with toDouble() goes through
    // QVariant's generic conversion, which costs more than the rules.
    switch (value.userType()) {
    case QMetaType::Int:
        return matchesNumber(value.toInt());
    case QMetaType::LongLong:
        return matchesNumber(double(value.toLongLong()));
    case QMetaType::Double:
        return matchesNumber(value.toDouble());
    default:
        break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && matchesNumber(number);
}
