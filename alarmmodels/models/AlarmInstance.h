#pragma once

#include "models/AlarmProp.h"
#include "alarmmodels_export.h"

#include <QSharedPointer>
#include <QString>
#include <QVariant>
#include <QVector>

class AlarmInstance;
using AlarmPtr = QSharedPointer<const AlarmInstance>;
using AlarmList = QVector<AlarmPtr>;

// One alarm of one system: its identifier, the identifier of its related
// alarm (the went alarm of a came alarm and back), its state and the values
// of its properties. An instance does not change once the alarm model holds
// it: a change of the alarm is a new instance with the same identifier, so
// that consumers can still find where they placed the old one.
class ALARMMODELS_EXPORT AlarmInstance
{
public:
    enum AckState
    {
        Unacknowledged = 0,
        Acknowledged = 1,
        NotAcknowledgeable = 2
    };

    // valueCount: the number of properties the alarm will have values of,
    // so that their storage is made once at its final size.
    AlarmInstance(qint64 ident, const QString& system, int valueCount = 0);

    qint64 getIdent() const { return m_ident; }
    // 0: no related alarm.
    qint64 getRelatedIdent() const { return m_relatedIdent; }
    void setRelatedIdent(qint64 ident) { m_relatedIdent = ident; }
    const QString& getSystem() const { return m_system; }
    AckState getAckState() const { return m_ackState; }
    void setAckState(AckState state) { m_ackState = state; }
    bool isWent() const { return m_went; }
    void setWent(bool went) { m_went = went; }

    // Stores the value of a property of the model (by its index). The text
    // shown is display, or made from the value when display is null.
    // The value is taken by value, so that a temporary is moved in, not copied.
    void setValue(const AlarmProp& prop, QVariant value, const QString& display = QString());
    // Swaps the texts of the alarm for the equal shared copies of
    // AlarmTextPool; no value changes. The alarm model does it as it takes
    // the alarm in, so that making an alarm stays cheap for its producer.
    void shareTexts();

    // Qt::EditRole: the typed value (invalid when the alarm has none);
    // Qt::DisplayRole: the text shown. Other roles: invalid.
    QVariant getProperty(const AlarmProp& prop, int role) const;
    // The text shown for the property (Qt::DisplayRole as a string).
    QString getDisplayText(const AlarmProp& prop) const;

    // The texts of the acknowledge states, as shown.
    static QString ackStateText(AckState state);

private:
    QVariant editValue(const AlarmProp& prop) const;

    qint64 m_ident;
    qint64 m_relatedIdent = 0;
    QString m_system;
    AckState m_ackState = Unacknowledged;
    bool m_went = false;
    QVector<QVariant> m_values;
    // Given display texts by property index; empty while none was given,
    // which is the rule, so that most alarms keep no such vector at all.
    QVector<QString> m_texts;
};
