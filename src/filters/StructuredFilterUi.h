#pragma once

#include "access/ActionAccessUser.h"
#include "filters/WFilter.h"
#include "patterns/FilterCompletions.h"
#include "qvas_export.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <logging/MsgLoggingProducer.h>
#include <filtervalues/SourceAndFilter.h>
#include <configuration/UserSettings.h>

#include <QList>
#include <QSharedPointer>
#include <QStringList>
#include <QWidget>

class CompletionSource;

// The abstract panel in which the operator edits the structured filter:
// it holds the configuration, the completion source, the connected systems,
// the default filter and its flags, and the match-case flag, and talks to
// the source-and-filters panel through its three signals.
class QVAS_EXPORT StructuredFilterUi : public QWidget, public MsgLoggingProducer, public ActionAccessUser
{
    Q_OBJECT
public:
    enum FilterType
    {
        EditorFilter = 0,
        DefaultFilter = 1,
        BasicFilter = 2
    };
    Q_ENUM(FilterType)

    StructuredFilterUi(const AlarmScreenConfiguration& config, QWidget* parent);
    ~StructuredFilterUi() override;

    bool isMatchCase() const { return m_matchCase; }
    QSharedPointer<CompletionSource> getCompletionSource() const { return m_completionSource; }

public slots:
    virtual QList<QWidget*> getTabGroups() const = 0;
    virtual void connectedSystemsChanged(const QStringList& systems) = 0;
    virtual SourceAndFilter getFilter() const = 0;
    virtual WFilter::FilterDisplayResult displayFilter(const SourceAndFilter& filter, StructuredFilterUi::FilterType type,
                                                       QString& errMsg) = 0;
    virtual void compareWithFilter(const SourceAndFilter& applied, bool flag) = 0;
    virtual void displayFilterModified(bool same) = 0;
    virtual bool isUseDefaultFilter() const;
    virtual void setUseDefaultFilter(bool use);
    virtual SourceAndFilter getDefaultFilter() const;
    virtual void setDefaultFilter(const SourceAndFilter& filter, UserSettings::DefaultFilterAction action);
    virtual bool mayApplySettings() const;
    virtual void setMayApplySettings(bool may);
    virtual void setMatchCase(bool matchCase);
    virtual void clearFilterToBasic();
    virtual void clearFilterToDefault();
    virtual void processNewCompletions(void* consumer, const QSharedPointer<FilterCompletions>& completions) = 0;

signals:
    void structuredFilterChanged();
    void applyStructuredFilter(SourceAndFilter filters, int type);
    void filterActionRequested(QString action);

private slots:
    void completionsReady(void* consumer, const QSharedPointer<FilterCompletions>& completions);

protected:
    // Puts the default filter into the editor; logs when it is not fully shown.
    void showDefaultFilter();

    AlarmScreenConfiguration m_config;
    QSharedPointer<CompletionSource> m_completionSource;
    QStringList m_connectedSystems;
    SourceAndFilter m_basicFilter;
    SourceAndFilter m_defaultFilter;
    bool m_useDefaultFilter;
    bool m_matchCase;
    bool m_mayApplySettings;
};
