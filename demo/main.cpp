#include "DemoWindow.h"

#include <Controller.h>
#include <Resources.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

namespace {

QString defaultProjectDir()
{
    // The demo project sits beside the sources; the build tree knows where.
    return QStringLiteral(QVAS_DEMO_PROJECT_DIR);
}

bool writeScreenshot(QWidget* window, const QString& file)
{
    const QPixmap shot = window->grab();
    if (shot.isNull() || !shot.save(file, "PNG")) {
        QTextStream(stderr) << "qvas-demo: cannot write screenshot " << file << Qt::endl;
        return false;
    }
    return true;
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
                                        QStringLiteral("The page shown first: filters, colours or completions."),
                                        QStringLiteral("NAME"), QStringLiteral("filters"));
    const QCommandLineOption roleOption(QStringLiteral("role"),
                                        QStringLiteral("The operator's role: operator, engineer or administrator."),
                                        QStringLiteral("ROLE"), QStringLiteral("operator"));
    parser.addOption(projectOption);
    parser.addOption(screenshotOption);
    parser.addOption(pageOption);
    parser.addOption(roleOption);
    parser.process(app);

    DemoWindow::Role role = DemoWindow::RoleOperator;
    if (!DemoWindow::roleFromName(parser.value(roleOption), role)) {
        QTextStream(stderr) << "qvas-demo: unknown role " << parser.value(roleOption) << Qt::endl;
        return 2;
    }

    const QString projectDir = QDir(parser.value(projectOption)).absolutePath();
    // The platform's path list: the demo project is the one project path.
    Resources::pathes_.setPathes({projectDir});

    // The platform's script controller, in which the demo's script libraries run.
    Controller controller;
    DemoWindow window(projectDir);
    window.setRole(role);
    if (!window.showPage(parser.value(pageOption))) {
        QTextStream(stderr) << "qvas-demo: unknown page " << parser.value(pageOption) << Qt::endl;
        return 2;
    }
    window.show();
    window.showInitialFilter();

    if (parser.isSet(screenshotOption)) {
        const QString file = parser.value(screenshotOption);
        int rc = 0;
        // Long enough for a few blink ticks to have coloured the swatches.
        QTimer::singleShot(600, &window, [&]() {
            rc = writeScreenshot(&window, file) ? 0 : 1;
            app.quit();
        });
        app.exec();
        return rc;
    }
    return app.exec();
}
