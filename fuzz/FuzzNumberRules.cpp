// Feeds arbitrary text to the numeric rule parser, then matches a few
// alarm priorities. Every part of the text must come out either as an
// accepted rule or as a failed part, and a rule set must behave like the
// union of its rules without "!" less the union of its rules with "!".
#include <filtervalues/ValueFilterNumbers.h>
#include <models/AlarmInstance.h>

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

const double kValues[] = {-1e300, -2.5, -1, 0, 0.5, 1, 2, 9, 10, 55, 1e300};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static WildcardConfig config;
    static AlarmProp priority(QStringLiteral("PRIORITY"), Constants::ValueSourceAlarm, AlarmProp::TypeInteger);
    priority.setIndex(0);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    ValueFilterNumbers filter(config, QStringLiteral("PRIORITY"), Constants::ValueSourceAlarm, false);
    filter.setFilterText(text);
    if (filter.getFilterText() != text || filter.isEmpty() != filter.getAcceptedRules().isEmpty())
        abort();
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
    if (filter.getAcceptedRules().size() + filter.getFailedParts().size() != parts.size())
        abort();

    // Each accepted rule alone, to compare the whole set with.
    QVector<ValueFilterNumbers> rules;
    for (const QString& part : parts) {
        ValueFilterNumbers single(config, QStringLiteral("PRIORITY"), Constants::ValueSourceAlarm, false);
        single.setFilterText(part);
        if (!single.isEmpty())
            rules << single;
    }
    for (double value : kValues) {
        bool anyPositive = false;
        bool positiveHit = false;
        bool negativeHit = false;
        for (const ValueFilterNumbers& rule : rules) {
            const bool negated = rule.getFilterText().startsWith(QLatin1Char('!'));
            const bool hit = negated ? !rule.matchesNumber(value) : rule.matchesNumber(value);
            anyPositive = anyPositive || !negated;
            positiveHit = positiveHit || (!negated && hit);
            negativeHit = negativeHit || (negated && hit);
        }
        const bool expected = (positiveHit || !anyPositive) && !negativeHit;
        AlarmInstance alarm(1, QStringLiteral("System1"));
        alarm.setValue(priority, value);
        if (filter.matchesNumber(value) != expected || filter.matches(alarm, priority) != expected)
            abort();
    }
    return 0;
}
