#pragma once

#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/WildcardConfig.h>
#include <models/AlarmsModel.h>

#include <QList>
#include <QSharedPointer>
#include <QWidget>

class FilterStatisticsWidget;

// A row of filter counters above the alarm table: unacknowledged alarms,
// high priorities and one counter a system, each over the live alarms and
// coloured by the state of its most urgent alarm. Clicking a counter asks
// for its filter to be applied; the counter of the applied filter is framed.
class DemoCounterBar : public QWidget
{
    Q_OBJECT
public:
    DemoCounterBar(const QSharedPointer<AlarmsModel>& model, const WildcardConfig& wildcard,
                   const QStringList& systems, MsgLoggingProducer* producer, QWidget* parent = nullptr);

    const QList<FilterStatisticsWidget*>& counters() const { return m_counters; }

public slots:
    void compareWithApplied(const SourceAndFilter& applied);

signals:
    void filterChosen(const SourceAndFilter& filter);

private slots:
    void counterClicked(FilterStatisticsWidget* source, int button);

private:
    void addCounter(const QString& id, const QString& name, const QString& property, int method,
                    const QString& pattern, MsgLoggingProducer* producer);

    QSharedPointer<AlarmsModel> m_model;
    WildcardConfig m_wildcard;
    QList<FilterStatisticsWidget*> m_counters;
};
