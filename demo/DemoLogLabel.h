#pragma once

#include <log/MsgLoggerStatistics.h>

// The status bar's log label: the library's log statistics label, set up
// to announce every new error message.
class DemoLogLabel : public MsgLoggerStatistics
{
    Q_OBJECT
public:
    explicit DemoLogLabel(QWidget* parent = nullptr);
};
