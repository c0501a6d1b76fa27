#include "DemoCommandLine.h"

#include "DemoFolders.h"

#include "DemoAlarmMouse.h"
#include "DemoAlarmRoom.h"
#include "DemoHistoryRoom.h"
#include "DemoPatternTyping.h"
#include "DemoMenus.h"
#include "DemoSourceRoom.h"
#include "DemoStatisticsRoom.h"
#include "DemoFilterSetEditor.h"
#include "DemoFilterPage.h"
#include "DemoWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

namespace {

struct OptionText
{
    const char* name;
    const char* description;
    const char* valueName;
    const char* defaultValue;
};

const OptionText kOptions[] = {
    {"project", "The demo project folder (default: the one installed or built with the demo).", "DIR", nullptr},
    {"config", "The alarm screen configuration (JSON); default config/alarmscreen.json in the project folder.",
     "FILE", nullptr},
    {"screenshot", "Write the window as PNG to FILE and exit.", "FILE", nullptr},
    {"delay", "Milliseconds before the screenshot is taken (default 600).", "MS", "600"},
    {"page", "The page shown first: alarms, filters, colours, completions or filtersets.", "NAME", "alarms"},
    {"role", "The operator's role: operator, engineer or administrator.", "ROLE", "operator"},
    {"panel", "The source-and-filters panel: plugin, builtin or none (default: as configured).", "KIND", nullptr},
    {"grouping", "Group the alarm table: none, system or system-priority.", "NAME", nullptr},
    {"history", "Start with the source control in history mode.", nullptr, nullptr},
    {"run-query", "Apply history mode at start: runs a simulated archive query.", nullptr, nullptr},
    {"popup", "Open a source popup: systems or timerange.", "NAME", nullptr},
    {"quick", "Type TEXT into the quick filter and finish editing.", "TEXT", nullptr},
    {"pattern", "Type TEXT into the datapoint pattern list of the filter tab and apply it.", "TEXT", nullptr},
    {"expand-pattern", "Type TEXT into the alarm text pattern list of the filter tab (\\n for a line break).",
     "TEXT", nullptr},
    {"load-filter", "Show and apply a stored filter file, as Load Filter does; given more than once, the files in turn.",
     "FILE", nullptr},
    {"edit-filter", "Add a filter set tab without applying it.", nullptr, nullptr},
    {"counter", "Click a filter counter at start: unack, prio80 or a system.", "ID", nullptr},
    {"alarm-menu", "Open the script-described menu of the first alarm row.", nullptr, nullptr},
    {"query-popup", "Open the query state popup below its button.", nullptr, nullptr},
    {"collapse-source", "Move the source-and-filters area into its spoiler, collapsed (the default layout).",
     nullptr, nullptr},
    {"expand-source", "Show the source-and-filters area open in its spoiler.", nullptr, nullptr},
    {"set-json", "Set TEXT as the layout JSON of the \"Equipment\" filter set, as the Filter sets page does.", "TEXT",
     nullptr},
    {"systems-dialog", "Open the \"System Connections\" dialog, as a click on the connection map does.", nullptr,
     nullptr},
    {"disconnect", "Disconnect the live table from SYSTEM at start.", "SYSTEM", nullptr},
    {"system-down", "The simulated plant takes SYSTEM down at start.", "SYSTEM", nullptr},
    {"export-csv", "Write the alarm table as CSV to FILE (all rows, headers, grouping) and exit.", "FILE", nullptr},
    {"reset-layout", "Forget the layout kept from earlier runs (spoiler, splitter, columns, grouping).", nullptr,
     nullptr},
    {"keep-layout", "Keep the layout for the next run also after a screenshot or export (closing the window "
     "always keeps it).", nullptr, nullptr},
    {"log-history", "Open the log history dialog, as a click on the status bar's message count does.", nullptr,
     nullptr},
    {"tab-walk", "Press Tab N times from the screen's first focus target and print where the focus goes.", "N",
     nullptr},
    {"broken-colours", "Also read the colour database of deliberately broken lines, to show the error display.",
     nullptr, nullptr},
    {"columns-rule", "Show the plug-in's column filter page and type TEXT as the priority rules.", "TEXT", nullptr},
    {"width", "Window width in pixels.", "PIXELS", nullptr},
    {"lang", "The screen's language as a locale name, such as de or en (default: the system's).", "LOCALE",
     nullptr},
};

// The window with any popup or dialog open over it, composed from their own
// grabs (each is a window of its own).
QPixmap screenshotOf(QWidget* window)
{
    QList<QWidget*> popups;
    QRect area = window->geometry();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = top->windowType();
        if (top != window && top->isVisible() && (type == Qt::Popup || type == Qt::Dialog || type == Qt::ToolTip)) {
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

// A left click at the left end of widget, as the operator gives it.
void clickWidget(QWidget* widget)
{
    const QPoint pos(2, widget->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void clickLater(QWidget* window, const QString& name)
{
    QTimer::singleShot(100, window, [window, name]() {
        if (auto* widget = window->findChild<QWidget*>(name))
            clickWidget(widget);
    });
}

// Brings the plug-in's numeric rule line into view (every tab on its way)
// and types text into it, so that its tool tip pops up.
bool typeColumnsRule(QWidget* window, const QString& text)
{
    QWidget* rules = window->findChild<QWidget*>(QStringLiteral("priorityRules"));
    auto* input = rules ? rules->findChild<QLineEdit*>(QStringLiteral("txtInput")) : nullptr;
    if (!input)
        return false;
    for (QWidget *below = rules, *w = rules->parentWidget(); w; below = w, w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget()))
            tabs->setCurrentWidget(below);
    }
    input->setText(text);
    return QMetaObject::invokeMethod(rules, "parseInput", Q_ARG(QString, text));
}

// Loads the filter files one after the other, each once the event loop has
// done what the one before left for it (layouts, item views' timers, the
// old tabs' deletion), and prints for each when it was shown and when the
// screen answered again: when a zero timer started right after the load
// fires. All are loaded before a batch run's delay starts.
void loadFiltersInTurn(DemoSourceRoom* source, const QStringList& files)
{
    for (const QString& file : files) {
        QElapsedTimer clock;
        clock.start();
        source->loadFilter(file);
        const qint64 shown = clock.elapsed();
        QEventLoop settle;
        QTimer::singleShot(0, &settle, &QEventLoop::quit);
        settle.exec();
        QTextStream(stdout) << "load: shown in " << shown << " ms, answering after " << clock.elapsed() << " ms"
                            << Qt::endl;
    }
}

int fail(const QString& message, int status)
{
    QTextStream(stderr) << "qvas-demo: " << message << Qt::endl;
    return status;
}

} // namespace

DemoCommandLine::DemoCommandLine()
{
    m_parser.setApplicationDescription(QStringLiteral("Host alarm screen over simulated alarms."));
    m_parser.addHelpOption();
    addOptions();
}

void DemoCommandLine::addOptions()
{
    for (const OptionText& option : kOptions) {
        const QString name = QLatin1String(option.name);
        const QString description = QString::fromUtf8(option.description);
        if (!option.valueName) {
            m_parser.addOption(QCommandLineOption(name, description));
            continue;
        }
        m_parser.addOption(QCommandLineOption(name, description, QLatin1String(option.valueName),
                                              option.defaultValue ? QString::fromUtf8(option.defaultValue) : QString()));
    }
}

void DemoCommandLine::process(const QApplication& app)
{
    m_parser.process(app);
}

QString DemoCommandLine::projectDir() const
{
    return isSet(QStringLiteral("project")) ? QDir(m_parser.value(QStringLiteral("project"))).absolutePath()
                                            : DemoFolders::project();
}

QLocale DemoCommandLine::locale() const
{
    return isSet(QStringLiteral("lang")) ? QLocale(m_parser.value(QStringLiteral("lang"))) : QLocale::system();
}

QString DemoCommandLine::configFile() const
{
    return m_parser.isSet(QStringLiteral("config")) ? m_parser.value(QStringLiteral("config"))
                                                    : projectDir() + QStringLiteral("/config/alarmscreen.json");
}

int DemoCommandLine::checkValues() const
{
    DemoMenus::Role role;
    if (!DemoMenus::roleFromName(m_parser.value(QStringLiteral("role")), role))
        return fail(QStringLiteral("unknown role ") + m_parser.value(QStringLiteral("role")), 2);
    // An empty name would ask for one in a file dialog, which never closes offscreen.
    if (isSet(QStringLiteral("export-csv")) && m_parser.value(QStringLiteral("export-csv")).isEmpty())
        return fail(QStringLiteral("--export-csv needs a file name"), 1);
    return -1;
}

bool DemoCommandLine::isBatch() const
{
    return isSet(QStringLiteral("screenshot")) || isSet(QStringLiteral("export-csv"));
}

int DemoCommandLine::prepare(DemoWindow& window) const
{
    DemoMenus::Role role = DemoMenus::RoleOperator;
    DemoMenus::roleFromName(m_parser.value(QStringLiteral("role")), role);
    window.menus()->setRole(role);
    if (!window.showPage(m_parser.value(QStringLiteral("page"))))
        return fail(QStringLiteral("unknown page ") + m_parser.value(QStringLiteral("page")), 2);
    const QString panel = m_parser.value(QStringLiteral("panel"));
    if (isSet(QStringLiteral("panel")) && !window.source()->setPanelKind(panel))
        return fail(QStringLiteral("unknown panel ") + panel, 2);
    if (isSet(QStringLiteral("reset-layout")))
        DemoWindow::forgetLayout();
    window.restoreLayout();
    const QString grouping = m_parser.value(QStringLiteral("grouping"));
    if (isSet(QStringLiteral("grouping")) && !window.alarms()->setGrouping(grouping))
        return fail(QStringLiteral("unknown grouping ") + grouping, 2);
    if (isSet(QStringLiteral("grouping")))
        window.alarms()->openAllGroups();
    window.menus()->showChoices();
    if (isSet(QStringLiteral("width")))
        window.resize(m_parser.value(QStringLiteral("width")).toInt(), window.height());
    const QString disconnected = m_parser.value(QStringLiteral("disconnect"));
    if (isSet(QStringLiteral("disconnect")) && !window.alarms()->disconnectSystem(disconnected))
        return fail(QStringLiteral("not a connected system: ") + disconnected, 2);
    const QString down = m_parser.value(QStringLiteral("system-down"));
    if (isSet(QStringLiteral("system-down")) && !window.alarms()->takeSystemDown(down))
        return fail(QStringLiteral("unknown system ") + down, 2);
    return -1;
}

int DemoCommandLine::start(DemoWindow& window) const
{
    DemoSourceRoom* source = window.source();
    window.filterPage()->showInitialFilter();
    if (isSet(QStringLiteral("systems-dialog")))
        clickLater(&window, QStringLiteral("connectionMap"));
    if (isSet(QStringLiteral("tab-walk"))) {
        const int presses = m_parser.value(QStringLiteral("tab-walk")).toInt();
        QTimer::singleShot(100, &window, [&window, presses]() { window.walkTabs(presses); });
    }
    if (isSet(QStringLiteral("log-history")))
        clickLater(&window, QStringLiteral("logStatistics"));
    if (isSet(QStringLiteral("history")) || isSet(QStringLiteral("popup")) || isSet(QStringLiteral("run-query")))
        source->showHistory();
    if (isSet(QStringLiteral("run-query")))
        source->applySourceNow();
    // A filter that cannot be loaded is reported; the demo goes on with what it had.
    if (isSet(QStringLiteral("load-filter")))
        loadFiltersInTurn(source, m_parser.values(QStringLiteral("load-filter")));
    if (isSet(QStringLiteral("alarm-menu")))
        // After the window is laid out, so the menu opens on the row.
        QTimer::singleShot(100, &window, [&window]() {
            const QList<QModelIndex> rows = window.alarms()->alarmRows(1);
            if (rows.isEmpty() || !window.alarms()->mouse()->openMenu(rows.first()))
                QTextStream(stderr) << "qvas-demo: no alarm row for a menu" << Qt::endl;
        });
    const QString counter = m_parser.value(QStringLiteral("counter"));
    if (isSet(QStringLiteral("counter")) && !window.statistics()->clickCounter(counter))
        return fail(QStringLiteral("unknown counter ") + counter, 2);
    if (isSet(QStringLiteral("edit-filter")) && !source->startFilterEdit())
        return fail(QStringLiteral("the panel has no filter set tabs"), 2);
    if (isSet(QStringLiteral("quick")) && !source->typeQuickFilter(m_parser.value(QStringLiteral("quick"))))
        return fail(QStringLiteral("the panel has no quick filter"), 2);
    if (isSet(QStringLiteral("collapse-source")))
        source->collapse();
    if (isSet(QStringLiteral("expand-source")) || isSet(QStringLiteral("edit-filter"))
        || isSet(QStringLiteral("columns-rule")))
        source->expand();
    if (isSet(QStringLiteral("columns-rule"))) {
        // After the window is laid out, so the tool tip opens below the line.
        const QString text = m_parser.value(QStringLiteral("columns-rule"));
        QTimer::singleShot(100, &window, [&window, text]() {
            if (!typeColumnsRule(&window, text))
                QTextStream(stderr) << "qvas-demo: the panel has no numeric rule line" << Qt::endl;
        });
    }
    if (isSet(QStringLiteral("set-json")))
        window.filterSets()->setJson(QStringLiteral("StatSetEquipment"), m_parser.value(QStringLiteral("set-json")));
    if (isSet(QStringLiteral("query-popup")))
        QTimer::singleShot(100, window.history(), SLOT(toggleQueryState()));
    if (isSet(QStringLiteral("popup"))) {
        // After the window is laid out, so the popup opens below its button.
        const QString popup = m_parser.value(QStringLiteral("popup"));
        QTimer::singleShot(100, &window, [&window, popup]() {
            if (!window.source()->openSourcePopup(popup))
                QTextStream(stderr) << "qvas-demo: unknown popup " << popup << Qt::endl;
        });
    }
    typePatterns(window);
    return -1;
}

void DemoCommandLine::typePatterns(DemoWindow& window) const
{
    // After the window is laid out and the completions have arrived; the
    // alarm text completions follow the datapoint patterns typed first.
    if (isSet(QStringLiteral("pattern"))) {
        const QString text = m_parser.value(QStringLiteral("pattern"));
        window.source()->expand();
        QTimer::singleShot(300, &window, [&window, text]() {
            if (!DemoPatternTyping::typeInto(&window, QStringLiteral("DPE_patterns"), text, true))
                QTextStream(stderr) << "qvas-demo: the panel has no datapoint pattern list" << Qt::endl;
        });
    }
    if (isSet(QStringLiteral("expand-pattern"))) {
        QString text = m_parser.value(QStringLiteral("expand-pattern"));
        text.replace(QLatin1String("\\n"), QLatin1String("\n"));
        window.source()->expand();
        QTimer::singleShot(800, &window, [&window, text]() {
            if (!DemoPatternTyping::typeInto(&window, QStringLiteral("ALERT_TEXT_patterns"), text, false))
                QTextStream(stderr) << "qvas-demo: the panel has no alarm text pattern list" << Qt::endl;
        });
    }
}

int DemoCommandLine::runBatch(QApplication& app, DemoWindow& window) const
{
    const QString file = m_parser.value(QStringLiteral("screenshot"));
    int rc = 0;
    // By default long enough for a few blink ticks to have coloured the swatches.
    QTimer::singleShot(m_parser.value(QStringLiteral("delay")).toInt(), &window, [&]() {
        QTextStream(stdout) << "project: " << projectDir() << Qt::endl;
        QTextStream(stdout) << "table: " << window.alarms()->tableSummary() << Qt::endl;
        QTextStream(stdout) << "log: " << window.logSummary() << Qt::endl;
        if (isSet(QStringLiteral("export-csv"))) {
            QString error;
            const bool exported = window.alarms()->exportTable(m_parser.value(QStringLiteral("export-csv")), error);
            QTextStream(stdout) << "export: " << (exported ? QStringLiteral("written") : error) << Qt::endl;
            rc = exported ? 0 : 1;
        }
        if (isSet(QStringLiteral("keep-layout")))
            window.saveLayout();
        const QPixmap shot = file.isEmpty() ? QPixmap() : screenshotOf(&window);
        if (!file.isEmpty() && (shot.isNull() || !shot.save(file, "PNG")))
            rc = fail(QStringLiteral("cannot write screenshot ") + file, 1);
        app.quit();
    });
    app.exec();
    return rc;
}
