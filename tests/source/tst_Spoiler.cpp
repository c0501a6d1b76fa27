#include <source/Spoiler.h>

#include <QApplication>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

class tst_Spoiler : public QObject
{
    Q_OBJECT
private slots:
    void toggleWithoutContent();
    void visibilityInSpoiler_data();
    void visibilityInSpoiler();
    void backToSplitter();
    void splitterDragCollapses();
};

namespace {

// A window with a splitter holding the main widget between two others.
struct Host
{
    QWidget window;
    QSplitter* splitter = new QSplitter(Qt::Vertical);
    QLabel* above = new QLabel("above");
    QLabel* main = new QLabel("source and filters");
    QLabel* below = new QLabel("table");
    Spoiler* spoiler = new Spoiler(&window);

    Host()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(spoiler);
        layout->addWidget(splitter);
        splitter->addWidget(above);
        splitter->addWidget(main);
        splitter->addWidget(below);
        window.resize(300, 400);
        window.show();
        spoiler->setMainWidget(main, splitter, &window);
    }
};

} // namespace

void tst_Spoiler::toggleWithoutContent()
{
    Spoiler spoiler;
    auto* button = spoiler.findChild<QToolButton*>();
    QCOMPARE(spoiler.getWidgetVisibility(), UserSettings::AreaHidden);
    button->click();
    QCOMPARE(button->arrowType(), Qt::DownArrow);
    QCOMPARE(spoiler.getWidgetVisibility(), UserSettings::AreaExpanded);
    button->click();
    QCOMPARE(button->arrowType(), Qt::RightArrow);
    QCOMPARE(spoiler.getWidgetVisibility(), UserSettings::AreaCollapsed);
    // The animation takes at least 200 ms.
    spoiler.setAnimationDuration(50);
    QCOMPARE(spoiler.animationDuration(), 200);
    spoiler.setProperty("animationDuration", 450);
    QCOMPARE(spoiler.animationDuration(), 450);
}

void tst_Spoiler::visibilityInSpoiler_data()
{
    QTest::addColumn<int>("visibility");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("expanded");
    QTest::newRow("expanded") << 0 << true << true;
    QTest::newRow("collapsed") << 1 << true << false;
    QTest::newRow("hidden") << 2 << false << false;
}

void tst_Spoiler::visibilityInSpoiler()
{
    QFETCH(int, visibility);
    QFETCH(bool, shown);
    QFETCH(bool, expanded);
    Host host;
    host.spoiler->setAnimationDuration(200);
    // In the splitter the value is only recorded.
    host.spoiler->setWidgetVisibility(UserSettings::AsAreaVisibility(visibility), false);
    QVERIFY(host.main->isVisible());
    host.spoiler->setInSpoiler(true);
    QVERIFY(host.spoiler->isInSpoiler());
    QCOMPARE(host.splitter->indexOf(host.main), -1);
    QVERIFY(host.spoiler->isAncestorOf(host.main));
    QCOMPARE(host.main->isVisible(), shown);
    QCOMPARE(host.spoiler->isVisible(), shown);
    QCOMPARE(host.spoiler->findChild<QToolButton*>()->isChecked(), expanded);
    if (shown) {
        // The content area opens or closes to its full height.
        QScrollArea* area = host.spoiler->findChild<QScrollArea*>();
        QTRY_COMPARE(area->maximumHeight(), expanded ? area->layout()->sizeHint().height() : 0);
    }
    // The value already held does nothing unless forced.
    host.main->hide();
    host.spoiler->setWidgetVisibility(UserSettings::AsAreaVisibility(visibility), false);
    QVERIFY(!host.main->isVisible());
    host.spoiler->setWidgetVisibility(UserSettings::AsAreaVisibility(visibility), true);
    QCOMPARE(host.main->isVisible(), shown);
}

void tst_Spoiler::backToSplitter()
{
    Host host;
    host.spoiler->setInSpoiler(true);
    host.spoiler->setInSpoiler(false);
    QCOMPARE(host.splitter->indexOf(host.main), 1);
    QCOMPARE(host.splitter->count(), 3);
    QVERIFY(host.main->isVisible());
    QVERIFY(!host.spoiler->isVisible());
    // Again into the spoiler and back: the placeholder of the first trip is gone.
    host.spoiler->setInSpoiler(true);
    QCOMPARE(host.splitter->count(), 3);
    host.spoiler->setWidgetVisibility(UserSettings::AreaHidden, false);
    host.spoiler->setInSpoiler(false);
    QCOMPARE(host.splitter->indexOf(host.main), 1);
    QVERIFY(!host.main->isVisible());
    // Taken out of the splitter by the host: moving it leaves no parentless
    // placeholder behind.
    host.main->setParent(nullptr);
    const int windows = QApplication::topLevelWidgets().size();
    QTest::ignoreMessage(QtWarningMsg, "m_splitter->replaceWidget() returned unexpected widget");
    host.spoiler->moveToAltParent();
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    delete host.main;
}

void tst_Spoiler::splitterDragCollapses()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* splitter = new QSplitter(Qt::Vertical);
    auto* main = new QLabel("source and filters");
    splitter->addWidget(main);
    splitter->addWidget(new QLabel("table"));
    layout->addWidget(splitter);
    Spoiler spoiler;
    window.resize(300, 400);
    window.show();
    spoiler.setMainWidget(main, splitter, &window);
    QCOMPARE(spoiler.getWidgetVisibility(), UserSettings::AreaExpanded);
    splitter->setSizes({0, 400});
    // setSizes emits nothing; the operator's drag does.
    QMetaObject::invokeMethod(splitter, "splitterMoved", Q_ARG(int, 0), Q_ARG(int, 1));
    QCOMPARE(spoiler.getWidgetVisibility(), UserSettings::AreaCollapsed);
    splitter->setSizes({100, 300});
    QMetaObject::invokeMethod(splitter, "splitterMoved", Q_ARG(int, 100), Q_ARG(int, 1));
    QCOMPARE(spoiler.getWidgetVisibility(), UserSettings::AreaExpanded);
}

QTEST_MAIN(tst_Spoiler)
#include "tst_Spoiler.moc"
