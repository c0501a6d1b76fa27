#include "DemoLogLabel.h"

DemoLogLabel::DemoLogLabel(QWidget* parent)
    : MsgLoggerStatistics(parent)
{
    m_notifySeverity = MsgLoggerEnums::LogError;
}
