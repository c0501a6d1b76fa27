#include <filters/WEditFilterRuleText.h>

#include <filtervalues/ValueFilterText.h>

#include <QApplication>
#include <QTextStream>

class ConsumerTextRules : public WEditFilterRuleText
{
    Q_OBJECT
public:
    using WEditFilterRuleText::WEditFilterRuleText;
public slots:
    void setMatchCase(bool) override {}
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    WildcardConfig config;
    ConsumerTextRules widget(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm, nullptr);
    QSharedPointer<ValueFilterText> shown(
        new ValueFilterText(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm, false));
    shown->addItem(QStringLiteral("Valve"), 0, false);
    QString errMsg;
    if (!widget.setFilter(shown, false, errMsg))
        return 1;
    const QSharedPointer<ValueFilter> back = widget.getFilter(false);
    if (!back)
        return 2;
    QTextStream(stdout) << "consumer: " << back->toString() << Qt::endl;
    return 0;
}

#include "main.moc"
