#include "DemoWindow.h"

#include "DemoTextRuleFilter.h"

#include <MsgLoggerModel.h>
#include <MsgLoggingMessage.h>
#include <ValueFilterText.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QTextStream>
#include <QVBoxLayout>

namespace {
const char* const kTextColumn = "ALERT_TEXT";
} // namespace

DemoWindow::DemoWindow(const QString& projectDir, QWidget* parent)
    : QMainWindow(parent)
    , m_projectDir(projectDir)
    , m_log(new MsgLoggerModel)
    , m_wildcardConfig(this)
{
    setLogBuffer(m_log);
    setLogThreshold(MsgLoggerEnums::LogTrace);
    setWindowTitle(tr("qvas demo: alarm screen"));

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(createFilterArea());
    splitter->addWidget(createLogView());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    resize(760, 520);
}

QWidget* DemoWindow::createFilterArea()
{
    auto* box = new QGroupBox(tr("Structured filter: alarm text (%1)").arg(QLatin1String(kTextColumn)));
    auto* layout = new QVBoxLayout(box);
    m_textFilter = new DemoTextRuleFilter(m_wildcardConfig, QLatin1String(kTextColumn),
                                          Constants::ValueSourceAlarm, box);
    m_matchCase = new QCheckBox(tr("Match case"));
    m_filterText = new QPlainTextEdit;
    m_filterText->setReadOnly(true);
    m_filterText->setMaximumBlockCount(200);
    layout->addWidget(m_textFilter, 2);
    layout->addWidget(m_matchCase);
    layout->addWidget(new QLabel(tr("Edited filter:")));
    layout->addWidget(m_filterText, 1);

    connect(m_textFilter, SIGNAL(filterChanged()), this, SLOT(filterEdited()));
    connect(m_matchCase, SIGNAL(toggled(bool)), this, SLOT(matchCaseToggled(bool)));
    return box;
}

QWidget* DemoWindow::createLogView()
{
    auto* view = new QTableView;
    view->setModel(m_log.data());
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->hide();
    connect(m_log.data(), SIGNAL(rowsInserted(QModelIndex, int, int)), view, SLOT(scrollToBottom()));
    return view;
}

void DemoWindow::showInitialFilter()
{
    QSharedPointer<ValueFilterText> stored(
        new ValueFilterText(m_wildcardConfig, QLatin1String(kTextColumn), Constants::ValueSourceAlarm, false));
    stored->addItem(QStringLiteral("Pump * failure"), ValueFilterTextItem::MatchWildcard, false);
    stored->addItem(QStringLiteral("^Test.*"), ValueFilterTextItem::MatchRegExp, true);
    stored->addItem(QStringLiteral("Valve 12 stuck"), ValueFilterTextItem::MatchExact, false);
    QString errMsg;
    bool shown = false;
    {
        // Restoring is not an edit: report the restored filter once.
        const QSignalBlocker blocker(m_textFilter);
        shown = m_textFilter->setFilter(stored, m_matchCase->isChecked(), errMsg);
    }
    if (!shown)
        MSG_LOG(this, MsgLoggerEnums::LogError) << "stored filter not shown: " << errMsg;
    filterEdited();
}

void DemoWindow::filterEdited()
{
    const QSharedPointer<ValueFilter> filter = m_textFilter->getFilter(m_matchCase->isChecked());
    const QString text = filter ? filter->toString() : tr("(no filter: no rule, or a rule without pattern)");
    m_filterText->appendPlainText(text);
    QTextStream(stdout) << "filter: " << text << Qt::endl;
}

void DemoWindow::matchCaseToggled(bool matchCase)
{
    m_textFilter->setMatchCase(matchCase);
    filterEdited();
}
