#pragma once

#include "qvas_export.h"
#include "source/PopupFrame.h"

#include <filtervalues/Constants.h>

#include <QColor>
#include <QDateTime>
#include <QTimer>

class Ui_QueryStateDisplay;

// A popup with the state of the alarm source: the state in its colour, the
// time a query has been running, the alarm counts while it reads, a busy
// bar and the abort button.
class QVAS_EXPORT QueryStateDisplay : public PopupFrame
{
    Q_OBJECT
public:
    explicit QueryStateDisplay(QWidget* parent);
    ~QueryStateDisplay() override;

    void displaySourceState(Constants::SourceState state);
    void displaySourceCounts(unsigned int totalRead, unsigned int matching);
    void setElementsVisibility(Constants::SourceState state);
    QColor findStateColor(Constants::SourceState state) const;
    // The states in which the elapsed time runs: connecting and a query
    // started or reading.
    bool isStateToMeasureTime() const;

signals:
    void abortQuery();

public slots:
    void timerTick();

private:
    void showStateColor(Constants::SourceState state);

    Ui_QueryStateDisplay* ui;
    QTimer m_timer;
    QDateTime m_queryStartTime;
    Constants::SourceState m_state;
};
