#pragma once

#include "qvas_export.h"

#include <filtervalues/Constants.h>
#include <logging/MsgLoggingProducer.h>
#include <filtervalues/ValueFilter.h>
#include <filtervalues/WildcardConfig.h>

#include <QSharedPointer>
#include <QStringList>
#include <QWidget>

// Abstract base of the widgets that show and edit the filter of one alarm
// property (one column) taken from one value source. A filter tab finds these
// widgets among its children, collects their filters and offers each stored
// filter to them until one takes it.
class QVAS_EXPORT WFilter : public QWidget, public MsgLoggingProducer
{
    Q_OBJECT
    // Set in a form (Qt Designer) for a widget made with its parent only.
    Q_PROPERTY(QString columnId READ getColumnId WRITE setColumnId)
public:
    enum FilterDisplayResult
    {
        FilterDisplayed = 0,
        FilterPartlyDisplayed = 1,
        FilterNotDisplayed = 2,
        FilterDisplayError = 3
    };
    Q_ENUM(FilterDisplayResult)

    WFilter(const WildcardConfig& wildcardConfig, const QString& columnId, Constants::ValueSource source,
            QWidget* parent);
    ~WFilter() override;

    // True when filter is for this widget's column and source. Otherwise false,
    // with errMsg naming what differs.
    bool isPropertyMatch(const QSharedPointer<ValueFilter>& filter, QString& errMsg);

public slots:
    // A new filter built from the widget's state; null when it holds no rule.
    virtual QSharedPointer<ValueFilter> getFilter(bool matchCase) = 0;
    // Shows filter. False with errMsg empty: not for this widget, offer it to
    // the next one. False with errMsg set: an error that stops the display.
    virtual bool setFilter(const QSharedPointer<ValueFilter>& filter, bool matchCase, QString& errMsg) = 0;
    virtual void setMatchCase(bool matchCase) = 0;
    virtual void setCompletionStrings(const QStringList& completions);
    virtual QString getColumnId() const;
    virtual Constants::ValueSource getSource() const;

public:
    // The column whose filter this widget edits from now on. Not a slot and
    // declared after them: the slots and the virtual operations before it
    // keep their order.
    virtual void setColumnId(const QString& columnId);

signals:
    void filterTextChanged(const QString& propName, const QString& filterText);
    void filterChanged();

protected:
    WildcardConfig m_wildcardConfig;
    QString m_columnId;
    Constants::ValueSource m_source;
};
