#pragma once

#include "qvas_export.h"

#include <QFrame>

// A frameless popup that opens below an anchor widget and closes again on
// the next toggle; kept inside the screen horizontally.
class QVAS_EXPORT PopupFrame : public QFrame
{
    Q_OBJECT
public:
    explicit PopupFrame(QWidget* parent);

public slots:
    virtual void toggleVisibilityBelowWidget(QWidget* anchor);
};
