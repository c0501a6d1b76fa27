#include "models/AlarmProp.h"

namespace {

AlarmProp::Builtin builtinOf(const QString& name, Constants::ValueSource source)
{
    if (source != Constants::ValueSourceAlarm)
        return AlarmProp::BuiltinNone;
    if (name == QLatin1String("SYSTEM"))
        return AlarmProp::BuiltinSystem;
    if (name == QLatin1String("ACK_STATE"))
        return AlarmProp::BuiltinAckState;
    if (name == QLatin1String("DIRECTION"))
        return AlarmProp::BuiltinDirection;
    return AlarmProp::BuiltinNone;
}

} // namespace

AlarmProp::AlarmProp(const QString& name, Constants::ValueSource source, Type type, const QString& columnId)
    : m_name(name)
    , m_source(source)
    , m_columnId(columnId.isEmpty() ? name : columnId)
    , m_type(type)
    , m_builtin(builtinOf(name, source))
{
}

bool AlarmProp::operator==(const AlarmProp& other) const
{
    return m_name == other.m_name && m_source == other.m_source && m_columnId == other.m_columnId
        && m_type == other.m_type;
}

bool AlarmProp::typeFromName(const QString& name, Type& type)
{
    static const char* const names[] = {"text", "integer", "time", "bool"};
    for (int i = 0; i < 4; ++i) {
        if (name == QLatin1String(names[i])) {
            type = Type(i);
            return true;
        }
    }
    return false;
}

QString AlarmProp::timeFormat()
{
    return QStringLiteral("yyyy.MM.dd hh:mm:ss");
}
