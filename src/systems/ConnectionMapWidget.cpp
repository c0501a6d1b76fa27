#include "systems/ConnectionMapWidget.h"

#include <logging/MsgLoggingMessage.h>
#include <models/AlarmsProxyModel.h>
#include <systems/SysConnectMonitor.h>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolTip>

namespace {

const QSize kInitialHint(16, 16);

} // namespace

void ConnectionMapWidget::SystemConnectionInfo::draw(QPainter& painter, bool focused) const
{
    static const QColor green(0, 255, 0);
    static const QColor yellow(255, 255, 0);
    static const QColor red(255, 0, 0);
    static const QColor gray(128, 128, 128);
    static const QColor black(0, 0, 0);
    // Down wins over the check state: the operator must see it whatever is chosen.
    painter.setBrush(!systemConnected ? red : modelConnected ? green : yellow);
    painter.setPen(focused ? black : gray);
    painter.drawRects(&rect, 1);
}

ConnectionMapWidget::ConnectionMapWidget(QWidget* parent)
    : QWidget(parent)
    , MsgLoggingProducer()
    , m_sizeHint(kInitialHint)
    , m_monitorConnected(false)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ConnectionMapWidget::setProxyModel(AlarmsProxyModel* proxyModel)
{
    if (proxyModel == m_proxyModel)
        return;
    if (m_proxyModel)
        disconnect(m_proxyModel, SIGNAL(connectedSystemsChanged()), this, SLOT(connectedSystemsChanged()));
    m_proxyModel = proxyModel;
    if (!proxyModel)
        return;
    if (!getLogBuffer())
        setLogBuffer(proxyModel->getLogBuffer());
    connect(proxyModel, SIGNAL(connectedSystemsChanged()), this, SLOT(connectedSystemsChanged()));
    if (!m_monitorConnected) {
        connect(SysConnectMonitor::getInstance(proxyModel), SIGNAL(systemListChanged()), this,
                SLOT(systemListChanged()));
        m_monitorConnected = true;
    }
    updateSystemConnections();
}

int ConnectionMapWidget::findNumberOfRows(const QSize&) const
{
    const int n = m_systems.size();
    if (n < 6)
        return 1;
    if (n < 21)
        return 2;
    if (n < 46)
        return 3;
    return 4;
}

bool ConnectionMapWidget::buildSystemGeometry(const QSize& size)
{
    const QSize oldHint = m_sizeHint;
    const int rows = findNumberOfRows(size);
    const int side = (size.height() - 1) / rows;
    const int perRow = (m_systems.size() + rows - 1) / rows;
    m_sizeHint = kInitialHint;
    int position = 0;
    for (SystemConnectionInfo& info : m_systems) {
        const int column = position % perRow;
        const int row = position / perRow;
        info.rect = QRect(column * side, row * side, side, side);
        if (info.rect.right() >= m_sizeHint.width())
            m_sizeHint.setWidth(info.rect.right() + 2);
        if (info.rect.bottom() > m_sizeHint.height())
            m_sizeHint.setHeight(info.rect.bottom());
        ++position;
    }
    if (size.height() > m_sizeHint.height())
        m_sizeHint.setHeight(size.height());
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "systems " << m_systems.size() << ", limit " << m_sizeHint.width()
                                            << " X " << m_sizeHint.height() << ", size " << size.width() << " x "
                                            << size.height();
    return m_sizeHint != oldHint;
}

bool ConnectionMapWidget::checkSystemConnections(SystemConnectionInfo& info, const SystemInfo* system)
{
    const SystemConnectionInfo old = info;
    info.systemConnected = system->isConnected();
    if (m_proxyModel)
        info.modelConnected = m_proxyModel->isSystemConnected(system->getName());
    return info.systemConnected != old.systemConnected || info.modelConnected != old.modelConnected;
}

