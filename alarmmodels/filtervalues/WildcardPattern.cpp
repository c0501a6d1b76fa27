#include "filtervalues/WildcardPattern.h"

#include <QRegularExpression>

QString WildcardPattern::toRegExp(const QString& pattern, QChar matchAllChar)
{
    QString result;
    result.reserve(pattern.size() + 8);
    int start = 0;
    for (int i = 0; i <= pattern.size(); ++i) {
        if (i == pattern.size() || pattern.at(i) == matchAllChar) {
            result += QRegularExpression::escape(pattern.mid(start, i - start));
            if (i < pattern.size())
                result += QLatin1String(".*");
            start = i + 1;
        }
    }
    return result;
}

QString WildcardPattern::anchored(const QString& expression)
{
    return QStringLiteral("\\A(?:") + expression + QStringLiteral(")\\z");
}
