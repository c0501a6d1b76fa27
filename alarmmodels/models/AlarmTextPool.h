#pragma once

#include "alarmmodels_export.h"

#include <QSet>
#include <QString>

// The texts of alarms repeat: a system name, a datapoint name, an alert text
// are the same for thousands of alarms. Alarms keep the pool's copy of each
// text, so that equal texts share one buffer instead of one each. Texts that
// no alarm holds any more are dropped whenever the pool has doubled since
// the last sweep, so the pool costs amortised constant time per text.
// The pool belongs to the GUI thread, as the alarm models do.
class ALARMMODELS_EXPORT AlarmTextPool
{
public:
    // The shared copy of text (text itself when it is new).
    static QString intern(const QString& text);
    // Texts held, swept or not.
    static int size();

private:
    static AlarmTextPool& instance();
    QString take(const QString& text);
    void sweep();

    QSet<QString> m_texts;
    int m_sweepAt = 4096;
};
