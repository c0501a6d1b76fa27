#include "DemoFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DemoFolders::installed(const char* name)
{
    const QFileInfo folder(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(QVAS_DEMO_INSTALL_DIR "/") + QLatin1String(name)));
    return folder.isDir() ? folder.canonicalFilePath() : QString();
}

QString DemoFolders::project()
{
    const QString folder = installed("demo-project");
    return folder.isEmpty() ? QStringLiteral(QVAS_DEMO_PROJECT_DIR) : folder;
}

QString DemoFolders::pluginProject()
{
    const QString folder = installed("demo-project");
    return folder.isEmpty() ? QStringLiteral(QVAS_DEMO_BUILD_PROJECT_DIR) : folder;
}

QString DemoFolders::brokenColours()
{
    const QString folder = installed("demo-broken-colours");
    return folder.isEmpty() ? QStringLiteral(QVAS_DEMO_BROKEN_COLOURS_DIR) : folder;
}
