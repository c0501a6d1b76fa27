#pragma once

#include "access/ActionAccessUser.h"
#include "table/MenuDescription.h"
#include "qvas_export.h"

#include <configuration/MouseProcessorConfiguration.h>
#include <logging/MsgLoggingProducer.h>
#include <models/AlarmInstance.h>
#include <scriptbridge/CCodeExternData.h>

#include <QAtomicInt>
#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QSharedPointer>
#include <QVariantList>
#include <QVector>

class AlarmsProxyModel;
class FilterStatisticsWidget;
class QAbstractItemModel;
class QTreeView;

// Turns mouse events on the alarm table (and on filter counters) into
// argument mappings (the event, the alarm, its related alarm) and hands
// them to the host as tableMouseEvent, or to a function of a script
// library whose answer may describe a menu. A right press on a group node
// shows the built-in expand/collapse menu instead.
class QVAS_EXPORT MouseEventProcessor : public QObject, public MsgLoggingProducer, public ActionAccessUser
{
    Q_OBJECT
public:
    using ScriptId = int;

    enum EventType
    {
        Pressed = 0,
        Clicked = 1,
        DoubleClicked = 2
    };

    // A script library checked in for the mouse event functions of the
    // process, shared by every processor.
    class QVAS_EXPORT MouseCtrlLib : public MsgLoggingProducer
    {
    public:
        MouseCtrlLib(const MsgLoggingProducer* producer, const QString& library);
        bool isForLibrary(const QString& library) const;
        // Checks the library in on first use (and again after a failure),
        // logging failures through logVia (a live processor) when given:
        // the processor that created the library may be gone.
        ScriptId getScriptId(const MsgLoggingProducer* logVia = nullptr);

    private:
        QString m_library;
        ScriptId m_scriptId;
        CCodeExternData m_externData;
    };

    MouseEventProcessor(const MsgLoggingProducer* producer, const ActionAccessUser* access, QObject* parent);
    ~MouseEventProcessor() override;

    void setConfig(const MouseProcessorConfiguration& config);
    void connectToTable(QTreeView* view);
    void setAlarmDataRole(Qt::ItemDataRole role);

    bool buildFilterViewArg(QVariantList& args, FilterStatisticsWidget* widget, int button);
    void processTableEventByCtrl(const QVariantList& args);
    void processTableEventForEwo(const QVariantList& args);
    QModelIndex buildRowIndex(const QAbstractItemModel* model, QVariantList rowPath);
    QVariantList buildRowValue(const QModelIndex& index) const;
    bool buildSourceArgForAlarm(QVariantList& args, const QModelIndex& index, EventType type) const;
    bool buildAlarmArg(QVariantList& args, const QModelIndex& index);
    void addAlarmDataToArg(QVariantList& args, const QVector<AlarmProp>& properties, const AlarmPtr& alarm);
    bool buildSourceArgForFilter(QVariantList& args, int button) const;
    void addFilterDataToArg(QVariantList& args, FilterStatisticsWidget* widget);
    bool processGroupNodeEvent(EventType type, const QModelIndex& index) const;
    const AlarmsProxyModel* getAlarmsProxyModel(const QModelIndex& index) const;
    ScriptId loadCtrlLib();

public slots:
    void tableCellPressed(const QModelIndex& index);
    void tableCellClicked(const QModelIndex& index);
    void tableCellDoubleClicked(const QModelIndex& index);

signals:
    void tableMouseEvent(const QVariantList& args);

private slots:
    void menuRequested(const QSharedPointer<MenuDescription>& menuDescription, const QVariantList& args);

private:
    void processTableEvent(EventType type, const QModelIndex& index);

    QTreeView* m_tableView;
    bool m_forwardToEwo;
    QString m_ctrlLibrary;
    QString m_ctrlFunction;
    Qt::ItemDataRole m_alarmDataRole;

    static QAtomicInt m_instanceCount;
    static QList<QSharedPointer<MouseCtrlLib>> m_ctrlLibInstances;
};
