#include "DefaultExtension.h"

#include <QFileInfo>

QString WithDefaultExtension(const QString& path, bool mustExist, const QString& extension)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    if (mustExist && QFileInfo::exists(path))
        return path;
    return path + extension;
}
