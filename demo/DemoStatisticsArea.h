#pragma once

#include <filtervalues/SourceAndFilter.h>

#include <QSharedPointer>
#include <QWidget>

class AlarmsModel;
class FilterStatisticsView;
class FilterStatisticsWidget;
class WildcardConfig;

// The filter statistics view above the alarm table: one tab per filter set
// datapoint of the demo project, counting the live alarms; a click on a
// counter asks to apply its filter.
class DemoStatisticsArea : public QWidget
{
    Q_OBJECT
public:
    DemoStatisticsArea(const QSharedPointer<AlarmsModel>& model, const WildcardConfig& wildcard,
                       QWidget* parent = nullptr);

    FilterStatisticsView* view() const { return m_view; }
    void compareWithApplied(const SourceAndFilter& applied);

signals:
    void filterChosen(const SourceAndFilter& filter);

private slots:
    void counterClicked(FilterStatisticsWidget* source, int button);

private:
    FilterStatisticsView* m_view;
};
