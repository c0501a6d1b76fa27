#include "patterns/WTextFilter.h"

#include <logging/MsgLoggingMessage.h>

#include <QAction>

WTextFilter::WTextFilter(QWidget* parent, const MsgLoggingProducer* logParent)
    : QLineEdit(parent)
    , MsgLoggingProducer(logParent)
{
}

void WTextFilter::enableClearButtonSignal()
{
    if (m_connected)
        return;
    if (!isClearButtonEnabled())
        setClearButtonEnabled(true);
    for (QAction* action : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
        connect(action, SIGNAL(triggered()), this, SIGNAL(textCleared()));
        m_connected = true;
    }
    if (!m_connected) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "Could not connect action 'clear'" << "to signal 'filterCleared' for instance of 'WTextFilter'";
    }
}
