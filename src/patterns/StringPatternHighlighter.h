#pragma once

#include "qvas_export.h"

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

class QTextDocument;

// Shows the separators of a pattern list (";" or "," not preceded by a
// backslash) in bold red, so that an escaped separator is told apart.
class QVAS_EXPORT StringPatternHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    // document becomes the parent and owns the highlighter.
    explicit StringPatternHighlighter(QTextDocument* document);

    struct HighlightingRule
    {
        QRegularExpression pattern;
        QTextCharFormat format;
    };

protected:
    void highlightBlock(const QString& text) override;

private:
    QVector<HighlightingRule> m_rules;
};
