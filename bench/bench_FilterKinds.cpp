// Matching 100,000 alarms against one filter set that uses the filter of
// every filter widget kind: text rules, a pattern list, numeric rules, the
// one rule of a spin box, a date comparison, a single value, a fixed filter
// and a fixed group. The floor reads the same properties of the same
// alarms (the shown text for the text rule and the pattern list, the typed
// value for the others) in the same run, without comparing anything. Each figure is
// the best of --runs.
//
//   bench_FilterKinds [--alarms N] [--runs N]
#include <configuration/AlarmModelConfiguration.h>
#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/ValueFilterDate.h>
#include <filtervalues/ValueFilterFixed.h>
#include <filtervalues/ValueFilterFixedMulti.h>
#include <filtervalues/ValueFilterNumbers.h>
#include <filtervalues/ValueFilterSingleValue.h>
#include <filtervalues/ValueFilterStringPattern.h>
#include <filtervalues/ValueFilterText.h>
#include <models/AlarmMatcher.h>
#include <models/AlarmsModel.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

const int kSystems = 10;
const char* const kTexts[] = {"Pump %1 failure", "Valve %1 stuck", "Tank %1 level high", "Test alarm %1",
                              "Feeder %1 power failure"};
const Constants::ValueSource kAlarm = Constants::ValueSourceAlarm;

QSharedPointer<AlarmsModel> buildModel(int alarms, const QDateTime& start)
{
    AlarmModelConfiguration config;
    config.properties = {AlarmProp("SYSTEM", kAlarm, AlarmProp::TypeText), AlarmProp("TIME", kAlarm, AlarmProp::TypeTime),
                         AlarmProp("PRIORITY", kAlarm, AlarmProp::TypeInteger),
                         AlarmProp("ALERT_TEXT", kAlarm, AlarmProp::TypeText),
                         AlarmProp("DPE", kAlarm, AlarmProp::TypeText),
                         AlarmProp("ACK_STATE", kAlarm, AlarmProp::TypeInteger),
                         AlarmProp("DIRECTION", kAlarm, AlarmProp::TypeBool)};
    QSharedPointer<AlarmsModel> model(new AlarmsModel(config, nullptr));
    const AlarmProp time = model->findProperty("TIME");
    const AlarmProp prio = model->findProperty("PRIORITY");
    const AlarmProp text = model->findProperty("ALERT_TEXT");
    const AlarmProp dpe = model->findProperty("DPE");
    AlarmList list;
    for (int i = 0; i < alarms; ++i) {
        QSharedPointer<AlarmInstance> a(new AlarmInstance(i + 1, QStringLiteral("System%1").arg(i % kSystems)));
        a->setValue(time, start.addSecs(i));
        a->setValue(prio, i % 100);
        a->setValue(text, QString::fromLatin1(kTexts[(i / kSystems) % 5]).arg(i % 97));
        a->setValue(dpe, QStringLiteral("System%1:Device%2.state").arg(i % kSystems).arg(i % 500));
        a->setAckState(i % 3 ? AlarmInstance::Unacknowledged : AlarmInstance::Acknowledged);
        a->setWent(i % 4 == 0);
        list << a;
    }
    model->addAlarms(list);
    return model;
}

// Loose filters first, so that most alarms go through every kind.
SourceAndFilter buildFilter(const WildcardConfig& wc, const QDateTime& start, int alarms)
{
    FilterRuleSet set(wc, true, false);
    auto fixedGroup = QSharedPointer<ValueFilterFixedMulti>::create(wc, "DIRECTION", kAlarm, false);
    fixedGroup->addFixedFilter("came", true);
    fixedGroup->addFixedFilter("went", true);
    set.addValueFilter(fixedGroup);
    auto numbers = QSharedPointer<ValueFilterNumbers>::create(wc, "PRIORITY", kAlarm, false);
    numbers->setFilterText(">2 !55 !70-72");
    set.addValueFilter(numbers);
    auto atLeast = QSharedPointer<ValueFilterNumbers>::create(wc, "PRIORITY", kAlarm, false);
    atLeast->setFilterText(">1");
    set.addValueFilter(atLeast);
    auto patterns = QSharedPointer<ValueFilterStringPattern>::create(wc, "DPE", kAlarm, false);
    patterns->setFilterText("*Device*.state; *Valve*");
    set.addValueFilter(patterns);
    auto date = QSharedPointer<ValueFilterDate>::create(wc, "TIME", kAlarm, false);
    date->setComparisonMethod(ValueFilterDate::CompareBetween);
    date->setFirstDate(start);
    date->setSecondDate(start.addSecs(alarms - alarms / 20));
    set.addValueFilter(date);
    auto text = QSharedPointer<ValueFilterText>::create(wc, "ALERT_TEXT", kAlarm, false);
    text->addItem("Test*", 1, true);
    set.addValueFilter(text);
    set.addValueFilter(QSharedPointer<ValueFilterFixed>::create(wc, "ACK_STATE", kAlarm, false, "unacknowledged", true));
    auto single = QSharedPointer<ValueFilterSingleValue>::create(wc, "SYSTEM", kAlarm, false);
    single->setFilterValue(QStringLiteral("System3"));
    set.addValueFilter(single);
    SourceAndFilter filter;
    filter.setRuleContainer(QSharedPointer<FilterRuleContainer>::create(wc, QList<FilterRuleSet>{set}, false));
    return filter;
}

