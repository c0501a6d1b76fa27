#pragma once

#include "qvas_export.h"

#include <filtervalues/QuickCellFilter.h>
#include <logging/MsgLoggingProducer.h>

#include <QFrame>

class Ui_QuickFilterOptions;

// The options popup of the quick filter: how the pattern is read
// (wildcard, regular expression, string literal), whether case matters and
// whether the whole cell must match. It reports each change as a signal.
class QVAS_EXPORT QuickFilterOptions : public QFrame, public MsgLoggingProducer
{
    Q_OBJECT
public:
    QuickFilterOptions(const MsgLoggingProducer* logParent, QWidget* parent);
    ~QuickFilterOptions() override;

    void setFilterOptions(const QuickCellFilter& filter);

signals:
    void matchCaseChanged(int checkState);
    void matchFullColumnChanged(int checkState);
    void modeChanged(int mode);

private slots:
    void modeToggled(bool buttonChecked);

private:
    Ui_QuickFilterOptions* ui;
    int m_mode;
};
