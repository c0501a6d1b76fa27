// One system of a large installation changing: going down, coming back, or
// the alarm proxy model being connected to it or disconnected from it, as
// the system connections model and the connection map see it. Each figure
// is the median of --runs changes (each on another system), measured from
// the change to the end of the repaint it causes; the model and the map are
// measured apart, each the only follower of the change. The floor is the
// same change with nothing following it.
//
//   bench_SystemConnections [--sizes 1000,10000] [--runs N]
#include <configuration/AlarmModelConfiguration.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>
#include <systems/ConnectionMapWidget.h>
#include <systems/SysConnectModel.h>
#include <systems/SysConnectMonitor.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTableView>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

QString systemName(int i)
{
    return QStringLiteral("System%1").arg(i, 5, 10, QLatin1Char('0'));
}

// Systems numbered from 1, every other one with the proxy model connected.
void fill(int count, AlarmsProxyModel& proxy)
{
    QMap<unsigned int, SystemInfo> systems;
    QStringList connected;
    for (int i = 0; i < count; ++i) {
        systems.insert(unsigned(i + 1), SystemInfo(systemName(i), true));
        if (i % 2 == 0)
            connected << systemName(i);
    }
    SysConnectMonitor::getInstance()->setSystems(systems);
    proxy.setConnectedSystems(connected);
}

double medianOf(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The median time of runs changes, change(i) making the i-th.
double measure(int runs, const std::function<void(int)>& change)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        change(i);
        QApplication::processEvents();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return medianOf(times);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption sizesOption(QStringLiteral("sizes"), QStringLiteral("System counts."),
                                         QStringLiteral("N,N"), QStringLiteral("1000,10000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Changes per figure."),
                                        QStringLiteral("N"), QStringLiteral("21"));
    parser.addOptions({sizesOption, runsOption});
    parser.process(app);
    const int runs = parser.value(runsOption).toInt();
    QTextStream out(stdout);
    out << "One system changing among many (median of " << runs << " changes, ms, repaint included):" << Qt::endl;
    out << "  systems  follower          down      up   connect disconnect" << Qt::endl;
    SysConnectMonitor* monitor = SysConnectMonitor::getInstance();
    for (const QString& size : parser.value(sizesOption).split(QLatin1Char(','))) {
        const int count = size.toInt();
        for (const QString& follower : {QStringLiteral("none (floor)"), QStringLiteral("model in a table"),
                                        QStringLiteral("connection map")}) {
            QSharedPointer<AlarmsModel> alarms(new AlarmsModel(AlarmModelConfiguration(), nullptr));
            AlarmsProxyModel proxy(alarms, ProxyModelConfiguration());
            fill(count, proxy);
            std::unique_ptr<SysConnectModel> model;
            std::unique_ptr<QTableView> table;
            std::unique_ptr<ConnectionMapWidget> map;
            if (follower.startsWith(QLatin1String("model"))) {
                model.reset(new SysConnectModel(&proxy, true, nullptr));
                table.reset(new QTableView);
                table->setModel(model.get());
                table->resize(400, 300);
                table->show();
            } else if (follower.startsWith(QLatin1String("connection"))) {
                map.reset(new ConnectionMapWidget);
                map->setProxyModel(&proxy);
                map->resize(1200, 41);
                map->show();
            }
            QApplication::processEvents();
            // Spread over the systems, each run on another one.
            const auto system = [count, runs](int i) { return (i * (count / runs) + 1) & ~1; };
            const double down = measure(runs, [&](int i) { monitor->setSystemConnected(unsigned(system(i) + 1), false); });
            const double up = measure(runs, [&](int i) { monitor->setSystemConnected(unsigned(system(i) + 1), true); });
            const double disconnect = measure(runs, [&](int i) { proxy.disconnectFromSystem(systemName(system(i))); });
            const double connect = measure(runs, [&](int i) { proxy.connectToSystem(systemName(system(i))); });
            out << "  " << QString::number(count).leftJustified(8) << follower.leftJustified(16)
                << QString::number(down, 'f', 2).rightJustified(8) << QString::number(up, 'f', 2).rightJustified(8)
                << QString::number(connect, 'f', 2).rightJustified(9)
                << QString::number(disconnect, 'f', 2).rightJustified(10) << Qt::endl;
        }
    }
    return 0;
}
