#include "DemoAlarmDelegate.h"

#include <colors/Color.h>
#include <models/AlarmsProxyModel.h>

#include <QAbstractItemView>

DemoAlarmDelegate::DemoAlarmDelegate(const QSharedPointer<ColorEngine>& engine, QAbstractItemView* view)
    : QStyledItemDelegate(view)
    , m_engine(engine)
    , m_view(view)
    , m_names{QStringLiteral("AlarmCameUnack"), QStringLiteral("AlarmCameAck"), QStringLiteral("AlarmWentUnack"),
              QStringLiteral("AlarmWentAck")}
{
    // Only colours in use blink.
    for (const QString& name : qAsConst(m_names))
        m_engine->incrementColorUsage(name);
    connect(m_engine.data(), SIGNAL(colorChanged(QString, QColor)), this, SLOT(colorChanged(QString)));
}

DemoAlarmDelegate::~DemoAlarmDelegate()
{
    for (const QString& name : qAsConst(m_names))
        m_engine->decrementColorUsage(name);
}

QString DemoAlarmDelegate::colorNameOf(const AlarmInstance& alarm)
{
    const bool acknowledged = alarm.getAckState() != AlarmInstance::Unacknowledged;
    if (alarm.isWent())
        return acknowledged ? QStringLiteral("AlarmWentAck") : QStringLiteral("AlarmWentUnack");
    return acknowledged ? QStringLiteral("AlarmCameAck") : QStringLiteral("AlarmCameUnack");
}

void DemoAlarmDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* model = qobject_cast<const AlarmsProxyModel*>(index.model());
    const AlarmPtr alarm = model ? model->getAlarmAtRow(index) : AlarmPtr();
    if (!alarm)
        return;
    const QSharedPointer<Color> color = m_engine->getColor(colorNameOf(*alarm));
    const QColor background = color ? color->currentColor() : QColor();
    if (!background.isValid())
        return;
    option->backgroundBrush = background;
    option->palette.setColor(QPalette::Text, background.lightness() > 140 ? Qt::black : Qt::white);
}

void DemoAlarmDelegate::colorChanged(const QString& name)
{
    if (m_names.contains(name))
        m_view->viewport()->update();
}
