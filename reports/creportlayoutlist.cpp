#include "reports/creportlayoutlist.h"

#include "reports/creportlayoutfile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kSuffix = QStringLiteral(".qznr");

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// A name that would leave the folder or is not a plain file name is never written.
bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0)
            return false;
    }
    return true;
}

} // namespace

int CReportLayoutList::indexOf(const QString &name) const
{
    for (int i = 0; i < m_layouts.size(); ++i) {
        if (m_layouts.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const CReportLayout *CReportLayoutList::selected(int selection) const
{
    if (selection < 1 || selection > m_layouts.size())
        return nullptr;
    return &m_layouts.at(selection - 1);
}

void CReportLayoutList::clear()
{
    m_layouts.clear();
    m_ownedFiles.clear();
    m_skippedFiles.clear();
    m_damagedFiles.clear();
    m_problems.clear();
}

QString defaultLayoutsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
           + QStringLiteral("/Qzarel Numerology/");
}

bool loadLayouts(CReportLayoutList &list, const QString &folder)
{
    list.clear();
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    const QStringList names = dir.entryList({QStringLiteral("*.qznr")}, QDir::Files);
    for (const QString &fileName : names) {
        CReportLayout layout;
        const CReportLayoutFile::Status status = CReportLayoutFile::read(dir.filePath(fileName), layout);
        if (status == CReportLayoutFile::Ok || status == CReportLayoutFile::Truncated) {
            list.m_layouts.append(layout);
            list.m_ownedFiles.append(fileName);
        } else {
            list.m_skippedFiles.append(fileName);
        }
        if (status == CReportLayoutFile::Truncated)
            list.m_damagedFiles.append(fileName);
        if (status != CReportLayoutFile::Ok)
            list.m_problems.insert(fileName, CReportLayoutFile::statusText(status));
    }
    return true;
}

bool saveLayouts(CReportLayoutList &list, const QString &folder, QString *error)
{
    const QString base = withSlash(folder);
    QDir dir(base);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error)
            *error = QStringLiteral("Can't create folder ") + base;
        return false;
    }

    bool allWritten = true;
    QStringList written;
    for (const CReportLayout &layout : list.m_layouts) {
        const QString fileName = layout.name + kSuffix;
        if (!isSafeFileName(layout.name)) {
            allWritten = false;
            if (error)
                *error = QStringLiteral("Wrong name!");
            continue;
        }
        if (list.m_skippedFiles.contains(fileName)) {
            // A file of that name exists but is no layout we could read: leave it be.
            allWritten = false;
            if (error)
                *error = QStringLiteral("Can't save file ") + base + fileName
                         + QStringLiteral(": a file of that name that is no readable layout exists");
            continue;
        }
        QString why;
        if (CReportLayoutFile::write(base + fileName, layout, &why)) {
            written.append(fileName);
        } else {
            allWritten = false;
            // The old file (if any) is intact, so keep counting it as ours.
            if (list.m_ownedFiles.contains(fileName))
                written.append(fileName);
            if (error)
                *error = QStringLiteral("Can't save file ") + base + fileName + QStringLiteral(": ") + why;
        }
    }

    // Old files go only once every new file is on disk: after a failed write
    // the old file of a renamed layout is the only copy left. They stay ours,
    // so the next save that succeeds removes them.
    if (!allWritten) {
        for (const QString &fileName : qAsConst(list.m_ownedFiles)) {
            if (!written.contains(fileName))
                written.append(fileName);
        }
        list.m_ownedFiles = written;
        return false;
    }

    // Files of layouts the user deleted or renamed; nothing else is touched.
    const QSet<QString> keep(written.cbegin(), written.cend());
    const QStringList present = dir.entryList({QStringLiteral("*.qznr")}, QDir::Files);
    QStringList stillOwned = written;
    for (const QString &fileName : qAsConst(list.m_ownedFiles)) {
        if (keep.contains(fileName))
            continue;
        // A rename that only changed the letter case may name the very file just
        // written on a file system that ignores case: then both spellings are
        // not listed, and the file stays.
        const bool caseTwin = std::any_of(written.cbegin(), written.cend(), [&](const QString &w) {
            return w.compare(fileName, Qt::CaseInsensitive) == 0
                   && !(present.contains(w) && present.contains(fileName));
        });
        if (caseTwin)
            continue;
        if (!QFile::remove(base + fileName) && QFile::exists(base + fileName))
            stillOwned.append(fileName);
    }
    list.m_ownedFiles = stillOwned;
    return allWritten;
}

QString checkLayoutName(const QString &name, const CReportLayoutList &list, int ignoreIndex)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Wrong name!");
    static const QString forbidden = QStringLiteral("/?><\":*|\\");
    for (QChar c : name) {
        if (forbidden.contains(c))
            return QStringLiteral("The characters \"/, ?, |, >, <, \", :, \\, *\" and \"default\" are forbidden!");
    }
    if (name.contains(QLatin1String("default"), Qt::CaseInsensitive))
        return QStringLiteral("The characters \"/, ?, |, >, <, \", :, \\, *\" and \"default\" are forbidden!");
    for (int i = 0; i < list.count(); ++i) {
        if (i != ignoreIndex && list.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Name \"") + name + QStringLiteral("\" is already in use.");
    }
    return QString();
}
