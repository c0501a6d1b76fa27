#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QLineEdit>

// A plain line edit for text filters that reports the press of its clear
// button as textCleared().
class QVAS_EXPORT WTextFilter : public QLineEdit, public MsgLoggingProducer
{
    Q_OBJECT
public:
    explicit WTextFilter(QWidget* parent = nullptr, const MsgLoggingProducer* logParent = nullptr);

    void enableClearButtonSignal();

signals:
    void textCleared();

private:
    bool m_connected = false;
};
