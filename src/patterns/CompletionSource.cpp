#include "patterns/CompletionSource.h"

#include "patterns/CompletionSourceDoneCb.h"

#include <scripts/Controller.h>
#include <variables/DynVar.h>
#include <logging/MsgLoggingMessage.h>
#include <scriptbridge/converter.h>

#include <memory>

QList<QSharedPointer<CompletionSource>> CompletionSource::m_instances;

QSharedPointer<CompletionSource> CompletionSource::getInstance(const MsgLoggingProducer* logParent,
                                                               const FilterWidgetConfiguration& config)
{
    for (const QSharedPointer<CompletionSource>& instance : qAsConst(m_instances)) {
        if (instance->canBeUsedForConfig(config)) {
            instance->addLogProducer(logParent);
            return instance;
        }
    }
    QSharedPointer<CompletionSource> instance(new CompletionSource(logParent, config));
    m_instances.append(instance);
    return instance;
}

CompletionSource::CompletionSource(const MsgLoggingProducer* logParent, const FilterWidgetConfiguration& config)
    : QObject(nullptr)
    , MsgLoggingMultiProducer(logParent)
    , m_library(config.completionLibrary)
    , m_masterFunction(config.masterFunction)
    , m_slaveFunction(config.slaveFunction)
    , m_scriptId(-1)
    , m_externData(QStringLiteral("CompletionSource"), QStringLiteral("CompletionSource"))
{
    qRegisterMetaType<const FilterCompletions*>("const FilterCompletions*");
    qRegisterMetaType<QSharedPointer<FilterCompletions>>("QSharedPointer<FilterCompletions>");
    for (auto it = config.fixedCompletions.cbegin(); it != config.fixedCompletions.cend(); ++it) {
        QSharedPointer<FilterCompletions> completions(new FilterCompletions(logParent, it.key(), QStringList()));
        completions->setFixedList(it.value());
        m_completions.insert(it.key(), completions);
    }
}

CompletionSource::~CompletionSource() = default;

bool CompletionSource::canBeUsedForConfig(const FilterWidgetConfiguration& config) const
{
    if (m_library != config.completionLibrary || m_masterFunction != config.masterFunction
        || m_slaveFunction != config.slaveFunction)
        return false;
    for (auto it = config.fixedCompletions.cbegin(); it != config.fixedCompletions.cend(); ++it) {
        const QSharedPointer<FilterCompletions> completions = m_completions.value(it.key());
        if (!completions)
            return false;
        const int type = completions->getType();
        if ((type != FilterCompletions::TypeNone && type != FilterCompletions::TypeFixed)
            || completions->getCompletionList() != it.value())
            return false;
    }
    return true;
}

QSharedPointer<FilterCompletions> CompletionSource::getCompletions(const QString& property) const
{
    return m_completions.value(property);
}

void CompletionSource::requestCompletions(void* consumer, const QString& property, const QStringList& systems)
{
    QSharedPointer<FilterCompletions> completions = m_completions.value(property);
    QStringList toAsk = systems;
    if (!completions) {
        completions.reset(new FilterCompletions(this, property, systems));
        connect(completions.data(), SIGNAL(requestCompleted(void*, const FilterCompletions*)), this,
                SLOT(completionsUpdated(void*, const FilterCompletions*)));
        m_completions.insert(property, completions);
    } else {
        switch (completions->getType()) {
        case FilterCompletions::TypeNone:
        case FilterCompletions::TypeFixed:
        case FilterCompletions::TypeDependsOnFilters:
            emit completionsReady(consumer, completions);
            return;
        case FilterCompletions::TypePerSystem:
            toAsk = completions->findMissingSystems(systems);
            if (toAsk.isEmpty()) {
                emit completionsReady(consumer, completions);
                return;
            }
            if (completions->isRequestRunning()) {
                completions->addPendingSystems(toAsk);
                return;
            }
            break;
        case FilterCompletions::TypeUnknown:
            completions->addPendingSystems(systems);
            return;
        default:
            break;
        }
    }
    if (!queryMasterCompletions(consumer, completions, toAsk))
        completions->masterCallFailed(consumer);
}

void CompletionSource::filterChanged(void* consumer, const QString& property,
                                     const QMap<QString, QString>& filterTexts)
{
    for (const QSharedPointer<FilterCompletions>& completions : qAsConst(m_completions)) {
        if (completions->dependsOnFilter(property))
            querySlaveCompletions(consumer, completions, filterTexts);
    }
}

