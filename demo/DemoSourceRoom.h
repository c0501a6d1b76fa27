#pragma once

#include <configuration/AlarmScreenConfiguration.h>
#include <filtervalues/SourceAndFilter.h>

#include <QTimer>
#include <QWidget>

class ActionAccessOwner;
class AlarmsProxyModel;
class DemoHistoryRoom;
class MsgLoggingProducer;
class QuickCellFilter;
class QSplitter;
class SourceAndFiltersUi;
class SourceUi;
class Spoiler;

// The source-and-filters area: the panel the factory builds (the sample
// plug-in's, the built-in one or none), the filter applied from it, stored
// filters, the quick filter, history mode, and the spoiler that collapses
// the area into one line with the applied filter's summary.
class DemoSourceRoom : public QWidget
{
    Q_OBJECT
public:
    DemoSourceRoom(const QString& projectDir, const AlarmScreenConfiguration& config, MsgLoggingProducer* producer,
                   ActionAccessOwner* access, QWidget* parent = nullptr);

    // The proxies whose quick filter the panel sets, and the query it drives.
    void setTargets(AlarmsProxyModel* live, AlarmsProxyModel* archive, DemoHistoryRoom* history);
    // Puts the area in the spoiler above the splitter it sits in; it leaves
    // the splitter when collapsed.
    void setSpoiler(Spoiler* spoiler, QSplitter* splitter, QWidget* altParent);
    Spoiler* spoiler() const { return m_spoiler; }

    SourceAndFiltersUi* panel() const { return m_panel; }
    QString pluginName() const { return m_pluginName; }
    QString panelKind() const { return m_panelKind; }
    // "builtin", "none" or "plugin" (the configuration's plug-in, or the sample one).
    bool setPanelKind(const QString& kind);
    QString configuredKind() const;
    // What the panel compares with, and the spoiler's summary.
    void setApplied(const SourceAndFilter& applied);
    // Shows filter in the filter set tabs, which applies it; false when the
    // tabs cannot show it whole.
    bool showInTabs(const SourceAndFilter& filter);
    // The panel's source with filter's rules.
    SourceAndFilter withSource(const SourceAndFilter& filter) const;

    // As the operator does: load a stored filter file, add a filter set
    // tab, type a quick filter, open the archive, open a source popup.
    bool loadFilter(const QString& path);
    bool startFilterEdit();
    bool typeQuickFilter(const QString& text);
    void showHistory();
    bool openSourcePopup(const QString& name);
    void applySourceNow();

public slots:
    void setInSpoiler(bool inSpoiler);
    void collapse();
    void expand();

signals:
    void applyRequested(const SourceAndFilter& filter, int type);
    // A new panel is in place (not after "none").
    void panelBuilt();
    void message(const QString& text);

protected:
    bool event(QEvent* event) override;

private slots:
    void refitSpoiler();
    void panelChanged();
    void compareWithApplied();
    void quickFilterChanged(const QuickCellFilter& filter);
    void filterActionRequested(const QString& action);

private:
    SourceUi* sourceUi() const;
    void connectPanel();
    void showNoPanel(const QString& kind);
    void saveFilter();
    QString summary() const;

    QString m_projectDir;
    AlarmScreenConfiguration m_config;
    MsgLoggingProducer* m_producer;
    ActionAccessOwner* m_access;
    SourceAndFiltersUi* m_panel = nullptr;
    QString m_pluginName;
    QString m_panelKind;
    // The filter as the panel last asked to apply it; the panel compares with it.
    SourceAndFilter m_applied;
    AlarmsProxyModel* m_live = nullptr;
    AlarmsProxyModel* m_archive = nullptr;
    DemoHistoryRoom* m_history = nullptr;
    Spoiler* m_spoiler = nullptr;
    // One comparison with the applied filter for all the changes of one
    // event-loop turn: loading a filter changes it once per rule.
    QTimer m_compareTimer;
    // The area's height the spoiler was last fitted to.
    int m_fittedHeight = -1;
};
