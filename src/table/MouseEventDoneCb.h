#pragma once

#include "table/MenuDescription.h"
#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>
#include <scripts/DoneCB.h>

#include <QObject>
#include <QSharedPointer>
#include <QVariantList>

// Receives the answer of the mouse event function; when it describes a
// valid menu, hands the menu on together with the event it belongs to.
class QVAS_EXPORT MouseEventDoneCb : public QObject, public DoneCB, public MsgLoggingProducer
{
    Q_OBJECT
public:
    MouseEventDoneCb(const MsgLoggingProducer* producer, const QString& functionName, const QVariantList& args);
    // Same function and arguments; a new object without the other's connections.
    MouseEventDoneCb(const MouseEventDoneCb& other);

    DoneCB* clone() const override;
    void execute(const Variable* result) override;

signals:
    void menuRequested(const QSharedPointer<MenuDescription>& menuDescr, const QVariantList& args);

private:
    QString m_functionName;
    QVariantList m_args;
};
