#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QFileInfo>
#include <QPluginLoader>
#include <QtTest>

// Loads the built Designer plug-in as Designer does and makes each widget
// it offers inside a form's parent widget.
class tst_DesignerPlugin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void widgets_data();
    void widgets();

private:
    QDesignerCustomWidgetInterface* find(const QString& name) const;

    QList<QDesignerCustomWidgetInterface*> m_widgets;
};

void tst_DesignerPlugin::initTestCase()
{
    QPluginLoader loader(QStringLiteral(QVAS_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    QVERIFY2(instance, qPrintable(loader.errorString()));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    QVERIFY(collection);
    m_widgets = collection->customWidgets();
}

QDesignerCustomWidgetInterface* tst_DesignerPlugin::find(const QString& name) const
{
    for (QDesignerCustomWidgetInterface* widget : m_widgets) {
        if (widget->name() == name)
            return widget;
    }
    return nullptr;
}

void tst_DesignerPlugin::widgets_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"WEditFilterRuleText", "WEditFilterRuleNumbers", "WSpinboxFilterRuleNumbers",
                             "WEditFilterRuleDate", "WEditFilterRuleSingleValue", "WFixedFilterToggleButton",
                             "WFixedMultiFilterToggle", "StringPatternEditor", "ExpandingStringPatternEdit",
                             "QuickFilterEditor", "TimeRangeEditor", "FilterStatisticsWidget",
                             "ConnectionMapWidget", "Spoiler"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Each widget: in the group, with an icon, a tool tip and an installed
// header that declares it, and made as a child of the form's widget.
void tst_DesignerPlugin::widgets()
{
    QFETCH(QString, name);
    QDesignerCustomWidgetInterface* widget = find(name);
    QVERIFY2(widget, "not offered");
    QCOMPARE(widget->group(), QStringLiteral("qvas"));
    QVERIFY(!widget->icon().pixmap(24, 24).isNull());
    QVERIFY(!widget->toolTip().isEmpty());
    QFile header(QStringLiteral(QVAS_SOURCE_DIR "/src/") + widget->includeFile());
    QVERIFY2(header.open(QIODevice::ReadOnly), qPrintable(widget->includeFile()));
    QVERIFY(header.readAll().contains("class QVAS_EXPORT " + name.toLatin1() + " "));
    QVERIFY(widget->domXml().contains(QStringLiteral("<class>%1</class>").arg(name)));

    QWidget form;
    QWidget* made = widget->createWidget(&form);
    QVERIFY(made);
    QCOMPARE(made->parentWidget(), &form);
    QVERIFY(made->inherits(name.toLatin1()));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_DesignerPlugin.moc"
