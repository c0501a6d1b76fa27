#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>
#include <systems/SystemInfo.h>

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QMap>
#include <QVector>

class AlarmsProxyModel;

// All systems the system connection monitor knows, as a grid of up to four
// columns (list position i is the cell (i / columns, i % columns)). A cell
// shows the system's name, a decoration while the system is down, and a
// check box that connects the alarm proxy model to the system or
// disconnects it. The check mark follows what the proxy model reports, not
// the click, so it never shows a connection the model refused.
class QVAS_EXPORT SysConnectModel : public QAbstractTableModel, public MsgLoggingProducer
{
    Q_OBJECT
public:
    struct SystemConnectionInfo
    {
        QString systemName;
        bool systemConnected = false;
        bool modelConnected = false;

        bool operator<(const SystemConnectionInfo& other) const { return systemName < other.systemName; }
    };

    // proxyModel must not be null and must outlive the model.
    SysConnectModel(AlarmsProxyModel* proxyModel, bool editable, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list position of the system of that name, or -1.
    int findSystemIdx(const QString& name) const;
    // The cell of a list position; invalid when out of range.
    QModelIndex itemIndex(int position) const;

    // True when the monitor knows a system the model does not list yet.
    bool systemListHasChanged(const QMap<unsigned int, SystemInfo>& systems) const;
    void processSystemListChanges(const QMap<unsigned int, SystemInfo>& systems);
    void processSystemConnectionChanges(const QMap<unsigned int, SystemInfo>& systems);

    // The decoration of a system that is down.
    void setIcon(const QIcon& icon) { m_icon = icon; }

signals:
    // The texts or decorations changed so that columns may need another width.
    void columnWidhtCanChange();

public slots:
    void connectedSystemsChanged();
    void systemListChanged();

private:
    // The list position of a valid cell, or -1.
    int positionOf(const QModelIndex& index) const;
    static int columnsFor(int systemCount);
    void indexPositions();

    AlarmsProxyModel* m_proxyModel;
    QVector<SystemConnectionInfo> m_systems;
    int m_columnCount;
    QIcon m_icon;
    bool m_editable;
    // The list position of every system by name, so that a change of one
    // system among thousands costs a look-up and not a search of the list.
    QHash<QString, int> m_positions;
};
