#pragma once

#include <filtervalues/WildcardConfig.h>

#include <QGroupBox>
#include <QSharedPointer>

class DemoTextRuleFilter;
class FilterRuleContainer;
class MsgLoggingProducer;
class QCheckBox;
class QPlainTextEdit;

// The "Filters" page: a text rule list filter of the alarm text, standing
// alone as a host would place one, with the filter it edits as text. Its
// rules filter the table when the panel applies no structured filter.
class DemoFilterPage : public QGroupBox
{
    Q_OBJECT
public:
    DemoFilterPage(const WildcardConfig& wildcard, MsgLoggingProducer* producer, QWidget* parent = nullptr);

    // Shows a stored filter, as a host restoring an operator's filter does.
    void showInitialFilter();
    // The edited filter as a rule container.
    QSharedPointer<FilterRuleContainer> editedRules() const;

private slots:
    void filterEdited();
    void matchCaseToggled(bool matchCase);

private:
    WildcardConfig m_wildcard;
    MsgLoggingProducer* m_producer;
    DemoTextRuleFilter* m_textFilter;
    QCheckBox* m_matchCase;
    QPlainTextEdit* m_filterText;
};
