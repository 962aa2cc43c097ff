#include "chart/chartfile.h"

#include "chart/chartdocument.h"

#include "engine/atomicwrite.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace chartfile {

namespace {
void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool samePath(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() &&
           QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}
} // namespace

bool load(ChartDocument &doc, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.newDocument();
        setError(error, QStringLiteral("Can't open file!"));
        return false;
    }
    QDataStream stream(&file);
    if (doc.loadDocument(stream) != 0) {
        setError(error, doc.lastError());
        return false;
    }
    setError(error, doc.lastError());
    doc.fileName = path;
    return true;
}

bool save(ChartDocument &doc, const QString &path, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    if (doc.saveDocument(stream) != 0 || !atomicwrite::saveFileAtomically(path, bytes)) {
        setError(error, QStringLiteral("Can't save report!"));
        return false;
    }
    return true;
}

QString fileNameSafeTitle(const QString &title)
{
    QString safe;
    for (QChar c : title) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32)
            safe += QLatin1Char('_');
        else
            safe += c;
    }
    safe = safe.trimmed();
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("New report");
    return safe;
}

QString chooseFileName(const QString &folder, const QString &title, const QString &ownPath)
{
    const QString base = QDir(folder).filePath(fileNameSafeTitle(title));
    auto isFree = [&ownPath](const QString &candidate) {
        return !QFileInfo::exists(candidate) || samePath(candidate, ownPath);
    };
    const QString plain = base + QStringLiteral(".qnr");
    if (isFree(plain))
        return plain;
    // "My chart 2" reads as the second one; "My chart0" read as a typo.
    for (int n = 2; n <= 9999; ++n) {
        const QString numbered = base + QLatin1Char(' ') + QString::number(n) + QStringLiteral(".qnr");
        if (isFree(numbered))
            return numbered;
    }
    return QString();
}

QString saveToFolder(ChartDocument &doc, const QString &folder, const QString &ownPath,
                     QString *error)
{
    QDir().mkpath(folder);
    const QString target = chooseFileName(folder, doc.title, ownPath);
    if (target.isEmpty() || !save(doc, target, error)) {
        setError(error, QStringLiteral("Can't save report!"));
        return QString();
    }
    if (!ownPath.isEmpty() && !samePath(ownPath, target) && QFileInfo::exists(ownPath))
        QFile::remove(ownPath);
    doc.fileName = target;
    return target;
}

} // namespace chartfile
