// Loading a saved filter of n text rules into a text rule list, shown on
// screen and hidden: the time should grow linearly with n.
//
//   bench_FilterLoad [--rules N,N,...]
#include <filters/WEditFilterRuleText.h>
#include <filtervalues/ValueFilterText.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

class TextRules : public WEditFilterRuleText
{
public:
    explicit TextRules(QWidget* parent)
        : WEditFilterRuleText(WildcardConfig(), QStringLiteral("DPE"), Constants::ValueSourceAlarm, parent)
    {
    }
    void setMatchCase(bool) override {}
};

QSharedPointer<ValueFilter> filterOf(int rules)
{
    QSharedPointer<ValueFilterText> filter(
        new ValueFilterText(WildcardConfig(), QStringLiteral("DPE"), Constants::ValueSourceAlarm, false));
    for (int i = 0; i < rules; ++i)
        filter->addItem(QStringLiteral("Plant%1:Pump%2*").arg(i % 7).arg(i), i % 3, i % 5 == 0);
    return filter;
}

// Milliseconds to show the filter, and the rules read back.
double loadMs(int rules, bool shown, int& readBack)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* list = new TextRules(&window);
    layout->addWidget(list);
    window.resize(400, 600);
    if (shown)
        window.show();
    QApplication::processEvents();
    const QSharedPointer<ValueFilter> filter = filterOf(rules);
    QString error;
    QElapsedTimer timer;
    timer.start();
    list->setFilter(filter, false, error);
    QApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    auto read = list->getFilter(false).dynamicCast<ValueFilterText>();
    readBack = read ? read->getItems().size() : 0;
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("rules"), QStringLiteral("Rule counts."), QStringLiteral("N,N,..."),
                      QStringLiteral("500,1000,2000,4000")});
    parser.process(app);
    QTextStream out(stdout);
    for (const QString& count : parser.value(QStringLiteral("rules")).split(QLatin1Char(','))) {
        const int rules = count.toInt();
        int shownBack = 0;
        int hiddenBack = 0;
        const double shown = loadMs(rules, true, shownBack);
        const double hidden = loadMs(rules, false, hiddenBack);
        out << "text rules " << rules << ": shown " << QString::number(shown, 'f', 1) << " ms ("
            << QString::number(shown * 1000 / rules, 'f', 1) << " us a rule), hidden "
            << QString::number(hidden, 'f', 1) << " ms; read back " << shownBack << " and " << hiddenBack
            << Qt::endl;
    }
    return 0;
}
