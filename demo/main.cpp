#include "DemoCommandLine.h"
#include "DemoFolders.h"
#include "DemoWindow.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <configuration/JsonParser.h>
#include <environment/Resources.h>
#include <scripts/Controller.h>

#include <Qvas.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

namespace {

// The library's texts, the demo's own and Qt's standard ones (dialog
// buttons) in the language of locale, where translations exist; English
// otherwise. The sample plug-in installs its own when it is loaded.
void installTranslations(QApplication& app, const QLocale& locale)
{
    QLocale::setDefault(locale);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    if (!Qvas::installTranslator(locale))
        QTextStream(stderr) << "qvas-demo: no translation for " << locale.name() << "; the screen stays in English"
                            << Qt::endl;
    Qvas::installTranslator(locale, QStringLiteral("qvas-demo"));
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvas-demo"));
    DemoCommandLine options;
    options.process(app);
    int rc = options.checkValues();
    if (rc >= 0)
        return rc;
    installTranslations(app, options.locale());

    // The platform's path list: the demo project, then the build tree's demo
    // project folder, whose bin/plugins/ holds the sample panel plug-in; the
    // broken colour lines only when asked for.
    QStringList paths{options.projectDir(), DemoFolders::pluginProject()};
    if (options.isSet(QStringLiteral("broken-colours")))
        paths << DemoFolders::brokenColours();
    Resources::pathes_.setPathes(paths);

    AlarmScreenConfiguration config;
    QString configError;
    if (!JsonParser::parseFile(options.configFile(), config, configError)) {
        QTextStream(stderr) << "qvas-demo: bad configuration: " << configError << Qt::endl;
        return 1;
    }

    // The platform's script controller, in which the demo's script libraries run.
    Controller controller;
    DemoWindow window(options.projectDir(), config);
    rc = options.prepare(window);
    if (rc >= 0)
        return rc;
    window.show();
    rc = options.start(window);
    if (rc >= 0)
        return rc;
    return options.isBatch() ? options.runBatch(app, window) : app.exec();
}
