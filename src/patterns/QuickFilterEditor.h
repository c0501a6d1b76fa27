#pragma once

#include "qvas_export.h"

#include <filtervalues/QuickCellFilter.h>
#include <filtervalues/WildcardConfig.h>
#include <logging/MsgLoggingProducer.h>

#include <QColor>
#include <QLineEdit>

class QuickFilterOptions;

// The one line above the alarm table that filters its cells by a pattern.
// Its background tells the state: the application's when the edited filter
// is the applied one, light yellow while it differs, light red with a tool
// tip while the pattern is invalid. The filter is emitted when editing
// finishes (Return, leaving the field, the clear button); options only
// recolour until then.
class QVAS_EXPORT QuickFilterEditor : public QLineEdit, public MsgLoggingProducer
{
    Q_OBJECT
public:
    explicit QuickFilterEditor(QWidget* parent);
    ~QuickFilterEditor() override;

    void setWildcardConfig(const WildcardConfig& config);
    void setAppliedFilter(const QuickCellFilter& filter);
    void clear();
    bool validateString(const QString& text);
    void compareFilters();

    const QuickCellFilter& getEditedFilter() const { return m_editedFilter; }
    const QuickCellFilter& getAppliedFilter() const { return m_appliedFilter; }
    QuickFilterOptions* getOptions() const { return m_options; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void filterModified(const QuickCellFilter& filter);

private slots:
    void newText(const QString& text);
    void openSetup();
    void matchCaseChanged(int checkState);
    void matchFullColumnChanged(int checkState);
    void modeChanged(int mode);
    void textEditingFinished();

private:
    void setBackground(const QColor& color);

    QuickCellFilter m_editedFilter;
    QuickCellFilter m_appliedFilter;
    QuickFilterOptions* m_options;
    QColor m_errorColor;
};
