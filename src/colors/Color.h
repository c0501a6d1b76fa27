#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>

#include <QColor>
#include <QMap>
#include <QSharedPointer>
#include <QStringList>
#include <QVector>

// A named colour: one entry is a steady colour, several entries with
// durations make a blinking colour, and an entry may name another colour
// (an alias) in place of a value.
class QVAS_EXPORT Color : public MsgLoggingProducer
{
public:
    class QVAS_EXPORT ColorEntry : public MsgLoggingProducer
    {
    public:
        explicit ColorEntry(const MsgLoggingProducer* producer);
        ColorEntry(const MsgLoggingProducer* producer, const QColor& color, int duration);
        ColorEntry(const MsgLoggingProducer* producer, const QString& alias, int duration);

        bool isAlias() const { return !m_alias.isEmpty(); }
        // Takes the colour of the first entry at the end of the alias chain.
        // searchStack records every alias walked, to detect loops. While a
        // ColorAliasMemo lives for colors, a call with an empty searchStack
        // resolves through the memo and leaves the stack empty.
        void findColorForAlias(const QMap<QString, QSharedPointer<Color>>& colors,
                               QStringList& searchStack) const;

        QString m_alias;
        mutable QColor m_color;
        int m_duration;
        mutable bool m_hasColor;
    };

    explicit Color(const MsgLoggingProducer* producer);
    Color(const MsgLoggingProducer* producer, const QString& name);
    Color(const MsgLoggingProducer* producer, const QString& name, const QString& aliasName);
    Color(const MsgLoggingProducer* producer, const QString& name, const QColor& color);
    ~Color() override;

    // Gives a colour without entries one entry of opaque black.
    void ensureNotEmpty();
    void resolveAliases(const QMap<QString, QSharedPointer<Color>>& colors);

    // The colour shown now: that of the current entry (invalid when there is none).
    QColor currentColor() const;

    QString m_name;
    QVector<QSharedPointer<ColorEntry>> m_entries;
    int m_currentEntry = 0;
    int m_tickCount = 0;
};
