#include "filtervalues/QuickCellFilter.h"

#include "filtervalues/WildcardPattern.h"

QuickCellFilter::QuickCellFilter(const MsgLoggingProducer* logParent)
    : MsgLoggingProducer(logParent)
{
    compile();
}

QuickCellFilter::QuickCellFilter(const QuickCellFilter& other) = default;
QuickCellFilter& QuickCellFilter::operator=(const QuickCellFilter& other) = default;

void QuickCellFilter::setString(const QString& text)
{
    m_string = text;
    compile();
}

void QuickCellFilter::setMode(int mode)
{
    m_mode = mode;
    compile();
}

void QuickCellFilter::setMatchFullColumn(bool full)
{
    m_matchFullColumn = full;
    compile();
}

void QuickCellFilter::setMatchCase(bool matchCase)
{
    m_matchCase = matchCase;
    compile();
}

void QuickCellFilter::setWildCardConfig(const WildcardConfig& config)
{
    m_matchAllChar = config.matchAllChar;
    compile();
}

void QuickCellFilter::compile()
{
    QString pattern;
    switch (m_mode) {
    case ModeLiteral:
        pattern = QRegularExpression::escape(m_string);
        break;
    case ModeWildcard:
        pattern = WildcardPattern::toRegExp(m_string, m_matchAllChar);
        break;
    default:
        pattern = m_string;
        break;
    }
    if (m_matchFullColumn)
        pattern = WildcardPattern::anchored(pattern);
    m_regExp.setPattern(pattern);
    // A wildcard stands for any text, line breaks included.
    m_regExp.setPatternOptions((m_matchCase ? QRegularExpression::NoPatternOption
                                            : QRegularExpression::CaseInsensitiveOption)
                               | (m_mode == ModeRegExp ? QRegularExpression::NoPatternOption
                                                       : QRegularExpression::DotMatchesEverythingOption));
}

bool QuickCellFilter::isValid() const
{
    return m_mode >= ModeLiteral && m_mode <= ModeRegExp && m_regExp.isValid();
}

bool QuickCellFilter::matches(const QString& cellText) const
{
    if (m_string.isEmpty())
        return true;
    return isValid() && m_regExp.match(cellText).hasMatch();
}

bool QuickCellFilter::operator==(const QuickCellFilter& other) const
{
    return m_mode == other.m_mode && m_matchFullColumn == other.m_matchFullColumn
        && m_matchCase == other.m_matchCase && m_string == other.m_string;
}
