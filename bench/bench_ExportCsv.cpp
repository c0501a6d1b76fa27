// CSV export of the alarm table: 100,000 alarms of 15 columns in the
// alarm table model, grouped two levels deep (system, priority), written
// by ExporterCSV to a file. Beside it, in the same run, the floor: the same
// depth-first walk over data() writing the same bytes with a QTextStream
// on a QFile, once with '\n' and once with the stream's endl (a flush per
// line, as the exporter writes lines). Each figure is the best of --runs.
//
//   bench_ExportCsv [--alarms N] [--runs N] [--dir DIR]
#include <configuration/AlarmModelConfiguration.h>
#include <configuration/ProxyModelConfiguration.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <table/ExporterCSV.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>

#include <algorithm>
#include <functional>

namespace {

const int kSystems = 10;
const int kColumns = 15;

// The floor: the walk the exporter makes, with nothing but the writing.
class FloorWriter
{
public:
    FloorWriter(const QAbstractItemModel& model, int depth, bool endlPerLine)
        : m_model(model)
        , m_depth(depth)
        , m_endl(endlPerLine)
    {
    }

    void write(QTextStream& out, const QModelIndex& parent, int level)
    {
        const int rows = m_model.rowCount(parent);
        for (int r = 0; r < rows; ++r) {
            const QModelIndex index = m_model.index(r, 0, parent);
            if (level < m_depth) {
                for (int i = 0; i < level; ++i)
                    out << ',';
                out << escaped(index.data());
                endLine(out);
                write(out, index, level + 1);
                continue;
            }
            for (int i = 1; i < m_depth; ++i)
                out << ',';
            for (int c = 1; c <= kColumns; ++c)
                out << ',' << escaped(m_model.index(r, c, parent).data());
            endLine(out);
        }
    }

private:
    static QString escaped(const QVariant& value)
    {
        QString text = value.toString();
        if (text.contains(QLatin1Char(',')))
            text.replace(QLatin1Char(','), QStringLiteral("\\,"));
        return text;
    }
    void endLine(QTextStream& out)
    {
        if (m_endl)
            out << Qt::endl;
        else
            out << '\n';
    }

    const QAbstractItemModel& m_model;
    int m_depth;
    bool m_endl;
};

QByteArray digestOf(const QString& file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex().left(12);
}

// The best of runs timings of run, in milliseconds.
double bestOf(int runs, const std::function<void()>& run)
{
    qint64 best = -1;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        const qint64 ns = t.nsecsElapsed();
        best = best < 0 ? ns : std::min(best, ns);
    }
    return best / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption alarmsOption(QStringLiteral("alarms"), QStringLiteral("Alarm rows."),
                                          QStringLiteral("N"), QStringLiteral("100000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per figure."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Where the files are written."),
                                       QStringLiteral("DIR"));
    parser.addOptions({alarmsOption, runsOption, dirOption});
    parser.process(app);
    const int alarms = parser.value(alarmsOption).toInt();
    const int runs = parser.value(runsOption).toInt();
    QTemporaryDir scratch;
    const QDir dir(parser.isSet(dirOption) ? parser.value(dirOption) : scratch.path());

    AlarmModelConfiguration config;
    config.properties = {AlarmProp("SYSTEM", Constants::ValueSourceAlarm, AlarmProp::TypeText),
                         AlarmProp("TIME", Constants::ValueSourceAlarm, AlarmProp::TypeTime),
                         AlarmProp("PRIORITY", Constants::ValueSourceAlarm, AlarmProp::TypeInteger),
                         AlarmProp("ALERT_TEXT", Constants::ValueSourceAlarm, AlarmProp::TypeText)};
    for (int i = config.properties.size(); i < kColumns; ++i)
        config.properties.append(AlarmProp(QStringLiteral("ATTR%1").arg(i), Constants::ValueSourceAlarm,
                                           AlarmProp::TypeText));
    ProxyModelConfiguration columns;
    for (const AlarmProp& prop : config.properties)
        columns.columns.append({prop.getName(), prop.getName()});
    QSharedPointer<AlarmsModel> model(new AlarmsModel(config, nullptr));
    AlarmsProxyModel proxy(model, columns);
    QStringList systems;
    for (int s = 0; s < kSystems; ++s)
        systems << QStringLiteral("System%1").arg(s);
    proxy.setConnectedSystems(systems);
    GroupingConfiguration grouping;
    grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("SYSTEM"));
    grouping.addRule(GroupingConfiguration::GroupByValue, QStringLiteral("PRIORITY"));
    proxy.setGroupingConfiguration(grouping);

    AlarmList list;
    list.reserve(alarms);
    const QDateTime start = QDateTime::currentDateTime();
    for (int i = 0; i < alarms; ++i) {
        QSharedPointer<AlarmInstance> a(new AlarmInstance(i + 1, systems.at(i % kSystems)));
        a->setValue(model->getAlarmProperties().at(1), start.addMSecs(i));
        a->setValue(model->getAlarmProperties().at(2), i % 20);
        // Every 50th text has a comma, which is escaped.
        a->setValue(model->getAlarmProperties().at(3),
                    i % 50 ? QStringLiteral("Pump %1 failure").arg(i % 97) : QStringLiteral("Pump %1, valve stuck").arg(i % 97));
        for (int p = 4; p < kColumns; ++p)
            a->setValue(model->getAlarmProperties().at(p), QStringLiteral("value %1").arg((i + p) % 13));
        list.append(a);
    }
    model->addAlarms(list);
    QTreeView view;
    view.setModel(&proxy);

    ExporterCSV exporter(nullptr);
    const QString exported = dir.filePath(QStringLiteral("exporter.csv"));
    const QString floorFile = dir.filePath(QStringLiteral("floor.csv"));
    const QString floorEndlFile = dir.filePath(QStringLiteral("floor-endl.csv"));
    bool ok = true;
    const double exporterMs = bestOf(runs, [&] {
        ok = exporter.exportToCsv(&view, 2, exported, true, false, true, QStringList()) && ok;
    });
    auto floorRun = [&](const QString& file, bool endlPerLine) {
        return bestOf(runs, [&] {
            QFile out(file);
            out.open(QIODevice::WriteOnly | QIODevice::Truncate);
            QTextStream stream(&out);
            FloorWriter(proxy, 2, endlPerLine).write(stream, QModelIndex(), 0);
            stream.flush();
        });
    };
    const double floorMs = floorRun(floorFile, false);
    const double floorEndlMs = floorRun(floorEndlFile, true);

    const QByteArray digest = digestOf(exported);
    const bool same = ok && digest == digestOf(floorFile) && digest == digestOf(floorEndlFile);
    QTextStream out(stdout);
    out << "CSV export of " << alarms << " alarm rows x " << kColumns << " columns, grouped 2 levels ("
        << QFileInfo(exported).size() / 1024 << " KiB, best of " << runs << " runs):" << Qt::endl;
    out << "  ExporterCSV                         " << QString::number(exporterMs, 'f', 1) << " ms" << Qt::endl;
    out << "  floor: data() + QTextStream, '\\n'   " << QString::number(floorMs, 'f', 1) << " ms  (exporter "
        << QString::number(exporterMs / floorMs, 'f', 2) << "x)" << Qt::endl;
    out << "  floor: data() + QTextStream, endl   " << QString::number(floorEndlMs, 'f', 1) << " ms  (exporter "
        << QString::number(exporterMs / floorEndlMs, 'f', 2) << "x)" << Qt::endl;
    out << "  same bytes: " << (same ? "yes" : "NO") << Qt::endl;
    return same ? 0 : 1;
}
