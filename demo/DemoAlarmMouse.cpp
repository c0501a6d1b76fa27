#include "DemoAlarmMouse.h"

#include "DemoMouseLibrary.h"
#include "DemoMouseProcessor.h"

#include <configuration/AlarmScreenConfiguration.h>
#include <filtervalues/FilterRuleContainer.h>
#include <filtervalues/ValueFilterText.h>
#include <logging/MsgLoggingMessage.h>
#include <models/AlarmsModel.h>
#include <models/AlarmsProxyModel.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTreeView>

DemoAlarmMouse::DemoAlarmMouse(QTreeView* table, const AlarmScreenConfiguration& config, MsgLoggingProducer* producer,
                               const ActionAccessUser* access, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_producer(producer)
    , m_wildcard(config.getWildcardConfig())
    , m_processor(new DemoMouseProcessor(producer, access, this))
{
    m_processor->setConfig(config.getMouseProcessorConfiguration());
    m_processor->connectToTable(table);
    connect(m_processor, SIGNAL(entryChosen(int, const QVariantList&)), this, SLOT(entryChosen(int, const QVariantList&)));
    connect(m_processor, SIGNAL(tableMouseEvent(const QVariantList&)), this, SLOT(hostMouseEvent(const QVariantList&)));
}

AlarmsProxyModel* DemoAlarmMouse::proxy() const
{
    return qobject_cast<AlarmsProxyModel*>(m_table->model());
}

bool DemoAlarmMouse::openMenu(const QModelIndex& row)
{
    if (!row.isValid())
        return false;
    // The first column that shows the alarm (a grouped table's first is the tree column).
    const QModelIndex index = row.siblingAtColumn(proxy()->getGroupingDepth() > 0 ? 1 : 0);
    // The event a right press on that row gives, sent as the processor sends it.
    QVariantList args;
    if (!m_processor->buildSourceArgForAlarm(args, index, MouseEventProcessor::Pressed)
        || !m_processor->buildAlarmArg(args, index))
        return false;
    QVariantMap event = args.first().toMap();
    const QPoint at = m_table->viewport()->mapToGlobal(m_table->visualRect(index).center());
    event.insert(QStringLiteral("button"), int(Qt::RightButton));
    event.insert(QStringLiteral("screenX"), at.x());
    event.insert(QStringLiteral("screenY"), at.y());
    args.first() = event;
    m_processor->processTableEventByCtrl(args);
    return true;
}

void DemoAlarmMouse::entryChosen(int value, const QVariantList& args)
{
    AlarmsProxyModel* shown = proxy();
    const QModelIndex index =
        m_processor->buildRowIndex(shown, args.value(0).toMap().value(QStringLiteral("row")).toList());
    const AlarmPtr alarm = shown->getAlarmAtRow(index);
    if (!alarm)
        return;
    const QSharedPointer<AlarmsModel> model = shown->getAlarmsModel();
    switch (value) {
    case DemoMouseLibrary::EntryAcknowledge:
        model->acknowledge({alarm->getIdent()});
        break;
    case DemoMouseLibrary::EntryDetails: {
        QStringList details;
        const QVariantMap values = args.value(1).toMap();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            details << it.key() + QLatin1Char('=') + it.value().toString();
        MSG_LOG(m_producer, MsgLoggerEnums::LogInfo)
            << "alarm " << alarm->getIdent() << ": " << details.join(QStringLiteral(", "));
        emit message(details.join(QStringLiteral(", ")));
        break;
    }
    case DemoMouseLibrary::EntryFilterSystem:
        emit filterChosen(systemFilter(alarm->getSystem()));
        break;
    case DemoMouseLibrary::EntryAcknowledgeSystem:
        acknowledgeSystem(alarm->getSystem());
        break;
    case DemoMouseLibrary::EntryCopyText:
        QGuiApplication::clipboard()->setText(alarm->getDisplayText(model->findProperty(QStringLiteral("ALERT_TEXT"))));
        break;
    default:
        break;
    }
}

SourceAndFilter DemoAlarmMouse::systemFilter(const QString& system) const
{
    QSharedPointer<ValueFilterText> text(
        new ValueFilterText(m_wildcard, QStringLiteral("SYSTEM"), Constants::ValueSourceAlarm, false));
    text->addItem(system, ValueFilterTextItem::MatchExact, false);
    FilterRuleSet set(m_wildcard, true, false);
    set.addValueFilter(text);
    return SourceAndFilter(new FilterRuleContainer(m_wildcard, {set}, false), system);
}

void DemoAlarmMouse::acknowledgeSystem(const QString& system)
{
    const QSharedPointer<AlarmsModel> model = proxy()->getAlarmsModel();
    QVector<qint64> idents;
    for (const AlarmPtr& other : model->getAlarms()) {
        if (other->getSystem() == system)
            idents.append(other->getIdent());
    }
    model->acknowledge(idents);
}

void DemoAlarmMouse::hostMouseEvent(const QVariantList& args)
{
    const QVariantMap event = args.value(0).toMap();
    MSG_LOG(m_producer, MsgLoggerEnums::LogInfo)
        << "mouse event " << event.value(QStringLiteral("type")).toInt() << " button "
        << event.value(QStringLiteral("button")).toInt() << " on "
        << args.value(1).toMap().value(QStringLiteral("ALERT_TEXT")).toString();
}
