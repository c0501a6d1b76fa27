#include "DemoPatternTyping.h"
#include "DemoWindow.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <scripts/Controller.h>
#include <configuration/JsonParser.h>
#include <environment/Resources.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QPainter>
#include <QTextStream>
#include <QTimer>

namespace {

QString defaultProjectDir()
{
    // The demo project sits beside the sources; the build tree knows where.
    return QStringLiteral(QVAS_DEMO_PROJECT_DIR);
}

// The window with any popup or dialog open over it, composed from their own
// grabs (each is a window of its own).
QPixmap screenshotOf(QWidget* window)
{
    QList<QWidget*> popups;
    QRect area = window->geometry();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = top->windowType();
        if (top != window && top->isVisible() && (type == Qt::Popup || type == Qt::Dialog)) {
            popups.append(top);
            area |= top->geometry();
        }
    }
    if (popups.isEmpty())
        return window->grab();
    QPixmap shot(area.size());
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    for (QWidget* popup : popups)
        painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    return shot;
}

bool writeScreenshot(QWidget* window, const QString& file)
{
    const QPixmap shot = screenshotOf(window);
    if (shot.isNull() || !shot.save(file, "PNG")) {
        QTextStream(stderr) << "qvas-demo: cannot write screenshot " << file << Qt::endl;
        return false;
    }
    return true;
}

