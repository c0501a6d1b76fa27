#include "source/PopupFrame.h"

#include <QScreen>

PopupFrame::PopupFrame(QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
}

void PopupFrame::toggleVisibilityBelowWidget(QWidget* anchor)
{
    if (!anchor)
        return;
    if (!anchor->isVisible() || isVisible()) {
        hide();
        return;
    }
    QPoint position = anchor->mapToGlobal(anchor->rect().bottomLeft());
    if (const QScreen* screen = anchor->window()->screen()) {
        const QRect area = screen->geometry();
        // Only the horizontal position is kept on screen; a popup may reach
        // below the bottom edge.
        if (position.x() < area.left())
            position.setX(area.left());
        else if (position.x() + width() > area.right())
            position.setX(area.right() - width());
    }
    move(position);
    show();
}
