#include "patterns/StringPatternHighlighter.h"

#include <QBrush>
#include <QFont>
#include <QTextDocument>

StringPatternHighlighter::StringPatternHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
    HighlightingRule separator;
    separator.pattern = QRegularExpression(QStringLiteral("(?<!\\\\)[;,]"));
    separator.format.setFontPointSize(11.0);
    separator.format.setFontWeight(QFont::Bold);
    separator.format.setForeground(QBrush(Qt::red));
    m_rules.append(separator);
}

void StringPatternHighlighter::highlightBlock(const QString& text)
{
    for (const HighlightingRule& rule : qAsConst(m_rules)) {
        QRegularExpressionMatchIterator it = rule.pattern.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            setFormat(match.capturedStart(0), match.capturedLength(0), rule.format);
        }
    }
}
