// An alarm flood: alarms arrive in batches of 1,000 a second into the alarm
// table model (grouped by system, a text filter active) shown in a tree
// view, with a counter of the same filter counting along, while a 10 ms
// timer measures how late the event loop lets it run. The alarm model takes
// a batch in slices of --slice alarms, a slice per turn of the event loop.
// The floor is the same rows appended to a plain QStandardItemModel in the
// same view. Each mode runs in a process of its own, so that the memory
// figures are not mixed; without --mode both run, one after the other.
//
// Memory is the growth of the resident set over the flood, per alarm; the
// table's run then takes its parts down one by one and reports what each
// gave back to the heap, per alarm.
//
// Alarm times are local times. Without TZ, glibc reads /etc/localtime again
// for every local time conversion, a file system call that would be most of
// the cost of making the alarms (and of the floor's texts); TZ is set to the
// same zone so that both sides measure their models, not that call.
//
//   bench_AlarmFlood [--alarms N] [--batch N] [--interval MS] [--slice N] [--mode proxy|floor]
#include <configuration/AlarmModelConfiguration.h>
#include <configuration/ProxyModelConfiguration.h>
#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/ValueFilterText.h>
#include <models/AlarmsModel.h>
#include <models/AlarmTextPool.h>
#include <models/AlarmsProxyModel.h>
#include <statistics/FilterStatistics.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardItemModel>
#include <QTextStream>
#include <QTimer>
#include <QTreeView>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const int kSystems = 10;
const int kExtraProperties = 8;
const char* const kTexts[] = {"Pump %1 failure", "Valve %1 stuck", "Tank %1 level high", "Test alarm %1",
                              "Feeder %1 power failure"};

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

qint64 cpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Bytes the heap has handed out and not been given back.
qint64 heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

// Texts do not follow the systems, so that every system has alarms that pass.
QString textOf(int i)
{
    return QString::fromLatin1(kTexts[(i / kSystems) % 5]).arg(i % 97);
}

// The filter of the flood: texts ending in "failure", none starting with "Test".
bool passesFilter(int i)
{
    const QString text = textOf(i);
    return text.endsWith(QLatin1String("failure")) && !text.startsWith(QLatin1String("Test"));
}

struct Figures
{
    qint64 worstLateNs = 0;
    qint64 batchNsTotal = 0;
    qint64 batchNsWorst = 0;
    qint64 cpuNs = 0;
    int batches = 0;
    // The lateness of every probe, to tell a rare stall from a steady one.
    QVector<qint64> lateNs;

    qint64 percentileLateNs(double p) const
    {
        if (lateNs.isEmpty())
            return 0;
        QVector<qint64> sorted = lateNs;
        std::sort(sorted.begin(), sorted.end());
        return sorted.at(std::min(sorted.size() - 1, int(p * sorted.size())));
    }
};

// Runs add(batchIndex) every interval until batches are done, probing the
// event loop's lateness with a 10 ms timer.
Figures runFlood(int batches, int intervalMs, const std::function<void(int)>& add)
{
    Figures f;
    const qint64 cpuStart = cpuNs();
    QElapsedTimer clock;
    clock.start();
    QTimer probe;
    qint64 expected = 10'000'000;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        f.worstLateNs = std::max(f.worstLateNs, now - expected);
        f.lateNs.append(now - expected);
        expected = now + 10'000'000;
    });
    probe.start(10);
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        QElapsedTimer batch;
        batch.start();
        add(f.batches);
        const qint64 ns = batch.nsecsElapsed();
        f.batchNsTotal += ns;
        f.batchNsWorst = std::max(f.batchNsWorst, ns);
        if (++f.batches == batches) {
            feeder.stop();
            QTimer::singleShot(intervalMs, qApp, &QCoreApplication::quit);
        }
    });
    feeder.start(intervalMs);
    qApp->exec();
    f.cpuNs = cpuNs() - cpuStart;
    return f;
}

