#include "LogCapture.h"

#include <table/ExportCsvOptions.h>
#include <table/ExporterCSV.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <functional>

namespace {

const QStringList kAlarms[] = {{"A", "1", "10:00", "Pump, failed", "1"},
                               {"A", "2", "10:01", "Door open", "2"},
                               {"B", "2", "10:02", "Tank \"low\"; check", "2"}};

QStandardItem* item(const QString& text)
{
    return new QStandardItem(text);
}

// Grouped two levels deep (column 0 the group tree, as the alarm table is)
// or flat.
void fill(QStandardItemModel& model, int depth)
{
    model.clear();
    if (depth == 0) {
        model.setHorizontalHeaderLabels({"Time", "Text", "Prio"});
        for (const QStringList& a : kAlarms)
            model.appendRow({item(a.at(2)), item(a.at(3)), item(a.at(4))});
        return;
    }
    model.setHorizontalHeaderLabels({"Group", "Time", "Text", "Prio"});
    for (const QStringList& a : kAlarms) {
        const QList<QStandardItem*> top = model.findItems(a.at(0));
        QStandardItem* group = top.isEmpty() ? item(a.at(0)) : top.first();
        if (top.isEmpty())
            model.appendRow(group);
        QStandardItem* sub = group->rowCount() && group->child(group->rowCount() - 1)->text() == a.at(1)
            ? group->child(group->rowCount() - 1)
            : nullptr;
        if (!sub) {
            sub = item(a.at(1));
            group->appendRow(sub);
        }
        sub->appendRow({item(QString()), item(a.at(2)), item(a.at(3)), item(a.at(4))});
    }
}

QModelIndex at(const QAbstractItemModel& model, const QString& path)
{
    QModelIndex index;
    for (const QString& row : path.split(QLatin1Char('/')))
        index = model.index(row.toInt(), 0, index);
    return index;
}

// Runs action on the next modal dialog once it is shown.
void whenModal(const std::function<void(QWidget*)>& action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action]() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->deleteLater();
            timer->stop();
            action(modal);
        }
    });
    timer->start(20);
}

// A device that takes limit bytes and then fails every write.
class LimitedDevice : public QIODevice
{
public:
    explicit LimitedDevice(int limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (written.size() + size > m_limit) {
            setErrorString(QStringLiteral("device full"));
            return -1;
        }
        written.append(data, int(size));
        return size;
    }

private:
    int m_limit;
};

} // namespace

class tst_ExporterCSV : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void refusedBeforeWriting_data();
    void refusedBeforeWriting();
    void writeFailureStops();
    void fileDialog_data();
    void fileDialog();
    void separator_data();
    void separator();
    void optionsDialog_data();
    void optionsDialog();
};

void tst_ExporterCSV::lines_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<bool>("headers");
    QTest::addColumn<QStringList>("selected");  // row paths; "all" for every row
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("csv");
    const QStringList all{"all"};
    QTest::newRow("grouped, grouping written")
        << 2 << true << true << all << QStringList() << -1 << ","
        << "Group,Group,Time,Text,Prio\nA\n,1\n,,10:00,Pump\\, failed,1\n,2\n,,10:01,Door open,2\n"
           "B\n,2\n,,10:02,Tank \"low\"; check,2\n";
    QTest::newRow("grouped, grouping left out")
        << 2 << false << true << all << QStringList() << -1 << ","
        << "Time,Text,Prio\n10:00,Pump\\, failed,1\n10:01,Door open,2\n10:02,Tank \"low\"; check,2\n";
    QTest::newRow("grouped, columns by title")
        << 2 << true << false << all << QStringList{"Prio", "Time"} << -1 << ","
        << "A\n,1\n,,1,10:00\n,2\n,,2,10:01\nB\n,2\n,,2,10:02\n";
    QTest::newRow("flat, hidden column, other separator")
        << 0 << true << true << all << QStringList() << 2 << ";"
        << "Time;Text\n10:00;Pump, failed\n10:01;Door open\n10:02;Tank \"low\"\\; check\n";
    QTest::newRow("selected alarm with its groups")
        << 2 << true << true << QStringList{"1/0/0"} << QStringList() << -1 << ","
        << "Group,Group,Time,Text,Prio\nB\n,2\n,,10:02,Tank \"low\"; check,2\n";
    QTest::newRow("selected group with its content")
        << 2 << true << false << QStringList{"0/1"} << QStringList() << -1 << ","
        << "A\n,2\n,,10:01,Door open,2\n";
    QTest::newRow("nothing selected")
        << 2 << true << true << QStringList() << QStringList() << -1 << "," << "Group,Group,Time,Text,Prio\n";
}

