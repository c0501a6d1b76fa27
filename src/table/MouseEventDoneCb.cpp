#include "table/MouseEventDoneCb.h"

MouseEventDoneCb::MouseEventDoneCb(const MsgLoggingProducer* producer, const QString& functionName,
                                   const QVariantList& args)
    : QObject(nullptr)
    , DoneCB()
    , MsgLoggingProducer(producer)
    , m_functionName(functionName)
    , m_args(args)
{
}

MouseEventDoneCb::MouseEventDoneCb(const MouseEventDoneCb& other)
    : QObject(nullptr)
    , DoneCB(other)
    , MsgLoggingProducer(&other)
    , m_functionName(other.m_functionName)
    , m_args(other.m_args)
{
}

DoneCB* MouseEventDoneCb::clone() const
{
    return new MouseEventDoneCb(*this);
}

void MouseEventDoneCb::execute(const Variable* result)
{
    QSharedPointer<MenuDescription> root(new MenuDescription(this, m_functionName, result));
    if (root->isValid())
        emit menuRequested(root, m_args);
}
