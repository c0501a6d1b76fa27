#include "log/MsgLoggerStatistics.h"

#include "log/DialogLogHistory.h"
#include "log/MsgLoggerColoredModel.h"

#include <logging/MsgLoggerModel.h>

MsgLoggerStatistics::MsgLoggerStatistics(QWidget* parent)
    : QLabel(parent)
    , m_dialog(nullptr)
{
    contentChanged(0, MsgLoggerEnums::LogSeverity(0));
}

void MsgLoggerStatistics::setModel(const QSharedPointer<MsgLoggerModel>& model)
{
    if (m_model) {
        disconnect(m_model.data(), SIGNAL(contentChanged(int, MsgLoggerEnums::LogSeverity)), this,
                   SLOT(contentChanged(int, MsgLoggerEnums::LogSeverity)));
    }
    m_model = model;
    if (m_model) {
        connect(m_model.data(), SIGNAL(contentChanged(int, MsgLoggerEnums::LogSeverity)), this,
                SLOT(contentChanged(int, MsgLoggerEnums::LogSeverity)));
    }
}

void MsgLoggerStatistics::contentChanged(int count, MsgLoggerEnums::LogSeverity maxSeverity)
{
    setText(tr("Messages: %1").arg(count));
    setColor(count != 0 ? MsgLoggerColoredModel::colorOfSeverity(maxSeverity) : QColor());
    if (maxSeverity != MsgLoggerEnums::LogError || !m_model)
        return;
    QString message;
    const QDateTime time = m_model->getLastOfSeverity(MsgLoggerEnums::LogError, m_lastErrorTime, message);
    if (!time.isValid())
        return;
    m_lastErrorTime = time;
    if (m_notifySeverity == MsgLoggerEnums::LogError)
        emit criticalMessage(message);
}

void MsgLoggerStatistics::setColor(const QColor& color)
{
    if (!color.isValid()) {
        setAutoFillBackground(false);
        return;
    }
    // A flood of messages keeps the colour: no palette change, no repaint for it.
    if (autoFillBackground() && palette().color(backgroundRole()) == color)
        return;
    QPalette p = palette();
    p.setBrush(QPalette::All, backgroundRole(), QBrush(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void MsgLoggerStatistics::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (!m_dialog) {
        m_dialog = new DialogLogHistory(m_model, this);
        connect(m_dialog, SIGNAL(destroyed(QObject*)), this, SLOT(dialogDestroyed(QObject*)));
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void MsgLoggerStatistics::dialogDestroyed(QObject*)
{
    m_dialog = nullptr;
}
