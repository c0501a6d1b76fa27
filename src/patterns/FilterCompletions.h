#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>

class MappingVar;
class Variable;

// The completion strings of one alarm property, as the script completion
// functions answer them: none, a fixed list, a list that depends on the
// texts typed for other properties, or a list per system. It also tracks
// whether a request runs and which systems are still to be asked for.
class QVAS_EXPORT FilterCompletions : public QObject, public MsgLoggingProducer
{
    Q_OBJECT
public:
    enum Type
    {
        TypeNone = 0,
        TypeFixed = 1,
        TypeDependsOnFilters = 2,
        TypePerSystem = 3,
        TypeUnknown = 100
    };

    FilterCompletions(const MsgLoggingProducer* logParent, const QString& property, const QStringList& systems);
    ~FilterCompletions() override;

    // The script function whose answer is awaited or was applied last; for messages.
    QString functionName;

    const QString& getProperty() const { return m_property; }
    int getType() const { return m_type; }
    const QStringList& getCompletionList() const { return m_completionList; }
    const QStringList& getDependencies() const { return m_dependencies; }
    bool isRequestRunning() const { return m_requestStart.isValid(); }

    void setFixedList(const QStringList& list);
    bool dependsOnFilter(const QString& property) const;

    QStringList findMissingSystems(const QStringList& systems) const;
    void addPendingSystems(const QStringList& systems);
    QStringList getPendingSystems() const;
    void clearPendingSystems();
    QStringList getCompletionsForSystems(const QStringList& systems) const;

    void requestStarted();
    void requestCompletedOrLost();
    void masterCallFailed(void* consumer);
    void applyCtrlCallReturnValue(void* consumer, const Variable* result);

    bool parseCtrlCallResult(const Variable* result);
    bool parseType(const MappingVar& answer);
    bool parseList(const MappingVar& answer, QStringList& target);
    bool parseSysMap(const MappingVar& answer);
    bool printMapError(const QString& text) const;

signals:
    void requestCompleted(void* consumer, const FilterCompletions* completions);

private:
    QString m_property;
    int m_type;
    QStringList m_completionList;
    QMap<QString, QStringList> m_systemCompletions;
    QStringList m_dependencies;
    QStringList m_pendingSystems;
    QDateTime m_requestStart;
};

Q_DECLARE_METATYPE(const FilterCompletions*)
Q_DECLARE_METATYPE(QSharedPointer<FilterCompletions>)