void report(const QString& mode, const Figures& f, int alarms, long rssGrowthKiB, const QString& counts)
{
    QTextStream(stdout) << mode << ": " << alarms << " alarms in " << f.batches << " batches; batch mean "
                        << QString::number(f.batchNsTotal / 1e6 / std::max(1, f.batches), 'f', 2) << " ms, worst "
                        << QString::number(f.batchNsWorst / 1e6, 'f', 2) << " ms; CPU a batch "
                        << QString::number(f.cpuNs / 1e6 / std::max(1, f.batches), 'f', 1)
                        << " ms; worst event-loop latency " << QString::number(f.worstLateNs / 1e6, 'f', 1)
                        << " ms (99% of probes within " << QString::number(f.percentileLateNs(0.99) / 1e6, 'f', 1)
                        << " ms); memory +" << rssGrowthKiB / 1024 << " MiB, "
                        << rssGrowthKiB * 1024 / std::max(1, alarms) << " bytes an alarm; " << counts << Qt::endl;
}

QString perAlarm(qint64 bytes, int alarms)
{
    return QString::number(bytes / std::max(1, alarms));
}

int runProxy(int alarms, int batch, int intervalMs, int slice)
{
    AlarmModelConfiguration config;
    config.properties = {AlarmProp("SYSTEM", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                         AlarmProp("TIME", Constants::ValueSourceAlarm, AlarmProp::TypeTime),
                         AlarmProp("PRIORITY", Constants::ValueSourceAlarm, AlarmProp::TypeInteger),
                         AlarmProp("DPE", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                         AlarmProp("ALERT_TEXT", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                         AlarmProp("ACK_STATE", Constants::ValueSourceAlarm, AlarmProp::TypeInteger),
                         AlarmProp("DIRECTION", Constants::ValueSourceAlarm, AlarmProp::TypeBool)};
    for (int i = 0; i < kExtraProperties; ++i)
        config.properties.append(AlarmProp(QStringLiteral("ATTR%1").arg(i), Constants::ValueSourceAlarm,
                                           AlarmProp::TypeText));
    ProxyModelConfiguration columns;
    for (const AlarmProp& prop : config.properties)
        columns.columns.append({prop.getName(), QString()});
    const long rssBefore = residentKiB();

    QSharedPointer<AlarmsModel> model(new AlarmsModel(config, nullptr));
    model->setSliceSize(slice);
    std::unique_ptr<AlarmsProxyModel> owned(new AlarmsProxyModel(model, columns));
    AlarmsProxyModel& proxy = *owned;
    QStringList systems;
    for (int s = 0; s < kSystems; ++s)
        systems << QStringLiteral("System%1").arg(s);
    proxy.setConnectedSystems(systems);
    GroupingConfiguration grouping;
    grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("SYSTEM"));
    proxy.setGroupingConfiguration(grouping);
    WildcardConfig wc;
    QSharedPointer<ValueFilterText> text(new ValueFilterText(wc, "ALERT_TEXT", Constants::ValueSourceAlarm, false));
    text->addItem(QStringLiteral("* failure"), ValueFilterTextItem::MatchWildcard, false);
    text->addItem(QStringLiteral("^Test"), ValueFilterTextItem::MatchRegExp, true);
    FilterRuleSet set(wc, true, false);
    set.addValueFilter(text);
    SourceAndFilter filter;
    filter.setRuleContainer(QSharedPointer<FilterRuleContainer>(new FilterRuleContainer(wc, {set}, false)));
    proxy.setFilter(filter);
    // A counter of the same filter, counting as the alarms arrive.
    std::unique_ptr<FilterStatistics> ownedCounter(new FilterStatistics(model, filter, nullptr));
    FilterStatistics& counter = *ownedCounter;

    std::unique_ptr<QTreeView> ownedView(new QTreeView);
    QTreeView& view = *ownedView;
    view.setUniformRowHeights(true);
    view.setModel(&proxy);
    view.resize(1200, 800);
    view.show();
    // The operator keeps every system's group open.
    QObject::connect(&proxy, &QAbstractItemModel::rowsInserted, [&](const QModelIndex& parent, int first, int last) {
        if (!parent.isValid()) {
            for (int r = first; r <= last; ++r)
                view.expand(proxy.index(r, 0));
        }
    });
    // How long a batch takes from its arrival until the last of its slices is in.
    QElapsedTimer arrival;
    qint64 takenNsWorst = 0;
    QObject::connect(model.data(), &AlarmsModel::alarmCountChanged, [&] {
        if (model->getPendingCount() == 0 && arrival.isValid())
            takenNsWorst = std::max(takenNsWorst, arrival.nsecsElapsed());
    });

    const AlarmProp time = model->findProperty("TIME");
    const AlarmProp prio = model->findProperty("PRIORITY");
    const AlarmProp dpe = model->findProperty("DPE");
    const AlarmProp alertText = model->findProperty("ALERT_TEXT");
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    const Figures f = runFlood(alarms / batch, intervalMs, [&](int b) {
        arrival.start();
        AlarmList list;
        list.reserve(batch);
        for (int i = b * batch; i < (b + 1) * batch; ++i) {
            QSharedPointer<AlarmInstance> a = model->createAlarm(i + 1, systems.at(i % kSystems));
            a->setValue(time, QDateTime::fromMSecsSinceEpoch(start + i));
            a->setValue(prio, i % 100);
            a->setValue(dpe, QStringLiteral("%1:Device%2.state").arg(systems.at(i % kSystems)).arg(i % 500));
            a->setValue(alertText, textOf(i));
            const QString value = QStringLiteral("value %1").arg(i % 13);
            for (int p = 0; p < kExtraProperties; ++p)
                a->setValue(model->getAlarmProperties().at(7 + p), value);
            list.append(a);
        }
        model->addAlarms(list);
    });
    // The last slices, should the loop have stopped before they were in.
    while (model->getPendingCount() > 0)
        QCoreApplication::processEvents();
    const long rssGrowth = residentKiB() - rssBefore;
    int expected = 0;
    for (int i = 0; i < alarms; ++i)
        expected += passesFilter(i) ? 1 : 0;
    int inGroups = 0;
    for (int r = 0; r < proxy.rowCount(); ++r)
        inGroups += proxy.rowCount(proxy.index(r, 0));
    const int counted = counter.getCount(FilterStatistics::CountAll);
    FilterStatistics recount(model, filter, nullptr);
    const bool exact = proxy.getShownAlarmCount() == expected && inGroups == expected
        && proxy.getConnectedAlarmCount() == alarms && proxy.rowCount() == kSystems && counted == expected
        && recount.getCount(FilterStatistics::CountAll) == expected
        && recount.getCount(FilterStatistics::CountUnacknowledged) == counter.getCount(FilterStatistics::CountUnacknowledged);
    report(QStringLiteral("alarm table model, grouped, filtered, slices of %1").arg(slice), f, alarms, rssGrowth,
           QStringLiteral("batch in after %1 ms at worst; shown %2 (expected %3, in groups %4), %5 groups, counter %6 "
                          "(recount %7): counts %8")
               .arg(QString::number(takenNsWorst / 1e6, 'f', 1))
               .arg(proxy.getShownAlarmCount())
               .arg(expected)
               .arg(inGroups)
               .arg(proxy.rowCount())
               .arg(counted)
               .arg(recount.getCount(FilterStatistics::CountAll))
               .arg(exact ? "exact" : "WRONG"));

    // Where the memory went: what each part gives back when it goes.
    const int texts = AlarmTextPool::size();
    qint64 heap = heapBytes();
    auto freed = [&heap] {
        const qint64 now = heapBytes();
        const qint64 d = heap - now;
        heap = now;
        return d;
    };
    ownedView.reset();
    const qint64 viewBytes = freed();
    owned.reset();
    const qint64 proxyBytes = freed();
    ownedCounter.reset();
    const qint64 counterBytes = freed();
    // The alarms outlive the model's index in a list of their own, whose size is known.
    AlarmList kept;
    kept.reserve(model->getAlarmCount());
    for (const AlarmPtr& alarm : model->getAlarms())
        kept.append(alarm);
    const qint64 keptBytes = qint64(kept.capacity()) * qint64(sizeof(AlarmPtr));
    freed();
    model->clear();
    const qint64 indexBytes = freed();
    kept = AlarmList();
    const qint64 alarmBytes = freed() - keptBytes;
    QTextStream(stdout) << "  heap, bytes an alarm: alarm instances " << perAlarm(alarmBytes, alarms)
                        << ", the model's index " << perAlarm(indexBytes, alarms) << ", table rows and groups "
                        << perAlarm(proxyBytes, alarms) << ", counter " << perAlarm(counterBytes, alarms)
                        << ", tree view " << perAlarm(viewBytes, alarms) << "; " << texts << " shared texts"
                        << Qt::endl;
    return exact ? 0 : 1;
}

int runFloor(int alarms, int batch, int intervalMs)
{
    const long rssBefore = residentKiB();
    QStandardItemModel model(0, 7 + kExtraProperties);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(1200, 800);
    view.show();
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    const Figures f = runFlood(alarms / batch, intervalMs, [&](int b) {
        for (int i = b * batch; i < (b + 1) * batch; ++i) {
            const QString value = QStringLiteral("value %1").arg(i % 13);
            QList<QStandardItem*> row;
            row << new QStandardItem(QStringLiteral("System%1").arg(i % kSystems))
                << new QStandardItem(QDateTime::fromMSecsSinceEpoch(start + i).toString(QStringLiteral("yyyy.MM.dd hh:mm:ss")))
                << new QStandardItem(QString::number(i % 100))
                << new QStandardItem(QStringLiteral("System%1:Device%2.state").arg(i % kSystems).arg(i % 500))
                << new QStandardItem(textOf(i)) << new QStandardItem(QStringLiteral("unacknowledged"))
                << new QStandardItem(QStringLiteral("came"));
            for (int p = 0; p < kExtraProperties; ++p)
                row << new QStandardItem(value);
            model.appendRow(row);
        }
    });
    report(QStringLiteral("floor: QStandardItemModel, flat"), f, alarms, residentKiB() - rssBefore,
           QStringLiteral("rows %1").arg(model.rowCount()));
    return model.rowCount() == alarms ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption alarmsOption("alarms", "Alarms in all (100000).", "N", "100000");
    const QCommandLineOption batchOption("batch", "Alarms a batch (1000).", "N", "1000");
    const QCommandLineOption intervalOption("interval", "Milliseconds between batches (1000).", "MS", "1000");
    const QCommandLineOption sliceOption("slice", "Alarms the model takes in a turn of the event loop (2000).", "N",
                                         "2000");
    const QCommandLineOption modeOption("mode", "proxy or floor; both when not given.", "MODE");
    parser.addOptions({alarmsOption, batchOption, intervalOption, sliceOption, modeOption});
    parser.process(app);
    const int alarms = parser.value(alarmsOption).toInt();
    const int batch = std::max(1, parser.value(batchOption).toInt());
    const int interval = parser.value(intervalOption).toInt();
    if (parser.value(modeOption) == QLatin1String("proxy"))
        return runProxy(alarms, batch, interval, parser.value(sliceOption).toInt());
    if (parser.value(modeOption) == QLatin1String("floor"))
        return runFloor(alarms, batch, interval);
    int rc = 0;
    for (const char* mode : {"floor", "proxy"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QStringList args = app.arguments().mid(1);
        args << "--mode" << mode;
        child.start(app.applicationFilePath(), args);
        child.waitForFinished(-1);
        rc |= child.exitCode();
    }
    return rc;
}
