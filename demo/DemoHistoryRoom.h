#pragma once

#include <QObject>
#include <QSharedPointer>

class AlarmsModel;
class DemoAlarmData;
class DemoAlarmSimulator;
class DemoArchiveQuery;
class QueryStateDisplay;
class QToolButton;
class SourceAndFilter;
class SourceAndFiltersUi;

// The history area: the simulated archive query that fills the archive's
// alarm model, the "Query state" button and the query state popup below it.
class DemoHistoryRoom : public QObject
{
    Q_OBJECT
public:
    DemoHistoryRoom(const DemoAlarmData& data, DemoAlarmSimulator* simulator,
                    const QSharedPointer<AlarmsModel>& archive, QObject* parent);

    // The button that opens the query state popup; the caller places it.
    QToolButton* button() const { return m_button; }
    // The panel that shows the query's state and counts.
    void setPanel(SourceAndFiltersUi* panel);
    // Reads the archive for the systems and time range of filter.
    void start(const SourceAndFilter& filter);

public slots:
    void abort();
    // Opens or closes the query state popup below its button.
    void toggleQueryState();

private:
    DemoArchiveQuery* m_query;
    QToolButton* m_button;
    QueryStateDisplay* m_display;
};
