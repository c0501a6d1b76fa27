#pragma once

#include <filtervalues/SourceAndFilter.h>
#include <filtervalues/WildcardConfig.h>

#include <QModelIndex>
#include <QObject>

class ActionAccessUser;
class AlarmScreenConfiguration;
class AlarmsProxyModel;
class DemoMouseProcessor;
class MsgLoggingProducer;
class QTreeView;

// The alarm table's mouse: events go to the demo's script library (or to
// the host, as configured), right presses show the menu the script
// describes, and this carries out the chosen entry.
class DemoAlarmMouse : public QObject
{
    Q_OBJECT
public:
    DemoAlarmMouse(QTreeView* table, const AlarmScreenConfiguration& config, MsgLoggingProducer* producer,
                   const ActionAccessUser* access, QObject* parent);

    // Opens the menu of the alarm row at index, as a right press on it does.
    bool openMenu(const QModelIndex& row);

signals:
    // The "Filter by system" entry asks for this filter to be applied.
    void filterChosen(const SourceAndFilter& filter);
    void message(const QString& text);

private slots:
    void entryChosen(int value, const QVariantList& args);
    void hostMouseEvent(const QVariantList& args);

private:
    AlarmsProxyModel* proxy() const;
    SourceAndFilter systemFilter(const QString& system) const;
    void acknowledgeSystem(const QString& system);

    QTreeView* m_table;
    MsgLoggingProducer* m_producer;
    WildcardConfig m_wildcard;
    DemoMouseProcessor* m_processor;
};
