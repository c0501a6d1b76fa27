#include "filters/CellRepaintFilter.h"

#include <QEvent>
#include <QWidget>

CellRepaintFilter::CellRepaintFilter(QObject* parent)
    : QObject(parent)
{
}

bool CellRepaintFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateLater || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow())
        return false;
    // The whole widget: what a shown widget asks for (the event's own
    // region is not public).
    parent->update(widget->geometry());
    return true;
}
