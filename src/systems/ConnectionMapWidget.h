#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QMap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class AlarmsProxyModel;
class QPainter;
class SystemInfo;

// A compact map of the installation's systems: one square per system, in
// name order, in up to four rows whose height follows the widget's height.
// A square is red while its system is down, green while the alarm proxy
// model is connected to it and yellow while not. The name shows as a tool
// tip; a click or the keypad Enter emits activated().
//
// The proxy model is held weakly: the map outlives it without harm, and
// then shows every system as not connected.
class QVAS_EXPORT ConnectionMapWidget : public QWidget, public MsgLoggingProducer
{
    Q_OBJECT
public:
    struct SystemConnectionInfo
    {
        QRect rect;
        bool systemConnected = false;
        bool modelConnected = false;

        void draw(QPainter& painter, bool focused) const;
    };

    explicit ConnectionMapWidget(QWidget* parent = nullptr);

    void setProxyModel(AlarmsProxyModel* proxyModel);

    // Rows of squares for the number of known systems (size is not used).
    int findNumberOfRows(const QSize& size) const;
    // Lays the squares out for a widget of size; true when the size hint changed.
    bool buildSystemGeometry(const QSize& size);
    // Refreshes both flags of info from system and the proxy model; true when one changed.
    bool checkSystemConnections(SystemConnectionInfo& info, const SystemInfo* system);
    void updateSystemConnections();
    void updateModelConnections();

    QSize sizeHint() const override { return m_sizeHint; }
    QSize minimumSizeHint() const override { return m_sizeHint; }

    // The squares by system name, for the host and tests to inspect.
    const QMap<QString, SystemConnectionInfo>& getSystems() const { return m_systems; }

signals:
    // The square of systemName was clicked; empty for a click beside the
    // squares or the keypad Enter.
    void activated(const QString& systemName);

public slots:
    void connectedSystemsChanged();
    void systemListChanged();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Repaints the part of the map that squares covers.
    void updateSquares(const QRect& squares);

    QMap<QString, SystemConnectionInfo> m_systems;
    QSize m_sizeHint;
    QPointer<AlarmsProxyModel> m_proxyModel;
    bool m_monitorConnected;
};
