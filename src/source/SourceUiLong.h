#pragma once

#include "access/ActionAccessUser.h"
#include "qvas_export.h"
#include "source/SourceUi.h"
#include "source/TimeRangeEditor.h"

class SystemSelectionTable;
class Ui_SourceUiLong;

// The full source control: a Live/History selector, and in history mode the
// time range and system buttons with their popups, the query state, elapsed
// time and counts, the abort button; then the change marker and Apply.
class QVAS_EXPORT SourceUiLong : public SourceUi, public ActionAccessUser
{
    Q_OBJECT
public:
    SourceUiLong(const AlarmScreenConfiguration& config, QWidget* parent);
    ~SourceUiLong() override;

    void setNewMode(Constants::SourceMode mode);
    void setWidgetVisibilityForMode(Constants::SourceMode mode);
    void displayTimeRange();

public slots:
    void setTimeSpec(Qt::TimeSpec spec) override;
    void addToFilter(const SourceAndFilter& filter) const override;
    void compareWithFilter(const SourceAndFilter& filter, bool flag) override;
    QString prepareArchiveMode(const QDateTime& start, const QDateTime& end, const QStringList& systems) override;
    void prepareOnlineMode() override;
    void displayFilterModified(bool same) override;
    void displaySourceState(Constants::SourceState state) override;
    void displaySourceCounts(unsigned int totalRead, unsigned int matching) override;
    void setMayApplySettings(bool may) override;

private slots:
    void sourceModeIndexActivated(int index);
    void timeRangeChanged(const TimeRange& timeRange);
    void systemSelectionChanged(int nSelected, int nTotal);
    void sourceButtonClicked();
    void stateTimerTick();

private:
    void setStateVisibility(Constants::SourceState state);
    void showStateColor(Constants::SourceState state);

    Ui_SourceUiLong* ui;
    SystemSelectionTable* m_systemSelectionTable;
    TimeRangeEditor m_timeRangeEditor;
};
