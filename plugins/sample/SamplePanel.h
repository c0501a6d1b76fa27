#pragma once

#include <source/SourceAndFiltersUi.h>

// The sample plug-in's panel: a title line, the source control and the
// quick filter, in one frame.
class SamplePanel : public SourceAndFiltersUi
{
    Q_OBJECT
public:
    SamplePanel(const AlarmScreenConfiguration& config, QWidget* parent);

public slots:
    QList<QWidget*> getTabGroups() const override;
};