void tst_ExporterCSV::lines()
{
    QFETCH(int, depth);
    QFETCH(bool, grouping);
    QFETCH(bool, headers);
    QFETCH(QStringList, selected);
    QFETCH(QStringList, titles);
    QFETCH(int, hidden);
    QFETCH(QString, separator);
    QFETCH(QString, csv);
    QStandardItemModel model;
    fill(model, depth);
    QTreeView view;
    view.setModel(&model);
    view.setColumnHidden(hidden, true);
    const bool allRows = selected == QStringList{"all"};
    for (const QString& path : (allRows ? QStringList() : selected))
        view.selectionModel()->select(at(model, path), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    ExporterCSV exporter(nullptr);
    exporter.setSeparatorCSV(separator);
    QString out;
    QTextStream stream(&out);
    QVERIFY(exporter.exportToCsv(stream, &view, depth, allRows, headers, grouping, titles));
    QCOMPARE(out, csv);
    QCOMPARE(exporter.getLastError(), QString());
}

void tst_ExporterCSV::refusedBeforeWriting_data()
{
    QTest::addColumn<int>("view");  // 0 none, 1 without model, 2 grouped
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("error");
    QTest::newRow("no view") << 0 << QStringList() << "NULL tree view passed to exportToCsv() method";
    QTest::newRow("no model") << 1 << QStringList() << "tree view without model passed to exportToCsv() method";
    QTest::newRow("unknown title") << 2 << QStringList{"Time", "Nope"}
                                   << "unknown column title 'Nope' for exporting to CSV";
    // Grouped, column 0 is the group tree, not a column to export.
    QTest::newRow("tree column title") << 2 << QStringList{"Group"}
                                       << "unknown column title 'Group' for exporting to CSV";
}

void tst_ExporterCSV::refusedBeforeWriting()
{
    QFETCH(int, view);
    QFETCH(QStringList, titles);
    QFETCH(QString, error);
    QStandardItemModel model;
    fill(model, 2);
    QTreeView tree;
    if (view == 2)
        tree.setModel(&model);
    ExporterCSV exporter(nullptr);
    QString out;
    QTextStream stream(&out);
    QVERIFY(!exporter.exportToCsv(stream, view == 0 ? nullptr : &tree, 2, true, true, true, titles));
    QCOMPARE(exporter.getLastError(), error);
    QCOMPARE(out, QString());
}

// A write that fails stops the export at that line, to a stream or a file.
void tst_ExporterCSV::writeFailureStops()
{
    QStandardItemModel model;
    fill(model, 2);
    QTreeView view;
    view.setModel(&model);
    ExporterCSV exporter(nullptr);

    LimitedDevice device(40);
    QTextStream stream(&device);
    QVERIFY(!exporter.exportToCsv(stream, &view, 2, true, true, true, QStringList()));
    // The stream's own device tells why, not the exporter's unused file.
    QCOMPARE(exporter.getLastError(), QStringLiteral("writing to file failed: device full"));
    QCOMPARE(device.written, QByteArray("Group,Group,Time,Text,Prio\nA\n,1\n"));

    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full");
    QVERIFY(!exporter.exportToCsv(&view, 2, QStringLiteral("/dev/full"), true, true, true, QStringList()));
    QCOMPARE(exporter.getLastError(), QStringLiteral("writing to file failed: No space left on device"));
}

void tst_ExporterCSV::fileDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("cancelled") << false;
    QTest::newRow("file chosen") << true;
}

