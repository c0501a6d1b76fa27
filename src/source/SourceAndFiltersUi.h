#pragma once

#include "filters/StructuredFilterUi.h"
#include "filters/WFilter.h"
#include "qvas_export.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <configuration/UserSettings.h>
#include <filtervalues/Constants.h>
#include <filtervalues/QuickCellFilter.h>
#include <filtervalues/SourceAndFilter.h>
#include <logging/MsgLoggingProducer.h>

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QWidget>

class QuickFilterEditor;
class SourceUi;

// The panel through which the host lets the operator choose the alarm
// source and the filters. It holds up to three parts, each optional (a
// source control, a structured filter panel, a quick filter editor),
// forwards the host's requests to whichever part serves them, merges their
// contributions into one SourceAndFilter and turns their signals into its
// own. Plug-ins may supply their own subclass.
class QVAS_EXPORT SourceAndFiltersUi : public QWidget, public MsgLoggingProducer
{
    Q_OBJECT
public:
    SourceAndFiltersUi(const AlarmScreenConfiguration& config, QWidget* parent);
    ~SourceAndFiltersUi() override;

    void setSourceUi(SourceUi* sourceUi);
    void setStructuredFilterUI(StructuredFilterUi* structuredFilterUi);

    SourceUi* getSourceUi() const { return m_sourceUi; }
    StructuredFilterUi* getStructuredFilterUi() const { return m_structuredFilterUi; }
    QuickFilterEditor* getQuickFilterEditor() const { return m_quickFilterEditor; }
    const QStringList& getFixedDpNames() const { return m_fixedDpNames; }

public slots:
    virtual QList<QWidget*> getTabGroups() const = 0;
    virtual bool isOldMetadaVisible() const;
    virtual void adjustForMode(Constants::SourceMode mode);
    virtual QString prepareArchiveMode(const QDateTime& start, const QDateTime& end, const QStringList& systems);
    virtual void prepareOnlineMode();
    virtual void displaySourceState(Constants::SourceState state);
    virtual void displaySourceCounts(unsigned int totalRead, unsigned int matching);
    virtual Qt::TimeSpec getTimeSpec() const;
    virtual void setTimeSpec(Qt::TimeSpec spec);
    virtual void connectedSystemsChanged(const QStringList& systems);
    virtual void setFixedDpNames(const QStringList& names);
    virtual bool isUseDefaultFilter() const;
    virtual void setUseDefaultFilter(bool use);
    virtual SourceAndFilter getFilter() const;
    virtual SourceAndFilter getDefaultFilter() const;
    virtual void setDefaultFilter(const SourceAndFilter& filter, UserSettings::DefaultFilterAction action);
    virtual WFilter::FilterDisplayResult displayFilter(const SourceAndFilter& filter,
                                                       StructuredFilterUi::FilterType type, QString& error);
    virtual void compareWithFilter(const SourceAndFilter& filter, bool flag);
    virtual void setAppliedQuickFilter(const QuickCellFilter& filter);
    virtual void clearQuickFilter();
    virtual void setQuickFilterEditor(QuickFilterEditor* editor);

    void applyFilterRequest();
    void requestToApplyStructuredFilter(const SourceAndFilter& filters, int type);

signals:
    void structuredFilterChanged();
    void applyStructuredFilter(const SourceAndFilter& filters, int type);
    void abortQuery();
    void filterActionRequested(const QString& action);
    void quickFilterChanged(const QuickCellFilter& filter);
    void oldDataVisibilityChanged(bool visible);

protected:
    SourceUi* m_sourceUi;
    StructuredFilterUi* m_structuredFilterUi;
    QuickFilterEditor* m_quickFilterEditor;
    QStringList m_fixedDpNames;
    Qt::TimeSpec m_timeSpec;
    bool m_containerFlag;
};