void CompletionSource::systemConnectionChanged(void* consumer, const QStringList& systems)
{
    for (const QSharedPointer<FilterCompletions>& completions : qAsConst(m_completions)) {
        const int type = completions->getType();
        if (type != FilterCompletions::TypePerSystem && type != FilterCompletions::TypeUnknown)
            continue;
        const QStringList missing = completions->findMissingSystems(systems);
        if (type == FilterCompletions::TypeUnknown) {
            completions->addPendingSystems(missing);
        } else if (missing.isEmpty()) {
            emit completionsReady(consumer, completions);
        } else if (completions->isRequestRunning()) {
            completions->addPendingSystems(missing);
        } else {
            queryMasterCompletions(consumer, completions, missing);
        }
    }
}

void CompletionSource::completionsUpdated(void* consumer, const FilterCompletions* completion)
{
    const QSharedPointer<FilterCompletions> completions = m_completions.value(completion->getProperty());
    if (!completions) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "Signal from unknown FilterCompletions for property " << completion->getProperty();
        return;
    }
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << "completionsUpdated() callback for property "
                                            << completions->getProperty() << ", type " << completions->getType();
    if (completions->getType() == FilterCompletions::TypeNone)
        return;
    if (completions->getType() == FilterCompletions::TypePerSystem) {
        const QStringList pending = completions->getPendingSystems();
        if (!pending.isEmpty()) {
            MSG_LOG(this, MsgLoggerEnums::LogTrace)
                << "query for pending systems: " << pending.join(QLatin1Char('|'));
            if (!queryMasterCompletions(consumer, completions, pending))
                completions->masterCallFailed(consumer);
        }
        completions->clearPendingSystems();
    }
    emit completionsReady(consumer, completions);
}

bool CompletionSource::loadCtrlLib()
{
    if (m_scriptId >= 0)
        return true;
    if (m_library.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Empty CTRL library name for requesting gilter completions";
        return false;
    }
    const QString script = QStringLiteral("#uses \"%1\"").arg(m_library);
    Controller* controller = Controller::thisPtr;
    m_scriptId = controller ? controller->checkIn(CharString(script.toLatin1()), DynVar(), &m_externData, nullptr,
                                                  false, false, false)
                            : -1;
    if (m_scriptId < 0) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Failed to check in script: " << script;
        return false;
    }
    return true;
}

bool CompletionSource::queryMasterCompletions(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                                              const QStringList& systems)
{
    if (m_masterFunction.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Empty CTRL function name for requesting filter completions";
        return false;
    }
    if (!loadCtrlLib())
        return false;
    return callMasterCompletionsCtrl(consumer, completions, systems);
}

bool CompletionSource::callMasterCompletionsCtrl(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                                                 const QStringList& systems)
{
    return startCall(consumer, completions, m_masterFunction, buildMasterArgs(completions->getProperty(), systems),
                     __func__, Q_FUNC_INFO);
}

void CompletionSource::querySlaveCompletions(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                                             const QMap<QString, QString>& filterTexts)
{
    if (m_slaveFunction.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "Empty CTRL function name for requesting slave filter completions";
        return;
    }
    if (!loadCtrlLib())
        return;
    startCall(consumer, completions, m_slaveFunction, buildSlaveArgs(completions->getProperty(), filterTexts),
              __func__, Q_FUNC_INFO);
}

bool CompletionSource::startCall(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                                 const QString& function, const QList<QVariant>& args, const char* shortName,
                                 const char* signature)
{
    const bool logErrors = MsgLoggingMessage::isLoggedBy(this, MsgLoggerEnums::LogError);
    const std::unique_ptr<Variable> arguments(converter::nativeToCtrlArguments(this, args));
    if (!arguments) {
        if (logErrors) {
            MsgLoggingMessage(this, MsgLoggerEnums::LogError, shortName, signature)
                << "Conversion to CTRL arcguments for " << m_library << ", function " << function << "failed";
        }
        return false;
    }
    auto* callback = new CompletionSourceDoneCb(completions.data(), function, consumer);
    completions->functionName = function;
    Controller* controller = Controller::thisPtr;
    const int started = controller ? controller->startFunc(m_scriptId, CharString(function.toLatin1()),
                                                           arguments.get(), callback)
                                   : 1;
    if (started == 1) {
        if (logErrors) {
            MsgLoggingMessage(this, MsgLoggerEnums::LogError, shortName, signature)
                << "call of function " << function << " in library " << m_library << " failed";
        }
        delete callback;
        return false;
    }
    completions->requestStarted();
    return true;
}

QList<QVariant> CompletionSource::buildMasterArgs(const QString& property, const QStringList& systems) const
{
    return {property, systems};
}

QList<QVariant> CompletionSource::buildSlaveArgs(const QString& property,
                                                 const QMap<QString, QString>& filterTexts) const
{
    QVariantMap texts;
    for (auto it = filterTexts.cbegin(); it != filterTexts.cend(); ++it)
        texts.insert(it.key(), it.value());
    return {property, texts};
}
