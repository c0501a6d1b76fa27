#include "QvasDesignerCollection.h"

#include "QvasDesignerWidget.h"

#include <filters/WEditFilterRuleDate.h>
#include <filters/WEditFilterRuleNumbers.h>
#include <filters/WEditFilterRuleSingleValue.h>
#include <filters/WEditFilterRuleText.h>
#include <filters/WFixedFilterToggleButton.h>
#include <filters/WFixedMultiFilterToggle.h>
#include <filters/WSpinboxFilterRuleNumbers.h>
#include <patterns/ExpandingStringPatternEdit.h>
#include <patterns/QuickFilterEditor.h>
#include <patterns/StringPatternEditor.h>
#include <source/Spoiler.h>
#include <source/TimeRangeEditor.h>
#include <statistics/FilterStatisticsWidget.h>
#include <systems/ConnectionMapWidget.h>

#include <filtervalues/TimeRange.h>
#include <filtervalues/ValueFilterFixed.h>
#include <filtervalues/ValueFilterFixedMulti.h>

namespace {

const Constants::ValueSource kAlarm = Constants::ValueSourceAlarm;

// Said of the widgets whose constructor needs more than a parent: Designer
// shows a sample; uic cannot make one, so the panel's code does.
const char* const kMadeInCode = "\nMade in code: its constructor needs %1.";

// The text rule list as Designer shows it; a panel supplies the match case
// in a subclass of its own, to which the form's widget is promoted.
class PreviewTextRules : public WEditFilterRuleText
{
public:
    explicit PreviewTextRules(QWidget* parent)
        : WEditFilterRuleText(parent)
    {
    }
    void setMatchCase(bool) override {}
};

// A fixed filter to preview the toggle with.
QSharedPointer<ValueFilterFixed> sampleFixedFilter()
{
    return QSharedPointer<ValueFilterFixed>(
        new ValueFilterFixed(WildcardConfig(), QStringLiteral("ACK_STATE"), kAlarm, false, QStringLiteral("unack")));
}

QWidget* sampleMultiToggle(QWidget* parent)
{
    QSharedPointer<ValueFilterFixedMulti> filter(
        new ValueFilterFixedMulti(WildcardConfig(), QStringLiteral("DIRECTION"), kAlarm, false));
    filter->addFixedFilter(QStringLiteral("came"), false);
    filter->addFixedFilter(QStringLiteral("went"), false);
    return new WFixedMultiFilterToggle(WildcardConfig(), filter, parent);
}

// The log parent of time range editors made for forms; lives as long as the plug-in.
const TimeRange& sampleTimeRange()
{
    static const TimeRange range;
    return range;
}

QString madeInCode(const QString& toolTip, const char* what)
{
    return toolTip + QString::fromLatin1(kMadeInCode).arg(QLatin1String(what));
}

} // namespace

QvasDesignerCollection::QvasDesignerCollection(QObject* parent)
    : QObject(parent)
{
    auto add = [this](const char* className, const char* header, const char* icon, const QString& toolTip,
                      const QvasDesignerWidget::Factory& factory) {
        m_widgets.append(new QvasDesignerWidget(QLatin1String(className), QLatin1String(header),
                                                QLatin1String(icon), toolTip, factory, this));
    };
    add("WEditFilterRuleText", "filters/WEditFilterRuleText.h", "textrules",
        QStringLiteral("Text rules of one column: a list of patterns, each exact, wildcard or regular expression; "
                       "set the column in columnId.\nAbstract: promote it to a subclass that supplies setMatchCase()."),
        [](QWidget* p) { return new PreviewTextRules(p); });
    add("WEditFilterRuleNumbers", "filters/WEditFilterRuleNumbers.h", "numberrules",
        QStringLiteral("Numeric rules of one column typed as text (\"<10\", \"20-30\", \"=5\"); set the column in columnId."),
        [](QWidget* p) { return new WEditFilterRuleNumbers(p); });
    add("WSpinboxFilterRuleNumbers", "filters/WSpinboxFilterRuleNumbers.h", "spinrule",
        madeInCode(QStringLiteral("One numeric rule of one column chosen with a spin box."), "its operator and range"),
        [](QWidget* p) { return new WSpinboxFilterRuleNumbers(WildcardConfig(), QString(), kAlarm, p,
                                                              QStringLiteral(">="), 0, 100, 0); });
    add("WEditFilterRuleDate", "filters/WEditFilterRuleDate.h", "daterule",
        QStringLiteral("A time rule of one column: before, after or between; set the column in columnId."),
        [](QWidget* p) { return new WEditFilterRuleDate(p); });
    add("WEditFilterRuleSingleValue", "filters/WEditFilterRuleSingleValue.h", "singlevalue",
        QStringLiteral("One value of one column chosen from a list; set the column in columnId."),
        [](QWidget* p) { return new WEditFilterRuleSingleValue(p); });
    add("WFixedFilterToggleButton", "filters/WFixedFilterToggleButton.h", "toggle",
        madeInCode(QStringLiteral("A button that switches one fixed filter on and off."), "its fixed filter"),
        [](QWidget* p) { return new WFixedFilterToggleButton(WildcardConfig(), sampleFixedFilter(), p); });
    add("WFixedMultiFilterToggle", "filters/WFixedMultiFilterToggle.h", "multitoggle",
        madeInCode(QStringLiteral("Buttons that switch the fixed filters of one column's group."), "its group of fixed filters"),
        [](QWidget* p) { return sampleMultiToggle(p); });
    add("StringPatternEditor", "patterns/StringPatternEditor.h", "patterns",
        madeInCode(QStringLiteral("A one-line list of patterns of one column, separated by ';'."), "its column"),
        [](QWidget* p) { return new StringPatternEditor(WildcardConfig(), QString(), kAlarm, p); });
    add("ExpandingStringPatternEdit", "patterns/ExpandingStringPatternEdit.h", "expandingpatterns",
        madeInCode(QStringLiteral("A list of patterns of one column that opens over the page while edited."), "its column"),
        [](QWidget* p) { return new ExpandingStringPatternEdit(WildcardConfig(), QString(), kAlarm, p); });
    add("QuickFilterEditor", "patterns/QuickFilterEditor.h", "quickfilter",
        QStringLiteral("The quick filter: one pattern over all columns, with its options."),
        [](QWidget* p) { return new QuickFilterEditor(p); });
    add("TimeRangeEditor", "source/TimeRangeEditor.h", "timerange",
        madeInCode(QStringLiteral("The time range of an archive query."), "the time range it edits"),
        [](QWidget* p) { return new TimeRangeEditor(sampleTimeRange(), p); });
    add("FilterStatisticsWidget", "statistics/FilterStatisticsWidget.h", "counter",
        madeInCode(QStringLiteral("A filter statistics counter; set the filter's datapoint in filterDpName."),
                   "the producer it logs through"),
        [](QWidget* p) { return new FilterStatisticsWidget(nullptr, p); });
    add("ConnectionMapWidget", "systems/ConnectionMapWidget.h", "connectionmap",
        QStringLiteral("A map of the connection states of the distributed systems, a square each."),
        [](QWidget* p) { return new ConnectionMapWidget(p); });
    add("Spoiler", "source/Spoiler.h", "spoiler",
        QStringLiteral("A title line that shows or hides the area below it."),
        [](QWidget* p) { return new Spoiler(p); });
}
