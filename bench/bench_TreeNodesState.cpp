// Restoring the expansion of a grouped tree view after a model reset:
// N group nodes (N / 100 top-level groups of 100 subgroups, one alarm row
// each) all expanded by the operator, then the model is reset and
// TreeNodesState::restoreState() expands them again. The floor calls
// QTreeView::setExpanded on the same indexes, found beforehand, on a view
// of its own that no state follows. Both run on a shown view, right after the reset, as the owner of the state does it in
// its modelReset slot; the first layout afterwards is timed separately.
// Each figure is the best of --runs.
//
// Then collapse all followed by a restore, on --flat top-level groups (one
// alarm row each) that are all expanded and laid out: TreeNodesState's
// collapseAll() and restoreState() with the layout that follows, beside
// the view's own collapseAll(), which lays out at once, on a view that a
// state follows (as in the alarm screen) and on a bare view.
//
//   bench_TreeNodesState [--sizes 1000,10000,100000] [--flat 100000] [--runs N]
#include <table/TreeNodesState.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTextStream>
#include <QTreeView>

#include <algorithm>
#include <functional>

namespace {

// groups top-level groups of one alarm row each.
QStandardItemModel* buildFlatModel(int groups)
{
    auto* model = new QStandardItemModel;
    QList<QStandardItem*> items;
    for (int g = 0; g < groups; ++g) {
        auto* group = new QStandardItem(QStringLiteral("Group%1").arg(g));
        group->appendRow(new QStandardItem(QStringLiteral("alarm")));
        items.append(group);
    }
    model->invisibleRootItem()->appendRows(items);
    return model;
}

// A new model with the same values: for the view, a reset.
QStandardItemModel* buildModel(int groups)
{
    auto* model = new QStandardItemModel;
    QStandardItem* root = model->invisibleRootItem();
    const int top = std::max(1, groups / 100);
    QList<QStandardItem*> topItems;
    for (int t = 0; t < top; ++t) {
        auto* group = new QStandardItem(QStringLiteral("System%1").arg(t));
        QList<QStandardItem*> subs;
        for (int s = 0; s < groups / top - 1; ++s) {
            auto* sub = new QStandardItem(QString::number(s));
            sub->setData(s, Qt::EditRole);
            sub->appendRow(new QStandardItem(QStringLiteral("alarm")));
            subs.append(sub);
        }
        group->appendRows(subs);
        topItems.append(group);
    }
    root->appendRows(topItems);
    return model;
}

QList<QModelIndex> groupIndexes(const QAbstractItemModel& model)
{
    QList<QModelIndex> result;
    for (int t = 0; t < model.rowCount(); ++t) {
        const QModelIndex top = model.index(t, 0);
        result.append(top);
        for (int s = 0; s < model.rowCount(top); ++s)
            result.append(model.index(s, 0, top));
    }
    return result;
}

double elapsedMs(const std::function<void()>& run)
{
    QElapsedTimer t;
    t.start();
    run();
    return t.nsecsElapsed() / 1e6;
}

// All flat groups expanded in a shown, laid out view, and remembered.
void expandEverything(QTreeView& view, QStandardItemModel& model, TreeNodesState* state)
{
    view.setModel(&model);
    view.expandAll();
    if (state) {
        for (int row = 0; row < model.rowCount(); ++row)
            state->nodeExpansionChanged(model.index(row, 0), true);
    }
    view.doItemsLayout();
}

int collapseAllThenRestore(int groups, int runs, QTextStream& out)
{
    double restoreMs = -1, followedMs = -1, bareMs = -1;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        QTreeView view, followedView, bareView;
        for (QTreeView* v : {&view, &followedView, &bareView}) {
            v->setUniformRowHeights(true);
            v->resize(800, 600);
            v->show();
        }
        QScopedPointer<QStandardItemModel> model(buildFlatModel(groups));
        QScopedPointer<QStandardItemModel> followedModel(buildFlatModel(groups));
        QScopedPointer<QStandardItemModel> bareModel(buildFlatModel(groups));
        TreeNodesState state(nullptr, nullptr);
        TreeNodesState followingState(nullptr, nullptr);
        state.setTreeView(&view);
        followingState.setTreeView(&followedView);
        expandEverything(view, *model, &state);
        expandEverything(followedView, *followedModel, &followingState);
        expandEverything(bareView, *bareModel, nullptr);
        QApplication::processEvents();

        const double r = elapsedMs([&] {
            state.collapseAll();
            state.restoreState();
            view.doItemsLayout();
        });
        const double f = elapsedMs([&] { followedView.collapseAll(); });
        const double b = elapsedMs([&] { bareView.collapseAll(); });
        for (int row = 0; row < groups; ++row)
            failures += view.isExpanded(model->index(row, 0)) ? 1 : 0;
        restoreMs = restoreMs < 0 ? r : std::min(restoreMs, r);
        followedMs = followedMs < 0 ? f : std::min(followedMs, f);
        bareMs = bareMs < 0 ? b : std::min(bareMs, b);
    }
    out << "Collapse all, then restore, " << groups << " flat groups (best of " << runs << " runs):" << Qt::endl;
    out << "  collapseAll + restoreState + layout " << QString::number(restoreMs, 'f', 2) << " ms" << Qt::endl;
    out << "  QTreeView::collapseAll, view followed by a state " << QString::number(followedMs, 'f', 2)
        << " ms: ratio " << QString::number(restoreMs / followedMs, 'f', 2) << "x" << Qt::endl;
    out << "  QTreeView::collapseAll, bare view " << QString::number(bareMs, 'f', 2) << " ms: ratio "
        << QString::number(restoreMs / bareMs, 'f', 2) << "x" << Qt::endl;
    out << "  every node collapsed: " << (failures ? "NO" : "yes") << Qt::endl;
    return failures;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption sizesOption(QStringLiteral("sizes"), QStringLiteral("Group node counts."),
                                         QStringLiteral("N,N"), QStringLiteral("1000,10000,100000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per figure."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption flatOption(QStringLiteral("flat"), QStringLiteral("Flat group count (0: none)."),
                                        QStringLiteral("N"), QStringLiteral("100000"));
    parser.addOptions({sizesOption, runsOption, flatOption});
    parser.process(app);
    const int runs = parser.value(runsOption).toInt();
    QTextStream out(stdout);
    out << "Restoring expanded group nodes after a model reset (best of " << runs << " runs):" << Qt::endl;
    out << "  nodes     restoreState   floor setExpanded   ratio   first layout (restore / floor)" << Qt::endl;
    int failures = 0;
    for (const QString& size : parser.value(sizesOption).split(QLatin1Char(','))) {
        const int groups = size.toInt();
        QTreeView view;
        QTreeView floorView;
        for (QTreeView* v : {&view, &floorView}) {
            v->setUniformRowHeights(true);
            v->resize(800, 600);
            v->show();
        }
        TreeNodesState state(nullptr, nullptr);
        QScopedPointer<QStandardItemModel> model(buildModel(groups));
        view.setModel(model.data());
        state.setTreeView(&view);
        // The operator opens every group.
        const QList<QModelIndex> first = groupIndexes(*model);
        for (const QModelIndex& index : first)
            view.setExpanded(index, true);
        QApplication::processEvents();

        double restoreMs = -1, floorMs = -1, restoreLayoutMs = -1, floorLayoutMs = -1;
        for (int run = 0; run < runs; ++run) {
            model.reset(buildModel(groups));
            view.setModel(model.data());
            const double r = elapsedMs([&] { state.restoreState(); });
            const double rl = elapsedMs([&] { view.doItemsLayout(); });
            const QList<QModelIndex> indexes = groupIndexes(*model);
            const bool restored = std::all_of(indexes.begin(), indexes.end(),
                                              [&](const QModelIndex& i) { return view.isExpanded(i); });
            failures += restored ? 0 : 1;

            QScopedPointer<QStandardItemModel> floorModel(buildModel(groups));
            floorView.setModel(floorModel.data());
            const QList<QModelIndex> same = groupIndexes(*floorModel);
            const double f = elapsedMs([&] {
                for (const QModelIndex& index : same)
                    floorView.setExpanded(index, true);
            });
            const double fl = elapsedMs([&] { floorView.doItemsLayout(); });
            floorView.setModel(nullptr);
            restoreMs = restoreMs < 0 ? r : std::min(restoreMs, r);
            floorMs = floorMs < 0 ? f : std::min(floorMs, f);
            restoreLayoutMs = restoreLayoutMs < 0 ? rl : std::min(restoreLayoutMs, rl);
            floorLayoutMs = floorLayoutMs < 0 ? fl : std::min(floorLayoutMs, fl);
        }
        out << "  " << QString::number(groups).leftJustified(9) << QString::number(restoreMs, 'f', 2).rightJustified(9)
            << " ms" << QString::number(floorMs, 'f', 2).rightJustified(17) << " ms"
            << QString::number(restoreMs / floorMs, 'f', 2).rightJustified(8) << "x   "
            << QString::number(restoreLayoutMs, 'f', 1) << " / " << QString::number(floorLayoutMs, 'f', 1) << " ms"
            << Qt::endl;
    }
    out << "  every node restored: " << (failures ? "NO" : "yes") << Qt::endl;
    const int flat = parser.value(flatOption).toInt();
    if (flat > 0)
        failures += collapseAllThenRestore(flat, runs, out);
    return failures ? 1 : 0;
}