// The shortest of runs timings of work and best (none when negative), in nanoseconds.
qint64 bestOf(int runs, const std::function<void()>& work, qint64 best = -1);

// Milliseconds of matching the alarms against filter, and how many pass.
QString matchFigure(const SourceAndFilter& filter, const AlarmsModel& model, const QVector<AlarmPtr>& list, int runs,
                    const WildcardConfig& wc)
{
    AlarmMatcher matcher;
    matcher.setFilter(filter, model, &wc);
    int passed = 0;
    const qint64 ns = bestOf(runs, [&] {
        passed = 0;
        for (const AlarmPtr& alarm : list)
            passed += matcher.accepts(*alarm) ? 1 : 0;
    });
    return QStringLiteral("%1 ms (%2 pass)").arg(ns / 1e6, 0, 'f', 1).arg(passed);
}

// Each filter of the set alone, to see which kind costs what.
void printKinds(const SourceAndFilter& filter, const AlarmsModel& model, const QVector<AlarmPtr>& list, int runs,
                const WildcardConfig& wc)
{
    for (const QSharedPointer<ValueFilter>& value : filter.getRuleContainer()->getRuleSets().first().getValueFilters()) {
        FilterRuleSet one(wc, true, false);
        one.addValueFilter(value);
        SourceAndFilter alone;
        alone.setRuleContainer(QSharedPointer<FilterRuleContainer>::create(wc, QList<FilterRuleSet>{one}, false));
        QTextStream(stdout) << "  alone: " << value->toString() << ": " << matchFigure(alone, model, list, runs, wc)
                            << Qt::endl;
    }
}

qint64 bestOf(int runs, const std::function<void()>& work, qint64 best)
{
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        const qint64 ns = timer.nsecsElapsed();
        best = best < 0 ? ns : std::min(best, ns);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"alarms", "Number of alarms.", "N", "100000"}, {"runs", "Runs per figure.", "N", "9"}});
    parser.addHelpOption();
    parser.process(app);
    const int alarms = std::max(1, parser.value("alarms").toInt());
    const int runs = std::max(1, parser.value("runs").toInt());

    const QDateTime start(QDate(2026, 1, 1), QTime(0, 0));
    const QSharedPointer<AlarmsModel> model = buildModel(alarms, start);
    WildcardConfig wc;
    const SourceAndFilter filter = buildFilter(wc, start, alarms);
    AlarmMatcher matcher;
    matcher.setFilter(filter, *model, &wc);
    QVector<AlarmPtr> list;
    for (const AlarmPtr& alarm : model->getAlarms())
        list << alarm;
    QVector<AlarmProp> typed;
    for (const char* name : {"SYSTEM", "TIME", "PRIORITY", "ACK_STATE", "DIRECTION"})
        typed << model->findProperty(QLatin1String(name));
    const AlarmProp text = model->findProperty("ALERT_TEXT");
    const AlarmProp dpe = model->findProperty("DPE");

    // Matching and floor take turns, so that a busy machine slows both alike.
    int passed = 0;
    qint64 sink = 0;
    qint64 match = -1;
    qint64 floor = -1;
    for (int r = 0; r < runs; ++r) {
        match = bestOf(1, [&] {
            passed = 0;
            for (const AlarmPtr& alarm : list)
                passed += matcher.accepts(*alarm) ? 1 : 0;
        }, match);
        floor = bestOf(1, [&] {
            for (const AlarmPtr& alarm : list) {
                sink += alarm->getDisplayText(text).size() + alarm->getDisplayText(dpe).size();
                for (const AlarmProp& prop : typed)
                    sink += alarm->getProperty(prop, Qt::EditRole).isValid() ? 1 : 0;
            }
        }, floor);
    }
    QTextStream(stdout) << alarms << " alarms, 8 filters of 7 widget kinds in one set (" << passed << " pass): matching "
                        << QString::number(match / 1e6, 'f', 1) << " ms, floor (reading the same properties) "
                        << QString::number(floor / 1e6, 'f', 1) << " ms, ratio "
                        << QString::number(double(match) / double(floor), 'f', 2) << " (checksum " << sink % 7
                        << ")" << Qt::endl;
    printKinds(filter, *model, list, runs, wc);
    return 0;
}
