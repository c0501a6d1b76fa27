#pragma once

#include "filters/WFilter.h"
#include "patterns/FilterCompletions.h"
#include "qvas_export.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <filtervalues/FilterRuleSet.h>
#include <logging/MsgLoggingProducer.h>

#include <QMap>
#include <QSharedPointer>
#include <QStringList>
#include <QWidget>

class CompletionSource;
class Ui_SingleFilterTab;

// The page of one filter set: whether matching alarms are included or
// excluded, and the configured page of per-column filter widgets. It
// collects the widgets' filters into a rule set, shows a stored rule set by
// offering each filter to the widgets, hands completion strings to the
// widget of their property and forwards typed texts that other
// completions depend on.
class QVAS_EXPORT SingleFilterTab : public QWidget, public MsgLoggingProducer
{
    Q_OBJECT
public:
    SingleFilterTab(const MsgLoggingProducer* logParent, unsigned int number, QWidget* parent);
    ~SingleFilterTab() override;

    void configure(const AlarmScreenConfiguration& config, QSharedPointer<CompletionSource>& completionSource,
                   QStringList& completionProperties);
    QString getName() const;
    unsigned int getNumber() const { return m_number; }
    FilterRuleSet getFilterSet(bool matchCase) const;
    WFilter::FilterDisplayResult displayRuleSet(const FilterRuleSet& ruleSet, bool matchCase, QString& errMsg);
    void setMatchCase(bool matchCase);
    void completionsReady(const QSharedPointer<FilterCompletions>& completions, const QStringList& systems);

signals:
    void newName(SingleFilterTab* widget, QString tabName);
    void filterChanged();

private slots:
    void exclusivityChanged();
    void filterTextChanged(QString propName, QString filterValue);

private:
    QList<WFilter*> filterWidgets() const;

    Ui_SingleFilterTab* ui;
    QSharedPointer<CompletionSource> m_completionSource;
    QMap<QString, QString> m_filterTexts;
    unsigned int m_number;
};
