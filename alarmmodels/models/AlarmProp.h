#pragma once

#include "filtervalues/Constants.h"
#include "alarmmodels_export.h"

#include <QString>

// One property of the alarms of a screen: the name under which scripts see
// it, where its value comes from, and the id by which columns and filters
// name it. The alarm model gives each of its properties an index, so that
// an alarm finds the property's value without a search.
class ALARMMODELS_EXPORT AlarmProp
{
public:
    enum Type
    {
        TypeText = 0,
        TypeInteger = 1,
        TypeTime = 2,
        TypeBool = 3
    };

    // Properties whose value is the alarm's own state rather than a stored value.
    enum Builtin
    {
        BuiltinNone = 0,
        BuiltinSystem,     // "SYSTEM": the name of the alarm's system
        BuiltinAckState,   // "ACK_STATE": AlarmInstance::AckState
        BuiltinDirection   // "DIRECTION": came (false) or went (true)
    };

    AlarmProp() = default;
    // columnId empty: the name is the id.
    AlarmProp(const QString& name, Constants::ValueSource source, Type type, const QString& columnId = QString());

    const QString& getName() const { return m_name; }
    Constants::ValueSource getSource() const { return m_source; }
    const QString& getColumnId() const { return m_columnId; }
    Type getType() const { return m_type; }
    Builtin getBuiltin() const { return m_builtin; }
    // The position in the alarm model's property list; -1 before the model took it.
    int getIndex() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    bool isValid() const { return !m_name.isEmpty(); }

    // Same name, source, id and type (the index does not count).
    bool operator==(const AlarmProp& other) const;
    bool operator!=(const AlarmProp& other) const { return !(*this == other); }

    // "text", "integer", "time", "bool"; false for another name.
    static bool typeFromName(const QString& name, Type& type);
    // The display format of time values.
    static QString timeFormat();

private:
    QString m_name;
    Constants::ValueSource m_source = Constants::ValueSourceAlarm;
    QString m_columnId;
    Type m_type = TypeText;
    Builtin m_builtin = BuiltinNone;
    int m_index = -1;
};
