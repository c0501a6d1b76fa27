#pragma once

#include "filters/WFilter.h"
#include "qvas_export.h"

#include <filtervalues/ValueFilterText.h>
#include <filtervalues/ValueFilterTextItem.h>

#include <QStringList>

class CellRepaintFilter;
class QToolButton;
class Ui_WEditFilterRuleText;

// Edits a text filter as a table of rules: a pattern, the method by which it
// is matched (exact, wildcard, regular expression) and an exclude toggle per
// row. The table is the only store of the rules. setMatchCase stays pure: a
// page builder supplies the concrete subclass.
class QVAS_EXPORT WEditFilterRuleText : public WFilter
{
    Q_OBJECT
public:
    WEditFilterRuleText(const WildcardConfig& wildcardConfig, const QString& columnId,
                        Constants::ValueSource source, QWidget* parent);
    ~WEditFilterRuleText() override;

    QSharedPointer<ValueFilter> getFilter(bool matchCase) override;
    bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) override;

protected:
    // For a subclass placed in a form: the default wildcards, alarm values,
    // the column set later (columnId).
    explicit WEditFilterRuleText(QWidget* parent);
    QToolButton* createToolButton();

    Ui_WEditFilterRuleText* ui;
    QStringList m_methodLabels;
    int m_defaultMatchMethod;

private slots:
    void addRule(bool checked);
    void deleteRules(bool checked);
    void selectionChanged();
    void ruleMatchMethodChanged(bool checked);
    void cellDataChanged(int row, int column);
    bool addFilterOfRow(int row, ValueFilterText* filter);
    bool addRowOfFilter(ValueFilterTextItem item);

private:
    // Shows method on a row's method button as choosing it in the menu does.
    void showMethod(QToolButton* button, int method, const QString& methodText);
    static QString methodMenuText(int method);

    // Passes the paint requests of the rows' buttons to the table.
    CellRepaintFilter* m_cellRepaint;
};
