#pragma once

#include "qvas_export.h"
#include "source/PopupFrame.h"

#include <logging/MsgLoggingProducer.h>
#include <filtervalues/TimeRange.h>

class Ui_TimeRangeEditor;

// The popup in which the operator picks the time range of an archive query:
// a range type, a count for relative ranges, or a start and an end for a
// fixed interval. Every change is reported with the complete new range.
class QVAS_EXPORT TimeRangeEditor : public PopupFrame, public MsgLoggingProducer
{
    Q_OBJECT
public:
    TimeRangeEditor(const TimeRange& range, QWidget* parent);
    ~TimeRangeEditor() override;

    void setTimeSpec(Qt::TimeSpec spec);
    const TimeRange& getTimeRange() const { return m_timeRange; }

signals:
    void changed(const TimeRange& range);

public slots:
    void displayTimeRange(bool forced);

private slots:
    void typeSelected(const QString& text);
    void spinValueChanged(int value);
    void startTimeChanged(const QDateTime& dateTime);
    void endTimeChanged(const QDateTime& dateTime);
    void nowButtonClicked();

private:
    Ui_TimeRangeEditor* ui;
    TimeRange m_timeRange;
};
