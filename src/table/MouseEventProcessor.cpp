#include "table/MouseEventProcessor.h"

#include "access/EwoActions.h"
#include "statistics/FilterStatisticsWidget.h"
#include "table/MouseEventDoneCb.h"

#include <logging/MsgLoggingMessage.h>
#include <models/AlarmsProxyModel.h>
#include <scriptbridge/converter.h>
#include <scripts/Controller.h>
#include <variables/DynVar.h>

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QTreeView>

QAtomicInt MouseEventProcessor::m_instanceCount;
QList<QSharedPointer<MouseEventProcessor::MouseCtrlLib>> MouseEventProcessor::m_ctrlLibInstances;

// ---- the shared script library

MouseEventProcessor::MouseCtrlLib::MouseCtrlLib(const MsgLoggingProducer* producer, const QString& library)
    : MsgLoggingProducer(producer)
    , m_library(library)
    , m_scriptId(-1)
    , m_externData(QStringLiteral("MouseEventProcessor"), QStringLiteral("MouseEventProcessor"))
{
}

bool MouseEventProcessor::MouseCtrlLib::isForLibrary(const QString& library) const
{
    return m_library == library;
}

MouseEventProcessor::ScriptId MouseEventProcessor::MouseCtrlLib::getScriptId(const MsgLoggingProducer* logVia)
{
    if (m_scriptId >= 0)
        return m_scriptId;
    const MsgLoggingProducer* log = logVia ? logVia : this;
    if (m_library.isEmpty()) {
        MSG_LOG(log, MsgLoggerEnums::LogError) << "Empty CTRL library for MouseEventProcessor";
        return m_scriptId;
    }
    const QByteArray script = QStringLiteral("#uses \"%1\"").arg(m_library).toLatin1();
    Controller* controller = Controller::thisPtr;
    m_scriptId = controller ? controller->checkIn(CharString(script), DynVar(), &m_externData, nullptr, false, false,
                                                  false)
                            : -1;
    if (m_scriptId < 0) {
        MSG_LOG(log, MsgLoggerEnums::LogError) << "Failed to check in script, returned value " << m_scriptId
                                                << ", script: " << QString::fromLatin1(script);
    }
    return m_scriptId;
}

// ---- the processor

MouseEventProcessor::MouseEventProcessor(const MsgLoggingProducer* producer, const ActionAccessUser* access,
                                         QObject* parent)
    : QObject(parent)
    , MsgLoggingProducer(producer)
    , ActionAccessUser(access)
    , m_tableView(nullptr)
    , m_forwardToEwo(true)
    , m_alarmDataRole(Qt::EditRole)
{
    m_instanceCount.ref();
}

MouseEventProcessor::~MouseEventProcessor()
{
    // The last processor releases the libraries; the next one checks them in again.
    if (!m_instanceCount.deref())
        m_ctrlLibInstances.clear();
}

void MouseEventProcessor::setConfig(const MouseProcessorConfiguration& config)
{
    m_forwardToEwo = config.forwardToEwo;
    m_ctrlLibrary = config.ctrlLibrary;
    m_ctrlFunction = config.ctrlFunction;
}

void MouseEventProcessor::connectToTable(QTreeView* view)
{
    m_tableView = view;
    connect(view, SIGNAL(pressed(const QModelIndex&)), this, SLOT(tableCellPressed(const QModelIndex&)));
    connect(view, SIGNAL(clicked(const QModelIndex&)), this, SLOT(tableCellClicked(const QModelIndex&)));
    connect(view, SIGNAL(doubleClicked(const QModelIndex&)), this, SLOT(tableCellDoubleClicked(const QModelIndex&)));
}

void MouseEventProcessor::setAlarmDataRole(Qt::ItemDataRole role)
{
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "unexpected data role " << int(role) << " for MouseEventProcessor";
        return;
    }
    m_alarmDataRole = role;
}

void MouseEventProcessor::tableCellPressed(const QModelIndex& index)
{
    processTableEvent(Pressed, index);
}

void MouseEventProcessor::tableCellClicked(const QModelIndex& index)
{
    processTableEvent(Clicked, index);
}

void MouseEventProcessor::tableCellDoubleClicked(const QModelIndex& index)
{
    processTableEvent(DoubleClicked, index);
}

