#pragma once

#include "source/SourceAndFiltersUi.h"
#include "qvas_export.h"

// The built-in panel: a source control (when the configuration asks for
// one) above a quick filter editor, without structured filters.
class QVAS_EXPORT BasicSourceAndFiltersUi : public SourceAndFiltersUi
{
    Q_OBJECT
public:
    BasicSourceAndFiltersUi(const AlarmScreenConfiguration& config, QWidget* parent);

public slots:
    QList<QWidget*> getTabGroups() const override;
};
