#include <configuration/FilterViewConfiguration.h>

#include <QtTest>

class tst_FilterViewConfiguration : public QObject
{
    Q_OBJECT
private slots:
    void fullLayout();
    void refused_data();
    void refused();
};

void tst_FilterViewConfiguration::fullLayout()
{
    FilterViewConfiguration config;
    QVERIFY(config.fromJson(R"({ "view": 2,
        "container": { "frameShape": "Box", "frameShadow": "Sunken", "lineWidth": 2, "spacing": 6, "background": "Bg" },
        "cell": { "frameShape": "Panel", "backColorSource": 2, "text": "%count%", "selectedLineWidth": 3, "userData": -5 },
        "items": [ { "row": 2, "column": 1, "filter": "F1" }, { "filter": "F2" } ] })",
                            "Set"));
    QCOMPARE(config.getViewKind(), int(FilterViewConfiguration::ViewTree));
    const FilterGridViewConfiguration& grid = config.getGrid();
    QCOMPARE(grid.containerFrame.shape | grid.containerFrame.shadow, 0x31);
    QCOMPARE(grid.containerFrame.lineWidth, 2);
    QCOMPARE(grid.spacing, 6);
    QCOMPARE(grid.containerBackground, QStringLiteral("Bg"));
    QCOMPARE(grid.cellFrame.shape | grid.cellFrame.shadow, 0x12);
    QCOMPARE(grid.cellBackColorSource, FilterViewItemConfiguration::ColorByCount);
    QCOMPARE(grid.cellTextFormat, QStringLiteral("%count%"));
    QCOMPARE(grid.cellUserData, -5);
    QCOMPARE(config.getItems().size(), 2);
    QCOMPARE(config.getItems().at(0).row, 2);
    QCOMPARE(config.getItems().at(0).column, 1);
    QCOMPARE(config.getItems().at(1).filterDpName, QStringLiteral("F2"));
    QCOMPARE(config.getItems().at(1).row, 0);
    QVERIFY(config.getErrorText().isEmpty());
}

void tst_FilterViewConfiguration::refused_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("array") << "[1]" << "filter set 'S': the document must be a JSON object";
    QTest::newRow("unknown key") << R"({ "cell": { "colour": 1 } })"
                                 << "filter set 'S': unknown key 'cell.colour'; expected one of: frameShape, frameShadow, "
                                    "lineWidth, midLineWidth, backColorSource, foreColorSource, text, toolTip, "
                                    "selectedLineColor, selectedLineWidth, userData";
    QTest::newRow("shape") << R"({ "container": { "frameShape": "Round" } })"
                           << "filter set 'S': key 'container.frameShape' must be one of NoFrame, Box, Panel, "
                              "WinPanel, HLine, VLine, StyledPanel";
    QTest::newRow("row range") << R"({ "items": [ { "filter": "A" }, { "row": 100, "filter": "B" } ] })"
                               << "filter set 'S': key 'items[1].row' must be a whole number from 0 to 99";
    QTest::newRow("no filter") << R"({ "items": [ { "row": 1 } ] })"
                               << "filter set 'S': key 'items[0].filter' must be the name of a filter datapoint";
    QTest::newRow("items not array") << R"({ "items": {} })"
                                     << "filter set 'S': key 'items' must be an array of at most 1000 objects";
}

void tst_FilterViewConfiguration::refused()
{
    QFETCH(QString, json);
    QFETCH(QString, error);
    FilterViewConfiguration config;
    // A configuration read before is not kept half-changed by a failed read.
    QVERIFY(config.fromJson(R"({ "items": [ { "filter": "Old" } ] })", "S"));
    QVERIFY(!config.fromJson(json.toUtf8(), "S"));
    QCOMPARE(config.getErrorText(), error);
    QVERIFY(config.isErrorTextComplete());
    QVERIFY(config.getItems().isEmpty());
    QCOMPARE(config.getViewKind(), 0);
}

QTEST_MAIN(tst_FilterViewConfiguration)
#include "tst_FilterViewConfiguration.moc"