void MouseEventProcessor::processTableEvent(EventType type, const QModelIndex& index)
{
    if (processGroupNodeEvent(type, index))
        return;
    QVariantList args;
    if (!buildSourceArgForAlarm(args, index, type) || !buildAlarmArg(args, index))
        return;
    if (m_forwardToEwo)
        processTableEventForEwo(args);
    else
        processTableEventByCtrl(args);
}

const AlarmsProxyModel* MouseEventProcessor::getAlarmsProxyModel(const QModelIndex& index) const
{
    const auto* model = qobject_cast<const AlarmsProxyModel*>(index.model());
    if (!model)
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Table model is not AlarmsProxyModel";
    return model;
}

bool MouseEventProcessor::processGroupNodeEvent(EventType type, const QModelIndex& index) const
{
    if (type != Pressed || QGuiApplication::mouseButtons() != Qt::RightButton || index.column() != 0)
        return false;
    // Silently here: a table event on another model is reported once, when its arguments are built.
    const auto* model = qobject_cast<const AlarmsProxyModel*>(index.model());
    if (!model || model->getAlarmAtRow(index))
        return false;
    auto* menu = new QMenu;
    addMenuAction(menu, EwoActions::ExpandAllNodes, tr("Expand all nodes"), QString());
    addMenuAction(menu, EwoActions::CollapseAllNodes, tr("Collapse all nodes"), QString());
    QAction* chosen = menu->exec(QCursor::pos());
    if (chosen && m_tableView) {
        if (chosen->data().toString() == EwoActions::ExpandAllNodes)
            m_tableView->expandAll();
        else if (chosen->data().toString() == EwoActions::CollapseAllNodes)
            m_tableView->collapseAll();
    }
    delete menu;
    return true;
}

QVariantList MouseEventProcessor::buildRowValue(const QModelIndex& index) const
{
    QVariantList rows{index.row()};
    for (QModelIndex parent = index.model() ? index.model()->parent(index) : QModelIndex(); parent.isValid();
         parent = parent.model()->parent(parent))
        rows.prepend(parent.row());
    return rows;
}

QModelIndex MouseEventProcessor::buildRowIndex(const QAbstractItemModel* model, QVariantList rowPath)
{
    if (!model || rowPath.isEmpty())
        return QModelIndex();
    QModelIndex index;
    for (const QVariant& row : rowPath) {
        index = model->index(row.toInt(), 0, index);
        if (!index.isValid())
            return QModelIndex();
    }
    return index;
}

bool MouseEventProcessor::buildSourceArgForAlarm(QVariantList& args, const QModelIndex& index, EventType type) const
{
    const AlarmsProxyModel* model = getAlarmsProxyModel(index);
    if (!model)
        return false;
    const QVector<AlarmProp> columns = model->getColumnsDefinition(true);
    const bool inRange = index.column() >= 0 && index.column() < columns.size();
    const QPoint cursor = QCursor::pos();
    QVariantMap event;
    event.insert(QStringLiteral("type"), int(type));
    event.insert(QStringLiteral("button"), type == Pressed ? int(QGuiApplication::mouseButtons()) : 1);
    event.insert(QStringLiteral("row"), buildRowValue(index));
    event.insert(QStringLiteral("columnSource"), inRange ? int(columns.at(index.column()).getSource()) : 0);
    event.insert(QStringLiteral("columnId"), inRange ? columns.at(index.column()).getColumnId() : QString());
    event.insert(QStringLiteral("screenX"), cursor.x());
    event.insert(QStringLiteral("screenY"), cursor.y());
    args.append(event);
    return true;
}

bool MouseEventProcessor::buildAlarmArg(QVariantList& args, const QModelIndex& index)
{
    const AlarmsProxyModel* model = qobject_cast<const AlarmsProxyModel*>(index.model());
    if (!model)
        return false;
    const QVector<AlarmProp>& properties = model->getAlarmProperties();
    const AlarmPtr alarm = model->getAlarmAtRow(index);
    if (!alarm)
        return false;
    addAlarmDataToArg(args, properties, alarm);
    addAlarmDataToArg(args, properties, model->getAlarmByIdent(alarm->getRelatedIdent()));
    return true;
}

void MouseEventProcessor::addAlarmDataToArg(QVariantList& args, const QVector<AlarmProp>& properties,
                                            const AlarmPtr& alarm)
{
    QVariantMap values;
    const int role = m_alarmDataRole == Qt::EditRole ? Qt::EditRole : Qt::DisplayRole;
    for (const AlarmProp& prop : properties) {
        QVariant value;
        if (alarm) {
            value = alarm->getProperty(prop, role);
            if (role == Qt::EditRole && !value.isValid())
                value = alarm->getProperty(prop, Qt::DisplayRole);
        }
        values.insert(prop.getName(), value);
    }
    args.append(values);
}