// A left click at the left end of widget, as the operator gives it.
void clickWidget(QWidget* widget)
{
    const QPoint pos(2, widget->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvas-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Host alarm screen over simulated alarms."));
    parser.addHelpOption();
    const QCommandLineOption projectOption(QStringLiteral("project"),
                                           QStringLiteral("The demo project folder."),
                                           QStringLiteral("DIR"), defaultProjectDir());
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Write the window as PNG to FILE and exit."),
                                              QStringLiteral("FILE"));
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("The page shown first: alarms, filters, colours or completions."),
                                        QStringLiteral("NAME"), QStringLiteral("alarms"));
    const QCommandLineOption configOption(QStringLiteral("config"),
                                          QStringLiteral("The alarm screen configuration (JSON); default "
                                                         "config/alarmscreen.json in the project folder."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption historyOption(QStringLiteral("history"),
                                           QStringLiteral("Start with the source control in history mode."));
    const QCommandLineOption popupOption(QStringLiteral("popup"),
                                         QStringLiteral("Open a source popup: systems or timerange."),
                                         QStringLiteral("NAME"));
    const QCommandLineOption roleOption(QStringLiteral("role"),
                                        QStringLiteral("The operator's role: operator, engineer or administrator."),
                                        QStringLiteral("ROLE"), QStringLiteral("operator"));
    parser.addOption(projectOption);
    parser.addOption(screenshotOption);
    parser.addOption(pageOption);
    parser.addOption(roleOption);
    parser.addOption(configOption);
    parser.addOption(historyOption);
    const QCommandLineOption queryOption(QStringLiteral("run-query"),
                                         QStringLiteral("Apply history mode at start: runs a simulated archive query."));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
                                         QStringLiteral("Milliseconds before the screenshot is taken (default 600)."),
                                         QStringLiteral("MS"), QStringLiteral("600"));
    const QCommandLineOption groupingOption(QStringLiteral("grouping"),
                                            QStringLiteral("Group the alarm table: none, system or system-priority."),
                                            QStringLiteral("NAME"));
    parser.addOption(groupingOption);
    const QCommandLineOption panelOption(QStringLiteral("panel"),
                                         QStringLiteral("The source-and-filters panel: plugin, builtin or none "
                                                        "(default: as configured)."),
                                         QStringLiteral("KIND"));
    const QCommandLineOption quickOption(QStringLiteral("quick"),
                                         QStringLiteral("Type TEXT into the quick filter and finish editing."),
                                         QStringLiteral("TEXT"));
    parser.addOption(panelOption);
    const QCommandLineOption loadFilterOption(QStringLiteral("load-filter"),
                                              QStringLiteral("Show and apply a stored filter file, as Load Filter does."),
                                              QStringLiteral("FILE"));
    const QCommandLineOption editFilterOption(QStringLiteral("edit-filter"),
                                              QStringLiteral("Add a filter set tab without applying it."));
    parser.addOption(loadFilterOption);
    const QCommandLineOption counterOption(QStringLiteral("counter"),
                                           QStringLiteral("Click a filter counter at start: unack, prio80 or a system."),
                                           QStringLiteral("ID"));
    parser.addOption(counterOption);
    const QCommandLineOption alarmMenuOption(QStringLiteral("alarm-menu"),
                                             QStringLiteral("Open the script-described menu of the first alarm row."));
    parser.addOption(alarmMenuOption);
    parser.addOption(editFilterOption);
    const QCommandLineOption queryPopupOption(QStringLiteral("query-popup"),
                                              QStringLiteral("Open the query state popup below its button."));
    parser.addOption(queryPopupOption);
    const QCommandLineOption collapseOption(QStringLiteral("collapse-source"),
                                            QStringLiteral("Move the source-and-filters area into its spoiler, "
                                                           "collapsed."));
    parser.addOption(collapseOption);
    const QCommandLineOption setJsonOption(QStringLiteral("set-json"),
                                           QStringLiteral("Set TEXT as the layout JSON of the \"Equipment\" filter "
                                                          "set, as the Filter sets page does."),
                                           QStringLiteral("TEXT"));
    parser.addOption(setJsonOption);
    parser.addOption(quickOption);
    const QCommandLineOption systemsDialogOption(QStringLiteral("systems-dialog"),
                                                 QStringLiteral("Open the \"System Connections\" dialog, as a click "
                                                                "on the connection map does."));
    const QCommandLineOption disconnectOption(QStringLiteral("disconnect"),
                                              QStringLiteral("Disconnect the live table from SYSTEM at start."),
                                              QStringLiteral("SYSTEM"));
    const QCommandLineOption downOption(QStringLiteral("system-down"),
                                        QStringLiteral("The simulated plant takes SYSTEM down at start."),
                                        QStringLiteral("SYSTEM"));
    const QCommandLineOption exportOption(QStringLiteral("export-csv"),
                                          QStringLiteral("Write the alarm table as CSV to FILE (all rows, headers, "
                                                         "grouping) and exit."),
                                          QStringLiteral("FILE"));
    parser.addOptions({systemsDialogOption, disconnectOption, downOption, exportOption});
    const QCommandLineOption patternOption(QStringLiteral("pattern"),
                                           QStringLiteral("Type TEXT into the datapoint pattern list of the filter "
                                                          "tab and apply it."),
                                           QStringLiteral("TEXT"));
    const QCommandLineOption expandOption(QStringLiteral("expand-pattern"),
                                          QStringLiteral("Type TEXT into the alarm text pattern list of the filter "
                                                         "tab (\\n for a line break)."),
                                          QStringLiteral("TEXT"));
    parser.addOptions({patternOption, expandOption});
    parser.addOption(popupOption);
    parser.addOption(queryOption);
    parser.addOption(delayOption);
    parser.process(app);

    DemoWindow::Role role = DemoWindow::RoleOperator;
    if (!DemoWindow::roleFromName(parser.value(roleOption), role)) {
        QTextStream(stderr) << "qvas-demo: unknown role " << parser.value(roleOption) << Qt::endl;
        return 2;
    }

    const QString projectDir = QDir(parser.value(projectOption)).absolutePath();
    // The platform's path list: the demo project, then the build tree's
    // demo project folder, whose bin/plugins/ holds the sample panel plug-in.
    Resources::pathes_.setPathes({projectDir, QStringLiteral(QVAS_DEMO_BUILD_PROJECT_DIR)});

    const QString configFile = parser.isSet(configOption)
        ? parser.value(configOption)
        : projectDir + QStringLiteral("/config/alarmscreen.json");
    AlarmScreenConfiguration config;
    QString configError;
    if (!JsonParser::parseFile(configFile, config, configError)) {
        QTextStream(stderr) << "qvas-demo: bad configuration: " << configError << Qt::endl;
        return 1;
    }

    // The platform's script controller, in which the demo's script libraries run.
    Controller controller;
    DemoWindow window(projectDir, config);
    window.setRole(role);
    if (!window.showPage(parser.value(pageOption))) {
        QTextStream(stderr) << "qvas-demo: unknown page " << parser.value(pageOption) << Qt::endl;
        return 2;
    }
    if (parser.isSet(panelOption) && !window.setPanelKind(parser.value(panelOption))) {
        QTextStream(stderr) << "qvas-demo: unknown panel " << parser.value(panelOption) << Qt::endl;
        return 2;
    }
    if (parser.isSet(groupingOption) && !window.setGrouping(parser.value(groupingOption))) {
        QTextStream(stderr) << "qvas-demo: unknown grouping " << parser.value(groupingOption) << Qt::endl;
        return 2;
    }
    if (parser.isSet(groupingOption))
        window.openAllGroups();
    if (parser.isSet(disconnectOption) && !window.disconnectSystem(parser.value(disconnectOption))) {
        QTextStream(stderr) << "qvas-demo: not a connected system: " << parser.value(disconnectOption) << Qt::endl;
        return 2;
    }
    if (parser.isSet(downOption) && !window.takeSystemDown(parser.value(downOption))) {
        QTextStream(stderr) << "qvas-demo: unknown system " << parser.value(downOption) << Qt::endl;
        return 2;
    }
    window.show();
    window.showInitialFilter();
    if (parser.isSet(systemsDialogOption)) {
        QTimer::singleShot(100, &window, [&window]() {
            if (auto* map = window.findChild<QWidget*>(QStringLiteral("connectionMap")))
                clickWidget(map);
        });
    }
    if (parser.isSet(historyOption) || parser.isSet(popupOption) || parser.isSet(queryOption))
        window.showHistory();
    if (parser.isSet(queryOption))
        window.applySourceNow();
    // A filter that cannot be loaded is reported; the demo goes on with what it had.
    if (parser.isSet(loadFilterOption))
        window.loadFilter(parser.value(loadFilterOption));
    if (parser.isSet(alarmMenuOption)) {
        // After the window is laid out, so the menu opens on the row.
        QTimer::singleShot(100, &window, [&window]() {
            if (!window.openAlarmMenu())
                QTextStream(stderr) << "qvas-demo: no alarm row for a menu" << Qt::endl;
        });
    }
    if (parser.isSet(counterOption) && !window.clickCounter(parser.value(counterOption))) {
        QTextStream(stderr) << "qvas-demo: unknown counter " << parser.value(counterOption) << Qt::endl;
        return 2;
    }
    if (parser.isSet(editFilterOption) && !window.startFilterEdit()) {
        QTextStream(stderr) << "qvas-demo: the panel has no filter set tabs" << Qt::endl;
        return 2;
    }
    if (parser.isSet(quickOption) && !window.typeQuickFilter(parser.value(quickOption))) {
        QTextStream(stderr) << "qvas-demo: the panel has no quick filter" << Qt::endl;
        return 2;
    }
    if (parser.isSet(collapseOption))
        window.collapseSourceArea();
    if (parser.isSet(setJsonOption))
        window.setFilterSetJson(QStringLiteral("StatSetEquipment"), parser.value(setJsonOption));
    if (parser.isSet(queryPopupOption))
        QTimer::singleShot(100, &window, SLOT(toggleQueryState()));
    if (parser.isSet(popupOption)) {
        // After the window is laid out, so the popup opens below its button.
        const QString popup = parser.value(popupOption);
        QTimer::singleShot(100, &window, [&window, popup]() {
            if (!window.openSourcePopup(popup))
                QTextStream(stderr) << "qvas-demo: unknown popup " << popup << Qt::endl;
        });
    }

    // After the window is laid out and the completions have arrived; the
    // alarm text completions follow the datapoint patterns typed first.
    if (parser.isSet(patternOption)) {
        QTimer::singleShot(300, &window, [&]() {
            if (!DemoPatternTyping::typeInto(&window, QStringLiteral("DPE_patterns"), parser.value(patternOption), true))
                QTextStream(stderr) << "qvas-demo: the panel has no datapoint pattern list" << Qt::endl;
        });
    }
    if (parser.isSet(expandOption)) {
        QTimer::singleShot(800, &window, [&]() {
            QString text = parser.value(expandOption);
            if (!DemoPatternTyping::typeInto(&window, QStringLiteral("ALERT_TEXT_patterns"),
                                             text.replace(QLatin1String("\\n"), QLatin1String("\n")), false))
                QTextStream(stderr) << "qvas-demo: the panel has no alarm text pattern list" << Qt::endl;
        });
    }

    if (parser.isSet(screenshotOption) || parser.isSet(exportOption)) {
        const QString file = parser.value(screenshotOption);
        int rc = 0;
        // By default long enough for a few blink ticks to have coloured the swatches.
        QTimer::singleShot(parser.value(delayOption).toInt(), &window, [&]() {
            QTextStream(stdout) << "table: " << window.tableSummary() << Qt::endl;
            if (parser.isSet(exportOption)) {
                QString error;
                const bool exported = window.exportTable(parser.value(exportOption), error);
                QTextStream(stdout) << "export: " << (exported ? QStringLiteral("written") : error) << Qt::endl;
                rc = exported ? 0 : 1;
            }
            if (!file.isEmpty() && !writeScreenshot(&window, file))
                rc = 1;
            app.quit();
        });
        app.exec();
        return rc;
    }
    return app.exec();
}
