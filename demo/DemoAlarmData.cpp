#include "DemoAlarmData.h"

#include <filtervalues/ValueFilterStringPattern.h>

DemoAlarmData::DemoAlarmData()
{
    const QStringList systems{QStringLiteral("Plant1"), QStringLiteral("Plant2"), QStringLiteral("Lab")};
    struct Template
    {
        const char* dpe;
        const char* text;
        int priority;
    };
    const Template templates[] = {
        {"Pump1.state", "Pump 1 failure", 80},        {"Pump2.state", "Pump 2 failure", 80},
        {"Valve12.position", "Valve 12 stuck", 60},   {"Tank3.level", "Tank 3 level high", 40},
        {"Tank3.level", "Tank 3 level low", 40},      {"Compressor.temp", "Compressor overheated", 90},
        {"Door.contact", "Door open", 10},            {"Feeder.power", "Feeder power lost", 95}};
    for (int s = 0; s < systems.size(); ++s) {
        for (int t = 0; t < int(sizeof(templates) / sizeof(templates[0])); ++t) {
            // Not every system has every device.
            if ((s + t) % 4 == 3)
                continue;
            const Template& tpl = templates[t];
            m_alarms.append({systems.at(s), systems.at(s) + QLatin1Char(':') + QLatin1String(tpl.dpe),
                             QLatin1String(tpl.text), tpl.priority});
        }
    }
}

QStringList DemoAlarmData::systems() const
{
    QStringList result;
    for (const Alarm& alarm : m_alarms) {
        if (!result.contains(alarm.system))
            result.append(alarm.system);
    }
    return result;
}

QStringList DemoAlarmData::dpesOfSystem(const QString& system) const
{
    QStringList result;
    for (const Alarm& alarm : m_alarms) {
        if (alarm.system == system && !result.contains(alarm.dpe))
            result.append(alarm.dpe);
    }
    return result;
}

QStringList DemoAlarmData::priorities() const
{
    QList<int> values;
    for (const Alarm& alarm : m_alarms) {
        if (!values.contains(alarm.priority))
            values.append(alarm.priority);
    }
    std::sort(values.begin(), values.end());
    QStringList result;
    for (int value : values)
        result.append(QString::number(value));
    return result;
}

QStringList DemoAlarmData::textsForDpePattern(const QString& pattern) const
{
    // The datapoint text typed may be a pattern list, as the pattern editors send it.
    ValueFilterStringPattern filter(WildcardConfig(), QStringLiteral("DPE"), Constants::ValueSourceAlarm, false);
    filter.setFilterText(pattern);
    QStringList result;
    for (const Alarm& alarm : m_alarms) {
        if ((filter.isEmpty() || filter.matchesText(alarm.dpe)) && !result.contains(alarm.text))
            result.append(alarm.text);
    }
    return result;
}
