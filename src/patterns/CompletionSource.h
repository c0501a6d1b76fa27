#pragma once

#include "patterns/FilterCompletions.h"
#include "qvas_export.h"

#include <scriptbridge/CCodeExternData.h>
#include <configuration/FilterWidgetConfiguration.h>
#include <logging/MsgLoggingMultiProducer.h>

#include <QList>
#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>
#include <QVariant>

// Completion strings of alarm properties, computed by the master and slave
// functions of a script library and kept as one FilterCompletions per
// property. One instance serves every panel whose configuration names the
// same library, functions and fixed lists; each panel's log producer is
// added to it.
class QVAS_EXPORT CompletionSource : public QObject, public MsgLoggingMultiProducer
{
    Q_OBJECT
public:
    static QSharedPointer<CompletionSource> getInstance(const MsgLoggingProducer* logParent,
                                                        const FilterWidgetConfiguration& config);

    CompletionSource(const MsgLoggingProducer* logParent, const FilterWidgetConfiguration& config);
    ~CompletionSource() override;

    bool canBeUsedForConfig(const FilterWidgetConfiguration& config) const;

    void requestCompletions(void* consumer, const QString& property, const QStringList& systems);
    void filterChanged(void* consumer, const QString& property, const QMap<QString, QString>& filterTexts);
    void systemConnectionChanged(void* consumer, const QStringList& systems);

    // The completions of property, null when none were asked for or configured.
    QSharedPointer<FilterCompletions> getCompletions(const QString& property) const;

signals:
    void completionsReady(void* consumer, const QSharedPointer<FilterCompletions>& completions);

private slots:
    void completionsUpdated(void* consumer, const FilterCompletions* completion);

private:
    bool loadCtrlLib();
    bool queryMasterCompletions(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                                const QStringList& systems);
    bool callMasterCompletionsCtrl(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                                   const QStringList& systems);
    void querySlaveCompletions(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                               const QMap<QString, QString>& filterTexts);
    QList<QVariant> buildMasterArgs(const QString& property, const QStringList& systems) const;
    QList<QVariant> buildSlaveArgs(const QString& property, const QMap<QString, QString>& filterTexts) const;
    // Converts args and starts function for completions; false when the
    // arguments do not convert or the call does not start, logged under the
    // caller's name (shortName, signature).
    bool startCall(void* consumer, const QSharedPointer<FilterCompletions>& completions,
                   const QString& function, const QList<QVariant>& args, const char* shortName,
                   const char* signature);

    QString m_library;
    QString m_masterFunction;
    QString m_slaveFunction;
    QMap<QString, QSharedPointer<FilterCompletions>> m_completions;
    int m_scriptId;
    CCodeExternData m_externData;

    static QList<QSharedPointer<CompletionSource>> m_instances;
};
