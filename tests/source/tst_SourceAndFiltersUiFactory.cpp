#include "LogCapture.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <environment/Resources.h>
#include <source/BasicSourceAndFiltersUi.h>
#include <source/SourceAndFiltersUiFactory.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kFixtures = QStringLiteral(QVAS_PLUGIN_FIXTURES);

AlarmScreenConfiguration configFor(const QString& plugin, bool noPanel = false)
{
    AlarmScreenConfiguration config;
    config.filterWidgetConfiguration().panelPlugin = plugin;
    config.filterWidgetConfiguration().noPanel = noPanel;
    return config;
}

// Puts a test plug-in file as plugins/<name>.so under the bin folder of root.
void place(const QString& root, const QString& name, const QString& kind)
{
    QVERIFY(QDir().mkpath(root + "/bin/plugins"));
    QVERIFY(QFile::copy(kFixtures + "/" + kind + ".so", root + "/bin/plugins/" + name + ".so"));
}

} // namespace

class tst_SourceAndFiltersUiFactory : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void builtInOrNone();
    void refusedFiles_data();
    void refusedFiles();
    void laterBinDirWinsAndServesAgain();

private:
    QTemporaryDir m_dir;
};

void tst_SourceAndFiltersUiFactory::init()
{
    Resources::pathes_.setPathes({m_dir.path() + "/a", m_dir.path() + "/b"});
}

void tst_SourceAndFiltersUiFactory::builtInOrNone()
{
    SourceAndFiltersUiFactory factory(nullptr);
    LogCapture log(&factory);
    const int registered = SourceAndFiltersUiFactory::getAllPlugins().size();
    // An empty name is the built-in panel, found without looking anywhere.
    QScopedPointer<SourceAndFiltersUi> panel(factory.create(configFor(QString()), nullptr));
    QVERIFY(qobject_cast<BasicSourceAndFiltersUi*>(panel.data()));
    QStringList list{"kept"};
    QScopedPointer<QWidget> page(factory.buildStructuredFilterPageUi(configFor(QString()), list));
    QVERIFY(qobject_cast<BasicSourceAndFiltersUi*>(page.data()));
    QVERIFY(!page->parent());
    QCOMPARE(list, QStringList{"kept"});
    // The suppress flag wins over a plug-in name.
    QVERIFY(!factory.create(configFor("neverLoaded", true), nullptr));
    QVERIFY(!factory.buildStructuredFilterPageUi(configFor("neverLoaded", true), list));
    QCOMPARE(SourceAndFiltersUiFactory::getAllPlugins().size(), registered);
    QCOMPARE(log.count(), 0);
}

void tst_SourceAndFiltersUiFactory::refusedFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("lines");  // %D the bin folder, %P the plugins folder, %F the file, %N the name
    QTest::newRow("no plugins folder") << "" << QStringList{"0|no plugins directory under %D"};
    QTest::newRow("no such file") << "nofile" << QStringList{"0|file %N.so does not exist in %P"};
    QTest::newRow("library without plug-in instance")
        << "testPlainLibrary" << QStringList{"0|trying to load %F", "2|plugin is not loaded: *"};
    QTest::newRow("plug-in of another interface")
        << "testOtherInterface" << QStringList{"0|trying to load %F", "2|loaded plugin is of wrong type %F"};
}

// The plug-in sits under the first path only: the later path is searched
// first and has no bin folder at all.
void tst_SourceAndFiltersUiFactory::refusedFiles()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, lines);
    const QString name = QStringLiteral("refused_") + QString(QTest::currentDataTag()).replace(' ', '_');
    const QString root = m_dir.path() + "/a";
    QVERIFY(QDir().mkpath(root + "/bin"));
    if (kind == "nofile")
        QVERIFY(QDir().mkpath(root + "/bin/plugins"));
    else if (!kind.isEmpty())
        place(root, name, kind);

    SourceAndFiltersUiFactory factory(nullptr);
    LogCapture log(&factory);
    QVERIFY(!factory.create(configFor(name), nullptr));
    QStringList expected{"0|loading plugin " + name, "0|no plugins directory under " + m_dir.path() + "/b/bin/"};
    for (QString line : lines) {
        line.replace("%D", root + "/bin/").replace("%P", root + "/bin/plugins");
        line.replace("%F", root + "/bin/plugins/" + name + ".so").replace("%N", name);
        expected << line;
    }
    expected << "2|Plugin for building source & filters UI (" + name + ") is not loaded"
             << "2|No plugin found/loaded: " + name;
    const QStringList entries = log.entries();
    QCOMPARE(entries.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        if (expected.at(i).endsWith('*'))
            QVERIFY2(entries.at(i).startsWith(expected.at(i).chopped(1)), qPrintable(entries.at(i)));
        else
            QCOMPARE(entries.at(i), expected.at(i));
    }
    // A failed name is not searched again; the message names the function asked.
    log.clear();
    factory.setLogFunc(1);
    QStringList list;
    QVERIFY(!factory.buildStructuredFilterPageUi(configFor(name), list));
    QCOMPARE(log.entries(), QStringList{"2|buildStructuredFilterPageUi: No plugin found/loaded: " + name});
    QVERIFY(SourceAndFiltersUiFactory::getAllPlugins().contains(name));
    QVERIFY(!SourceAndFiltersUiFactory::getAllPlugins().value(name));
}

void tst_SourceAndFiltersUiFactory::laterBinDirWinsAndServesAgain()
{
    place(m_dir.path() + "/a", "goodTwice", "testGoodPanel");
    place(m_dir.path() + "/b", "goodTwice", "testGoodPanel");
    SourceAndFiltersUiFactory factory(nullptr);
    LogCapture log(&factory, 1);
    QScopedPointer<SourceAndFiltersUi> panel(factory.create(configFor("goodTwice"), nullptr));
    QVERIFY(panel);
    QCOMPARE(panel->objectName(), QStringLiteral("goodPanel"));
    const QString file = m_dir.path() + "/b/bin/plugins/goodTwice.so";
    QCOMPARE(log.entries(), (QStringList{"0|loadPlugin: loading plugin goodTwice",
                                         "0|loadPluginInBinDir: trying to load " + file,
                                         "0|loadPluginInBinDir: plugin loaded " + file,
                                         "0|loadPlugin: plugin goodTwice has been loaded from " + m_dir.path()
                                             + "/b/bin/"}));
    // Loaded once: the page comes from the same plug-in without a search.
    log.clear();
    QStringList list;
    QScopedPointer<QWidget> page(factory.buildStructuredFilterPageUi(configFor("goodTwice"), list));
    QCOMPARE(page->objectName(), QStringLiteral("page"));
    QCOMPARE(list, (QStringList{"ALERT_TEXT", "DPE"}));
    QCOMPARE(log.count(), 0);
}

QTEST_MAIN(tst_SourceAndFiltersUiFactory)
#include "tst_SourceAndFiltersUiFactory.moc"