void ConnectionMapWidget::updateSystemConnections()
{
    const QMap<unsigned int, SystemInfo> systems = SysConnectMonitor::getInstance(m_proxyModel)->getSystems();
    if (systems.isEmpty())
        return;
    bool listChanged = false;
    bool flagChanged = false;
    QRect changedSquares;
    for (const SystemInfo& system : systems) {
        auto it = m_systems.find(system.getName());
        if (it == m_systems.end()) {
            it = m_systems.insert(system.getName(), SystemConnectionInfo());
            listChanged = true;
        }
        if (checkSystemConnections(it.value(), &system)) {
            flagChanged = true;
            changedSquares |= it->rect;
        }
    }
    if (listChanged) {
        if (buildSystemGeometry(size())) {
            MSG_LOG(this, MsgLoggerEnums::LogTrace)
                << "adjust size to " << m_sizeHint.width() << " x " << m_sizeHint.height();
            updateGeometry();
        }
        update();
    } else if (flagChanged) {
        updateSquares(changedSquares);
    }
}

void ConnectionMapWidget::updateModelConnections()
{
    const QStringList connected = m_proxyModel ? m_proxyModel->getConnectedSystems() : QStringList();
    // Both run in name order, so one walk over the two compares them; a
    // search of the list for every square would cost its square.
    auto name = connected.cbegin();
    bool changed = false;
    QRect changedSquares;
    for (auto it = m_systems.begin(); it != m_systems.end(); ++it) {
        while (name != connected.cend() && *name < it.key())
            ++name;
        const bool modelConnected = name != connected.cend() && *name == it.key();
        if (modelConnected != it->modelConnected) {
            it->modelConnected = modelConnected;
            changed = true;
            changedSquares |= it->rect;
        }
    }
    if (changed)
        updateSquares(changedSquares);
}

void ConnectionMapWidget::updateSquares(const QRect& squares)
{
    // Squares without a size yet (no geometry built) leave nothing to
    // narrow the repaint to. A square's outline reaches one pixel beyond
    // its rect.
    if (squares.isNull())
        update();
    else
        update(squares.adjusted(0, 0, 1, 1));
}

void ConnectionMapWidget::connectedSystemsChanged()
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "connectedSystemsChanged";
    if (m_systems.isEmpty())
        updateSystemConnections();
    updateModelConnections();
}

void ConnectionMapWidget::systemListChanged()
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "systemListChanged";
    updateSystemConnections();
}

bool ConnectionMapWidget::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    for (auto it = m_systems.constBegin(); it != m_systems.constEnd(); ++it) {
        // Edges excluded: on a shared border the tip would belong to two squares.
        if (it->rect.contains(help->pos(), true)) {
            QToolTip::showText(help->globalPos(), it.key(), this, it->rect);
            return true;
        }
    }
    QToolTip::hideText();
    e->ignore();
    return true;
}

void ConnectionMapWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pos = e->localPos().toPoint();
    QString name;
    for (auto it = m_systems.constBegin(); it != m_systems.constEnd(); ++it) {
        if (it->rect.contains(pos)) {
            name = it.key();
            break;
        }
    }
    e->accept();
    emit activated(name);
}

void ConnectionMapWidget::keyPressEvent(QKeyEvent* e)
{
    // The keypad Enter only; other keys are neither handled nor passed on.
    if (!hasFocus() || e->key() != Qt::Key_Enter)
        return;
    e->accept();
    emit activated(QString());
}

void ConnectionMapWidget::paintEvent(QPaintEvent* e)
{
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "paint for size " << width() << " x " << height();
    QPainter painter(this);
    const bool focused = hasFocus();
    // Only the squares of the region to paint: one changed system among
    // thousands repaints its own square.
    const QRect area = e->rect().adjusted(-1, -1, 0, 0);
    for (const SystemConnectionInfo& info : qAsConst(m_systems)) {
        if (info.rect.intersects(area))
            info.draw(painter, focused);
    }
}

void ConnectionMapWidget::resizeEvent(QResizeEvent* e)
{
    if (buildSystemGeometry(e->size()))
        updateGeometry();
    update();
}
