#include "models/AlarmInstance.h"

#include "models/AlarmTextPool.h"

#include <QDateTime>

#include <utility>

AlarmInstance::AlarmInstance(qint64 ident, const QString& system, int valueCount)
    : m_ident(ident)
    , m_system(system)
{
    if (valueCount > 0)
        m_values.reserve(valueCount);
}

void AlarmInstance::setValue(const AlarmProp& prop, QVariant value, const QString& display)
{
    const int index = prop.getIndex();
    if (index < 0 || prop.getBuiltin() != AlarmProp::BuiltinNone)
        return;
    if (m_values.size() <= index)
        m_values.resize(index + 1);
    m_values[index] = std::move(value);
    if (!display.isNull() && m_texts.size() <= index)
        m_texts.resize(index + 1);
    if (index < m_texts.size())
        m_texts[index] = display;
}

namespace {

// Puts the pool's copy of text in place; false when text is that copy already.
bool share(QString& text)
{
    QString pooled = AlarmTextPool::intern(text);
    if (pooled.constData() == text.constData())
        return false;
    text.swap(pooled);
    return true;
}

} // namespace

void AlarmInstance::shareTexts()
{
    share(m_system);
    // Read before written: a copy of an alarm (a new version of it) shares the
    // vectors of the original, which hold pool copies already and so stay shared.
    for (int i = 0; i < m_values.size(); ++i) {
        const QVariant& value = m_values.at(i);
        if (value.userType() != QMetaType::QString)
            continue;
        QString text = value.toString();
        if (share(text))
            m_values[i] = text;
    }
    for (int i = 0; i < m_texts.size(); ++i) {
        QString text = m_texts.at(i);
        if (share(text))
            m_texts[i] = text;
    }
}

QVariant AlarmInstance::editValue(const AlarmProp& prop) const
{
    switch (prop.getBuiltin()) {
    case AlarmProp::BuiltinSystem:
        return m_system;
    case AlarmProp::BuiltinAckState:
        return int(m_ackState);
    case AlarmProp::BuiltinDirection:
        return m_went;
    case AlarmProp::BuiltinNone:
        break;
    }
    const int index = prop.getIndex();
    return index >= 0 && index < m_values.size() ? m_values.at(index) : QVariant();
}

QString AlarmInstance::getDisplayText(const AlarmProp& prop) const
{
    switch (prop.getBuiltin()) {
    case AlarmProp::BuiltinSystem:
        return m_system;
    case AlarmProp::BuiltinAckState:
        return ackStateText(m_ackState);
    case AlarmProp::BuiltinDirection:
        return m_went ? QStringLiteral("went") : QStringLiteral("came");
    case AlarmProp::BuiltinNone:
        break;
    }
    const int index = prop.getIndex();
    if (index < 0 || index >= m_values.size())
        return QString();
    if (index < m_texts.size() && !m_texts.at(index).isNull())
        return m_texts.at(index);
    const QVariant& value = m_values.at(index);
    if (prop.getType() == AlarmProp::TypeTime && value.canConvert<QDateTime>())
        return value.toDateTime().toString(AlarmProp::timeFormat());
    if (prop.getType() == AlarmProp::TypeBool && value.isValid())
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    return value.toString();
}

QVariant AlarmInstance::getProperty(const AlarmProp& prop, int role) const
{
    if (role == Qt::EditRole)
        return editValue(prop);
    if (role == Qt::DisplayRole)
        return getDisplayText(prop);
    return QVariant();
}

QString AlarmInstance::ackStateText(AckState state)
{
    switch (state) {
    case Unacknowledged:
        return QStringLiteral("unacknowledged");
    case Acknowledged:
        return QStringLiteral("acknowledged");
    case NotAcknowledgeable:
        return QStringLiteral("not acknowledgeable");
    }
    return QString();
}
