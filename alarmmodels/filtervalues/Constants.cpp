#include "filtervalues/Constants.h"

#include <QCoreApplication>

QString Constants::getSourceStateVisibleName(SourceState state)
{
    switch (state) {
    case SourceStateError:
        return QCoreApplication::translate("Constants", "Error");
    case SourceStateIdle:
        return QCoreApplication::translate("Constants", "NoQuery");
    case SourceStateConnecting:
        return QCoreApplication::translate("Constants", "Connecting");
    case SourceStateWaiting:
        return QCoreApplication::translate("Constants", "Waiting");
    case SourceStateOnline:
        return QCoreApplication::translate("Constants", "Online");
    case SourceStateQueryStarted:
        return QCoreApplication::translate("Constants", "Query started");
    case SourceStateQueryReading:
        return QCoreApplication::translate("Constants", "Reading");
    case SourceStateQueryDone:
        return QCoreApplication::translate("Constants", "Finished");
    case SourceStateQueryFailed:
        return QCoreApplication::translate("Constants", "Failed");
    case SourceStateQueryAborted:
        return QCoreApplication::translate("Constants", "Aborted");
    }
    return QCoreApplication::translate("Constants", "State %1").arg(int(state));
}
