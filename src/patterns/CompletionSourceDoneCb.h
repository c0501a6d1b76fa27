#pragma once

#include "patterns/FilterCompletions.h"
#include "qvas_export.h"

#include <scripts/DoneCB.h>
#include <logging/MsgLoggingProducer.h>

#include <QPointer>
#include <QString>

// Receives the answer of one completion function call and hands it to the
// property's completions, unless those were destroyed while the call ran.
class QVAS_EXPORT CompletionSourceDoneCb : public DoneCB, public MsgLoggingProducer
{
public:
    CompletionSourceDoneCb(FilterCompletions* target, const QString& functionName, void* consumer);
    // Keeps the log settings, consumer and function name, not the target:
    // a copy's execute() does nothing.
    CompletionSourceDoneCb(const CompletionSourceDoneCb& other);
    ~CompletionSourceDoneCb() override;

    DoneCB* clone() const override;
    void execute(const Variable* result) override;

private:
    QPointer<FilterCompletions> m_target;
    void* m_consumer;
    QString m_functionName;
};
