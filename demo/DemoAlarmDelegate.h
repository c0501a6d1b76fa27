#pragma once

#include <colors/ColorEngine.h>

#include <QSharedPointer>
#include <QStringList>
#include <QStyledItemDelegate>

class AlarmInstance;
class AlarmsProxyModel;
class QAbstractItemView;

// Paints the rows of the alarm table in the colours of the alarm's state,
// named in the colour databases ("AlarmCameUnack", "AlarmCameAck",
// "AlarmWentUnack", "AlarmWentAck"); blinking colours repaint the table on
// every change of the engine.
class DemoAlarmDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    DemoAlarmDelegate(const QSharedPointer<ColorEngine>& engine, QAbstractItemView* view);
    ~DemoAlarmDelegate() override;

    // The colour name of an alarm's state.
    static QString colorNameOf(const AlarmInstance& alarm);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private slots:
    void colorChanged(const QString& name);

private:
    QSharedPointer<ColorEngine> m_engine;
    QAbstractItemView* m_view;
    QStringList m_names;
};
