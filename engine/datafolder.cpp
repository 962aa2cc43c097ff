#include "engine/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace DataFolder {

QString forApplicationDir(const QString &appDir)
{
    const QDir dir(appDir);
    if (QFileInfo::exists(dir.filePath(QStringLiteral("eng.dat")))
        || QFileInfo(dir.filePath(QStringLiteral("images"))).isDir())
        return QDir::cleanPath(appDir);
    const QString shared =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/") + QLatin1String(InstallName)));
    if (QFileInfo(shared).isDir())
        return shared;
    return QDir::cleanPath(appDir);
}

QString path()
{
    return forApplicationDir(QCoreApplication::applicationDirPath());
}

} // namespace DataFolder
