#pragma once

#include "logging/MsgLoggingProducer.h"
#include "filtervalues/WildcardConfig.h"
#include "alarmmodels_export.h"

#include <QMetaType>
#include <QRegularExpression>
#include <QString>

// One pattern that the cells of the alarm table are filtered by: an alarm
// is shown when one of its shown cells matches. The pattern is a string
// literal (mode 0), a wildcard pattern (1) or a regular expression (2); it
// matches anywhere in a cell unless the whole cell must match. An empty
// pattern matches every cell.
class ALARMMODELS_EXPORT QuickCellFilter : public MsgLoggingProducer
{
public:
    enum Mode
    {
        ModeLiteral = 0,
        ModeWildcard = 1,
        ModeRegExp = 2
    };

    explicit QuickCellFilter(const MsgLoggingProducer* logParent = nullptr);
    QuickCellFilter(const QuickCellFilter& other);
    QuickCellFilter& operator=(const QuickCellFilter& other);

    const QString& getString() const { return m_string; }
    void setString(const QString& text);
    int getMode() const { return m_mode; }
    void setMode(int mode);
    bool isMatchFullColumn() const { return m_matchFullColumn; }
    void setMatchFullColumn(bool full);
    bool isMatchCase() const { return m_matchCase; }
    void setMatchCase(bool matchCase);
    void setWildCardConfig(const WildcardConfig& config);
    QChar getMatchAllChar() const { return m_matchAllChar; }

    // A known mode, and a regular expression that compiles.
    bool isValid() const;
    // No pattern: every alarm is shown.
    bool isEmpty() const { return m_string.isEmpty(); }
    bool matches(const QString& cellText) const;

    // Mode, flags and pattern equal (log settings and wildcard character do not count).
    bool operator==(const QuickCellFilter& other) const;
    bool operator!=(const QuickCellFilter& other) const { return !(*this == other); }

private:
    void compile();

    int m_mode = ModeWildcard;
    bool m_matchFullColumn = false;
    bool m_matchCase = false;
    QString m_string;
    QChar m_matchAllChar = QLatin1Char('*');
    // Built whenever the pattern or an option changes; literal patterns are escaped.
    QRegularExpression m_regExp;
};

Q_DECLARE_METATYPE(QuickCellFilter)
