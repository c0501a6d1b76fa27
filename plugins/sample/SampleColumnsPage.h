#pragma once

#include <configuration/AlarmScreenConfiguration.h>

#include <QWidget>

// The second filter page of the sample: one widget kind a column of the
// alarm table, besides the text rule lists of the first page: numeric
// rules and a "priority at least" box for the priority, a date comparison
// for the came time, a choice of one system (filled from its completions)
// and fixed toggles for the alarm state in a wrapping row.
class SampleColumnsPage : public QWidget
{
    Q_OBJECT
public:
    // Adds to completionProperties the properties whose widgets want completions.
    SampleColumnsPage(const AlarmScreenConfiguration& config, QStringList& completionProperties, QWidget* parent);

private:
    QWidget* createToggles(const WildcardConfig& wildcard);
};
