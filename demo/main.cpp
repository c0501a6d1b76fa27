#include "DemoWindow.h"

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
    parser.addOption(projectOption);
    parser.addOption(screenshotOption);
    parser.process(app);

    const QString projectDir = QDir(parser.value(projectOption)).absolutePath();
    // The platform's path list: the demo project is the one project path.
    Resources::pathes_.setPathes({projectDir});

    DemoWindow window(projectDir);
    window.show();
    window.showInitialFilter();

    if (parser.isSet(screenshotOption)) {
        const QString file = parser.value(screenshotOption);
        int rc = 0;
        QTimer::singleShot(200, &window, [&]() {
            rc = writeScreenshot(&window, file) ? 0 : 1;
            app.quit();
        });
        app.exec();
        return rc;
    }
    return app.exec();
}
