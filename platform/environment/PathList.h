#pragma once

#include "variables/CharString.h"
#include "qvplatform_export.h"

#include <QStringList>

// The platform's ordered paths: the project path first, then the paths of
// sub-projects and the installation, and one further path outside that
// hierarchy (empty when there is none). Every stored path ends with
// FileSys::PATH_CHAR.
class QVPLATFORM_EXPORT PathList
{
public:
    void setPathes(const QStringList& pathes, const QString& furtherPath = QString());

    int getNumberOfPathes() const { return m_pathes.size(); }
    // The path at index, empty for an index out of range.
    CharString getPath(int index) const;
    CharString getFurtherPath() const { return m_furtherPath; }

private:
    static CharString withSeparator(const QString& path);

    QList<CharString> m_pathes;
    CharString m_furtherPath;
};
