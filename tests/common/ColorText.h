#pragma once

#include <colors/Color.h>

#include <QStringList>

// A colour as text: "{r,g,b,a}/duration" per entry, "alias[name]/duration"
// for an unresolved alias, "null" for no colour.
inline QString colorText(const QSharedPointer<Color>& color)
{
    if (!color)
        return QStringLiteral("null");
    QStringList entries;
    for (const QSharedPointer<Color::ColorEntry>& entry : color->m_entries) {
        QString value;
        if (entry->m_hasColor) {
            const QColor& c = entry->m_color;
            value = QStringLiteral("{%1,%2,%3,%4}").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
        } else {
            value = QStringLiteral("alias[%1]").arg(entry->m_alias);
        }
        entries << value + QLatin1Char('/') + QString::number(entry->m_duration);
    }
    return color->m_name + QLatin1Char('=') + entries.join(QLatin1Char(' '));
}
