#include <log/DialogLogHistory.h>
#include <log/MsgLoggerColoredModel.h>
#include <log/MsgLoggerStatistics.h>

#include <logging/MsgLoggerModel.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

// The label as a host that wants error announcements sets it up.
class NotifyingStatistics : public MsgLoggerStatistics
{
public:
    NotifyingStatistics()
        : MsgLoggerStatistics(nullptr)
    {
        m_notifySeverity = MsgLoggerEnums::LogError;
    }
};

QColor background(const QLabel& label)
{
    return label.autoFillBackground() ? label.palette().color(label.backgroundRole()) : QColor();
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class tst_MsgLoggerStatistics : public QObject
{
    Q_OBJECT
private slots:
    void countColourAndAnnouncement();
    void severityColours_data();
    void severityColours();
    void oneDialogAtATime();
    void floodRepaintsOncePerTurn();
};

void tst_MsgLoggerStatistics::countColourAndAnnouncement()
{
    QSharedPointer<MsgLoggerModel> model(new MsgLoggerModel);
    NotifyingStatistics label;
    QCOMPARE(label.text(), QStringLiteral("Messages: 0"));
    QVERIFY(!background(label).isValid());
    label.setModel(model);
    QSignalSpy announced(&label, SIGNAL(criticalMessage(const QString&)));
    for (int i = 0; i < 4; ++i)
        model->addMessage(MsgLoggerEnums::LogInfo, "info");
    model->addMessage(MsgLoggerEnums::LogWarning, "warning");
    QCOMPARE(label.text(), QStringLiteral("Messages: 5"));
    QCOMPARE(background(label), QColor(255, 255, 192));
    model->addMessage(MsgLoggerEnums::LogError, "first error");
    model->addMessage(MsgLoggerEnums::LogInfo, "after it");
    QCOMPARE(background(label), QColor(255, 192, 192));
    // Each error once, although every later message reports the worst as error.
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.first().first().toString(), QStringLiteral("first error"));
    QTest::qWait(2);  // a later millisecond: a new error
    model->addMessage(MsgLoggerEnums::LogError, "second error");
    QCOMPARE(announced.count(), 2);
    QCOMPARE(announced.last().first().toString(), QStringLiteral("second error"));
    // Without the host's request, nothing is announced.
    MsgLoggerStatistics quiet(nullptr);
    QSignalSpy quietSpy(&quiet, SIGNAL(criticalMessage(const QString&)));
    quiet.setModel(model);
    QTest::qWait(2);
    model->addMessage(MsgLoggerEnums::LogError, "third error");
    QCOMPARE(quietSpy.count(), 0);
    model->clear();
    QCOMPARE(label.text(), QStringLiteral("Messages: 0"));
    QVERIFY(!background(label).isValid());
}

void tst_MsgLoggerStatistics::severityColours_data()
{
    QTest::addColumn<int>("severity");
    QTest::addColumn<QColor>("color");
    QTest::newRow("info") << 1 << QColor();
    QTest::newRow("error") << 3 << QColor(255, 192, 192);
}

// The severity column of the history takes the colour; the others none.
void tst_MsgLoggerStatistics::severityColours()
{
    QFETCH(int, severity);
    QFETCH(QColor, color);
    MsgLoggerModel model;
    model.addMessage(MsgLoggerEnums::LogSeverity(severity), "text");
    MsgLoggerColoredModel colored(nullptr);
    colored.setSourceModel(&model);
    const QVariant brush = colored.data(colored.index(0, 1), Qt::BackgroundRole);
    QCOMPARE(brush.isValid(), color.isValid());
    if (color.isValid())
        QCOMPARE(brush.value<QBrush>().color(), color);
    QVERIFY(!colored.data(colored.index(0, 2), Qt::BackgroundRole).isValid());
}

void tst_MsgLoggerStatistics::oneDialogAtATime()
{
    QSharedPointer<MsgLoggerModel> model(new MsgLoggerModel);
    model->addMessage(MsgLoggerEnums::LogInfo, "one");
    model->addMessage(MsgLoggerEnums::LogError, "two");
    MsgLoggerStatistics label(nullptr);
    label.setModel(model);
    label.show();
    click(&label);
    QList<DialogLogHistory*> dialogs = label.findChildren<DialogLogHistory*>();
    QCOMPARE(dialogs.size(), 1);
    DialogLogHistory* dialog = dialogs.first();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Log message history"));
    auto* counter = dialog->findChild<QLabel*>("labelCount");
    QCOMPARE(counter->text(), QStringLiteral("Total: 2"));
    click(&label);
    QCOMPARE(label.findChildren<DialogLogHistory*>(), dialogs);
    // Reset clears the messages for every display; the counter follows.
    auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
    box->button(QDialogButtonBox::Reset)->click();
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(counter->text(), QStringLiteral("Total: 0"));
    box->button(QDialogButtonBox::Close)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(label.findChildren<DialogLogHistory*>().isEmpty());
    click(&label);
    QCOMPARE(label.findChildren<DialogLogHistory*>().size(), 1);
}

// 100,000 messages in one turn of the event loop: the label paints once.
void tst_MsgLoggerStatistics::floodRepaintsOncePerTurn()
{
    QSharedPointer<MsgLoggerModel> model(new MsgLoggerModel);
    NotifyingStatistics label;
    label.setModel(model);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    PaintCounter counter;
    label.installEventFilter(&counter);
    QSignalSpy announced(&label, SIGNAL(criticalMessage(const QString&)));
    for (int i = 0; i < 100000; ++i)
        model->addMessage(i % 10 ? MsgLoggerEnums::LogInfo : MsgLoggerEnums::LogError, QString::number(i));
    QCoreApplication::processEvents();
    QVERIFY2(counter.paints <= 1, qPrintable(QString::number(counter.paints)));
    QCOMPARE(label.text(), QStringLiteral("Messages: 10000"));
    QVERIFY(announced.count() >= 1);
}

QTEST_MAIN(tst_MsgLoggerStatistics)
#include "tst_MsgLoggerStatistics.moc"
