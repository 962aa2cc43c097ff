#include "app/core/apppaths.h"
#include "engine/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace AppPaths {

QString configFolder()
{
    QString tmp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    // On Linux the temporary location is "/tmp"; cutting five characters
    // would leave nothing usable, so fall back to a per-user config folder.
    if (tmp.endsWith(QLatin1String("/Temp"), Qt::CaseInsensitive))
        return tmp.left(tmp.size() - 5);
    QString cfg = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (cfg.isEmpty())
        cfg = QDir::homePath() + QStringLiteral("/.config/qznum");
    QDir().mkpath(cfg);
    return cfg;
}

QString userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
           + QStringLiteral("/Qzarel Numerology");
}

QString templateFolder()
{
    return DataFolder::path() + QStringLiteral("/images/templates");
}

QString stateFilePath()
{
    return configFolder() + QStringLiteral("/qznum_prem.cfg");
}

QString autoPersonFilePath()
{
    return configFolder() + QStringLiteral("/qznum6.num");
}

int copySampleCharts(const QString &templates, const QString &user)
{
    const QStringList filter{QStringLiteral("*.qnr")};
    const QStringList have = QDir(user).entryList(filter);
    const QStringList samples = QDir(templates).entryList(filter);
    int copied = 0;
    for (const QString &name : samples) {
        if (have.contains(name, Qt::CaseSensitive))
            continue;
        if (QFile::copy(templates + QLatin1Char('/') + name, user + QLatin1Char('/') + name))
            ++copied;
    }
    return copied;
}

} // namespace AppPaths
