#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggerEnums.h>

#include <QDateTime>
#include <QLabel>
#include <QSharedPointer>

class DialogLogHistory;
class MsgLoggerModel;

// A label with the number of log messages, coloured by the worst severity
// among them; a click opens the log history dialog (one at a time). A new
// error message is announced once through criticalMessage, when the host
// asks for error notifications.
class QVAS_EXPORT MsgLoggerStatistics : public QLabel
{
    Q_OBJECT
public:
    explicit MsgLoggerStatistics(QWidget* parent);

    void setModel(const QSharedPointer<MsgLoggerModel>& model);
    void setColor(const QColor& color);

signals:
    void criticalMessage(const QString& message);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void contentChanged(int count, MsgLoggerEnums::LogSeverity maxSeverity);
    void dialogDestroyed(QObject* obj);

protected:
    QSharedPointer<MsgLoggerModel> m_model;
    DialogLogHistory* m_dialog;
    QDateTime m_lastErrorTime;
    // Only 3 (errors) makes the label announce messages; the host sets it.
    int m_notifySeverity = -1;
};
