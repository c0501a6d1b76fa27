#include "LogCapture.h"

#include <table/TreeNodesState.h>

#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

Q_DECLARE_METATYPE(GroupingConfiguration)

namespace {

// Groups A and B, each with priorities 1 and 2, each with one alarm row;
// rebuilding it is a model reset, as the alarm table does it.
void fill(QStandardItemModel& model)
{
    model.clear();
    for (const QString& system : {QStringLiteral("A"), QStringLiteral("B")}) {
        auto* group = new QStandardItem(system);
        for (int priority : {1, 2}) {
            auto* sub = new QStandardItem(QString::number(priority));
            sub->setData(priority, Qt::EditRole);
            sub->appendRow(new QStandardItem(system + QString::number(priority)));
            group->appendRow(sub);
        }
        model.appendRow(group);
    }
}

QModelIndex at(const QStandardItemModel& model, const QString& path)
{
    QModelIndex index;
    for (const QString& row : path.split(QLatin1Char('/')))
        index = model.index(row.toInt(), 0, index);
    return index;
}

// The expanded nodes of the view as paths of rows.
QString expandedText(const QTreeView& view, const QModelIndex& parent = QModelIndex(), const QString& prefix = QString())
{
    QStringList open;
    for (int r = 0; r < view.model()->rowCount(parent); ++r) {
        const QModelIndex i = view.model()->index(r, 0, parent);
        const QString path = prefix + QString::number(r);
        if (view.isExpanded(i))
            open << path;
        const QString below = expandedText(view, i, path + QLatin1Char('/'));
        if (!below.isEmpty())
            open << below;
    }
    return open.join(QLatin1Char(' '));
}

QString stateText(const TreeNodesState& state)
{
    MsgLoggingProducer logger;
    LogCapture log(&logger);
    state.getRootState().printState(&logger, QString());
    return log.entries().join(QLatin1Char('\n'));
}

GroupingConfiguration grouping(const QList<QPair<int, QString>>& rules)
{
    GroupingConfiguration g;
    for (const auto& rule : rules)
        g.addRule(rule.first, rule.second);
    return g;
}

} // namespace

class tst_TreeNodesState : public QObject
{
    Q_OBJECT
private slots:
    void restoreAfterReset_data();
    void restoreAfterReset();
    void regrouping_data();
    void regrouping();
    void restoreWithoutViewOrModel();
    void restoreFindsEquivalentValues_data();
    void restoreFindsEquivalentValues();
};

void tst_TreeNodesState::restoreAfterReset_data()
{
    QTest::addColumn<QStringList>("actions");  // +path expands, -path collapses, "all"/"none"
    QTest::addColumn<QString>("restored");
    QTest::newRow("top group") << QStringList{"+1"} << "1";
    QTest::newRow("second level under an open group") << QStringList{"+0", "+0/1"} << "0 0/1";
    // The parents were never touched: they stay closed, the node is open inside them.
    QTest::newRow("second level, parent untouched") << QStringList{"+1/0"} << "1/0";
    QTest::newRow("opened and closed") << QStringList{"+0", "+1", "-0"} << "1";
    QTest::newRow("expand all") << QStringList{"+0", "all"} << "0 0/0 0/0/0 0/1 0/1/0 1 1/0 1/0/0 1/1 1/1/0";
    QTest::newRow("collapse all") << QStringList{"+0", "+1/1", "none"} << "";
}

// What the operator opened comes back after a reset; the restore itself
// is not remembered as the operator's doing.
void tst_TreeNodesState::restoreAfterReset()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, restored);
    QStandardItemModel model;
    fill(model);
    QTreeView view;
    view.setModel(&model);
    TreeNodesState state(nullptr, nullptr);
    state.setTreeView(&view);
    QString seen;
    connect(&view, &QTreeView::collapsed, &state, [&] { seen = stateText(state); });
    connect(&view, &QTreeView::expanded, &state, [&] { seen = stateText(state); });
    for (const QString& action : actions) {
        if (action == QLatin1String("all"))
            state.expandAll();
        else if (action == QLatin1String("none"))
            state.collapseAll();
        else
            view.setExpanded(at(model, action.mid(1)), action.startsWith(QLatin1Char('+')));
    }
    const QString before = stateText(state);

    fill(model);
    QCOMPARE(expandedText(view), QString());
    state.restoreState();
    QCOMPARE(expandedText(view), restored);
    QCOMPARE(stateText(state), before);

    // The state still hears the view before those who listened after it.
    for (int toggle = 0; toggle < 2; ++toggle) {
        view.setExpanded(at(model, "1"), !view.isExpanded(at(model, "1")));
        QCOMPARE(seen, stateText(state));
    }
}