// Without a file name the operator picks the file; cancelling writes
// nothing and is no failure.
void tst_ExporterCSV::fileDialog()
{
    QFETCH(bool, accept);
    QTemporaryDir dir;
    QStandardItemModel model;
    fill(model, 0);
    QTreeView view;
    view.setModel(&model);
    ExporterCSV exporter(nullptr);
    QCOMPARE(exporter.getLastDirectory(), QDir::homePath());
    QString title;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        title = dialog->windowTitle() + QLatin1Char('|') + dialog->nameFilters().join(QLatin1Char(';'));
        dialog->setDirectory(dir.path());
        if (accept) {
            // Typed by the operator without suffix: the default one is added.
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("alarms"));
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        } else {
            dialog->reject();
        }
    });
    QVERIFY2(exporter.exportToCsv(&view, 0, QString(), true, false, false, {"Prio"}), qPrintable(exporter.getLastError()));
    QCOMPARE(title, QStringLiteral("Please select output CSV file|CSV files (*.csv)"));
    QCOMPARE(exporter.getLastError(), QString());
    QFile file(dir.filePath(QStringLiteral("alarms.csv")));
    QCOMPARE(file.exists(), accept);
    if (accept) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1\n2\n2\n"));
        QCOMPARE(exporter.getLastDirectory(), QFileInfo(dir.path()).absoluteFilePath());
    }
}

void tst_ExporterCSV::separator_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("log");
    const QStringList refused{"2|CSV separator must be exactly 1 character long"};
    QTest::newRow("one character") << "|" << "10:00|Pump, failed" << QStringList();
    QTest::newRow("empty") << "" << "10:00;Pump, failed" << refused;
    QTest::newRow("two characters") << "||" << "10:00;Pump, failed" << refused;
}

// A refused separator keeps the one before.
void tst_ExporterCSV::separator()
{
    QFETCH(QString, separator);
    QFETCH(QString, line);
    QFETCH(QStringList, log);
    QStandardItemModel model;
    fill(model, 0);
    QTreeView view;
    view.setModel(&model);
    ExporterCSV exporter(nullptr);
    exporter.setSeparatorCSV(QStringLiteral(";"));
    LogCapture capture(&exporter);
    exporter.setSeparatorCSV(separator);
    QCOMPARE(capture.entries(), log);
    QString out;
    QTextStream stream(&out);
    QVERIFY(exporter.exportToCsv(stream, &view, 0, true, false, false, {"Time", "Text"}));
    QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), line);
}

void tst_ExporterCSV::optionsDialog_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("groupingAvailable");
    QTest::addColumn<QString>("choices");  // separator, all rows, headers, grouping
    QTest::newRow("cancelled") << false << true << ",1,1,1";
    QTest::newRow("changed") << true << true << ";0,0,0";
    QTest::newRow("grouping not available") << true << false << ";0,0,1";
}

// The dialog starts from the current choices; only OK takes the new ones.
void tst_ExporterCSV::optionsDialog()
{
    QFETCH(bool, ok);
    QFETCH(bool, groupingAvailable);
    QFETCH(QString, choices);
    ExportCsvOptions options;
    options.setSeparator(QStringLiteral(","));
    QString shown;
    whenModal([&](QWidget* dialog) {
        auto* all = dialog->findChild<QRadioButton*>(QStringLiteral("radioButtonAllRows"));
        auto* headers = dialog->findChild<QCheckBox*>(QStringLiteral("checkBoxHeaders"));
        auto* grouping = dialog->findChild<QCheckBox*>(QStringLiteral("checkBoxGrouping"));
        auto* separator = dialog->findChild<QLineEdit*>(QStringLiteral("textSeparator"));
        shown = QStringLiteral("%1 %2%3%4%5 %6").arg(dialog->windowTitle()).arg(all->isChecked()).arg(headers->isChecked())
                    .arg(grouping->isChecked()).arg(grouping->isEnabled()).arg(separator->text());
        dialog->findChild<QRadioButton*>(QStringLiteral("radioButtonSelectedRows"))->setChecked(true);
        headers->setChecked(false);
        grouping->setChecked(false);
        separator->clear();
        QTest::keyClicks(separator, QStringLiteral(";;"));
        if (ok)
            QMetaObject::invokeMethod(dialog, "accept");
        else
            QMetaObject::invokeMethod(dialog, "reject");
    });
    QCOMPARE(options.getOptions(QStringLiteral(","), groupingAvailable), ok);
    QCOMPARE(shown, QStringLiteral("Options for export to CSV 111%1 ,").arg(int(groupingAvailable)));
    QCOMPARE(QStringLiteral("%1%2,%3,%4")
                 .arg(options.getSeparator())
                 .arg(options.getExportAll())
                 .arg(options.getHeaders())
                 .arg(options.getGrouping()),
             choices);
}

QTEST_MAIN(tst_ExporterCSV)
#include "tst_ExporterCSV.moc"
