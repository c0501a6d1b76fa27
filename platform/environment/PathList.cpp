#include "environment/PathList.h"

#include "environment/FileSys.h"

void PathList::setPathes(const QStringList& pathes, const QString& furtherPath)
{
    m_pathes.clear();
    for (const QString& path : pathes) {
        if (!path.isEmpty())
            m_pathes.append(withSeparator(path));
    }
    m_furtherPath = furtherPath.isEmpty() ? CharString() : withSeparator(furtherPath);
}

CharString PathList::getPath(int index) const
{
    return index >= 0 && index < m_pathes.size() ? m_pathes.at(index) : CharString();
}

CharString PathList::withSeparator(const QString& path)
{
    CharString result = CharString::fromQString(path);
    if (!path.endsWith(QLatin1Char(FileSys::PATH_CHAR)))
        result += FileSys::PATH_CHAR;
    return result;
}