bool MouseEventProcessor::buildFilterViewArg(QVariantList& args, FilterStatisticsWidget* widget, int button)
{
    buildSourceArgForFilter(args, button);
    addFilterDataToArg(args, widget);
    return true;
}

bool MouseEventProcessor::buildSourceArgForFilter(QVariantList& args, int button) const
{
    const QPoint cursor = QCursor::pos();
    args.append(QVariantMap{{QStringLiteral("type"), 1},
                            {QStringLiteral("button"), button},
                            {QStringLiteral("screenX"), cursor.x()},
                            {QStringLiteral("screenY"), cursor.y()}});
    return true;
}

void MouseEventProcessor::addFilterDataToArg(QVariantList& args, FilterStatisticsWidget* widget)
{
    const SourceAndFilter& filter = widget->getSourceAndFilter();
    QVariantMap data;
    data.insert(QStringLiteral("text"), widget->text());
    data.insert(QStringLiteral("statsMap"), widget->getStatisticsAsMap());
    data.insert(QStringLiteral("filterDpName"), widget->getFilterDpName());
    data.insert(QStringLiteral("filterName"), widget->getFilterName());
    data.insert(QStringLiteral("matchesCurrentFilter"), widget->isMatchingCurrentFilter());
    data.insert(QStringLiteral("isWildCardEmbeddedFilter"), filter.isWildcardEmbeddedFilter());
    data.insert(QStringLiteral("isWildCardFilter"), filter.isWildcardFilter());
    data.insert(QStringLiteral("isEmpty"), filter.isEmpty());
    data.insert(QStringLiteral("filterCount"), filter.getFilterCount());
    data.insert(QStringLiteral("sourceMode"), int(filter.getSourceMode()));
    data.insert(QStringLiteral("timeRange"), filter.getTimeRange().getDescription());
    data.insert(QStringLiteral("systems"), filter.getSystems());
    data.insert(QStringLiteral("dpNames"), filter.getDpNames());
    data.insert(QStringLiteral("usesDpList"), filter.isFixedDpSource());
    args.append(data);
}

void MouseEventProcessor::processTableEventForEwo(const QVariantList& args)
{
    emit tableMouseEvent(args);
}

MouseEventProcessor::ScriptId MouseEventProcessor::loadCtrlLib()
{
    if (m_ctrlLibrary.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Empty CTRL library for MouseEventProcessor";
        return -1;
    }
    if (m_ctrlFunction.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Empty event CTRL function for MouseEventProcessor";
        return -1;
    }
    for (const QSharedPointer<MouseCtrlLib>& lib : qAsConst(m_ctrlLibInstances)) {
        if (lib->isForLibrary(m_ctrlLibrary))
            return lib->getScriptId(this);
    }
    QSharedPointer<MouseCtrlLib> lib(new MouseCtrlLib(this, m_ctrlLibrary));
    m_ctrlLibInstances.append(lib);
    return lib->getScriptId(this);
}

void MouseEventProcessor::processTableEventByCtrl(const QVariantList& args)
{
    const ScriptId scriptId = loadCtrlLib();
    if (scriptId < 0)
        return;
    Variable* arguments = converter::nativeToCtrlArguments(this, args);
    if (!arguments) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Argumnets conversion for mouse event processing failed";
        return;
    }
    auto* callback = new MouseEventDoneCb(this, m_ctrlFunction, args);
    connect(callback, SIGNAL(menuRequested(const QSharedPointer<MenuDescription>&, const QVariantList&)), this,
            SLOT(menuRequested(const QSharedPointer<MenuDescription>&, const QVariantList&)));
    Controller* controller = Controller::thisPtr;
    const int started = controller ? controller->startFunc(scriptId, CharString(m_ctrlFunction.toLatin1()), arguments,
                                                           callback)
                                   : 1;
    delete arguments;
    if (started == 1) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "call of function " << m_ctrlFunction << " in library " << m_ctrlLibrary << " failed";
        delete callback;
    }
}

void MouseEventProcessor::menuRequested(const QSharedPointer<MenuDescription>&, const QVariantList&)
{
}