void tst_TreeNodesState::regrouping_data()
{
    QTest::addColumn<GroupingConfiguration>("config");
    QTest::addColumn<QString>("state");
    const QString top = QStringLiteral("2|mainValue: , expanded 0\n2|  mainValue: A, expanded 1\n");
    QTest::newRow("unchanged") << grouping({{0, "SYSTEM"}, {0, "PRIORITY"}})
                               << top + "2|    mainValue: 2, expanded 1\n2|  mainValue: B, expanded 0\n"
                                        "2|    mainValue: 1, expanded 1";
    QTest::newRow("second rule changed") << grouping({{0, "SYSTEM"}, {0, "ALERT_TEXT"}})
                                         << top + "2|  mainValue: B, expanded 0";
    QTest::newRow("second rule dropped") << grouping({{0, "SYSTEM"}}) << top + "2|  mainValue: B, expanded 0";
    QTest::newRow("first rule of another kind") << grouping({{1, "SYSTEM"}, {0, "PRIORITY"}})
                                                << "2|mainValue: , expanded 0";
    QTest::newRow("no grouping") << GroupingConfiguration() << "2|mainValue: , expanded 0";
}

// Regrouping keeps what was opened on the leading levels whose rules stay.
void tst_TreeNodesState::regrouping()
{
    QFETCH(GroupingConfiguration, config);
    QFETCH(QString, state);
    QStandardItemModel model;
    fill(model);
    QTreeView view;
    view.setModel(&model);
    TreeNodesState nodes(nullptr, nullptr);
    nodes.setTreeView(&view);
    nodes.setGroupingConfig(grouping({{0, "SYSTEM"}, {0, "PRIORITY"}}));
    view.expand(at(model, "0"));
    view.expand(at(model, "0/1"));
    view.expand(at(model, "1/0"));

    nodes.setGroupingConfig(config);
    QCOMPARE(stateText(nodes), state);
}

void tst_TreeNodesState::restoreWithoutViewOrModel()
{
    TreeNodesState state(nullptr, nullptr);
    LogCapture log(&state, 1);
    state.restoreState();
    QTreeView view;
    state.setTreeView(&view);
    state.restoreState();
    QCOMPARE(log.entries(), QStringList({"2|restoreState: call to restoreState() without tree view",
                                         "2|restoreState: call to restoreState() for tree view without model"}));
}

void tst_TreeNodesState::restoreFindsEquivalentValues_data()
{
    QTest::addColumn<int>("groups");
    QTest::addColumn<bool>("wider");
    QTest::newRow("few, same values") << 3 << false;
    QTest::newRow("few, now wider numbers") << 3 << true;
    QTest::newRow("many, same values") << 40 << false;
    QTest::newRow("many, now wider numbers") << 40 << true;
}

// Remembered groups are found by value whatever their number, also when the
// rebuilt model gives an equivalent value of another type.
void tst_TreeNodesState::restoreFindsEquivalentValues()
{
    QFETCH(int, groups);
    QFETCH(bool, wider);
    const auto build = [groups](QStandardItemModel& model, bool wide) {
        model.clear();
        for (int g = 0; g < groups; ++g) {
            auto* group = new QStandardItem;
            group->setData(wide ? QVariant(qlonglong(g)) : QVariant(g), Qt::EditRole);
            group->appendRow(new QStandardItem(QStringLiteral("alarm")));
            model.appendRow(group);
        }
    };
    QStandardItemModel model;
    build(model, false);
    QTreeView view;
    view.setModel(&model);
    TreeNodesState state(nullptr, nullptr);
    state.setTreeView(&view);
    for (int g = 0; g < groups; g += 2)
        view.setExpanded(model.index(g, 0), true);

    build(model, wider);
    state.restoreState();
    QStringList expected;
    for (int g = 0; g < groups; g += 2)
        expected << QString::number(g);
    QCOMPARE(expandedText(view), expected.join(QLatin1Char(' ')));
}

QTEST_MAIN(tst_TreeNodesState)
#include "tst_TreeNodesState.moc"
