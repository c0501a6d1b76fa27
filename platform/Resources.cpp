#include "Resources.h"

QStringList Resources::pathes_;

void Resources::setPathes(const QStringList& pathes)
{
    pathes_ = pathes;
}
