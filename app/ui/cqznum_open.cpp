// Files handed to the program from outside (command line, file manager).
#include "app/ui/cqznum.h"

#include "app/core/apppaths.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "reports/creportlayoutfile.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

bool CQZNum::openDocument(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (!info.isFile() || !info.isReadable()) {
        QMessageBox::critical(this, QStringLiteral("Error"),
                              QStringLiteral("Can't open file!\r\n") + QDir::toNativeSeparators(path));
        return false;
    }
    const QString full = info.absoluteFilePath();

    if (suffix == QLatin1String("num")) {
        openPersonFile(full, false);
        OnCalcNum();
        slotPNC(m_forecastDate->date());
        const QString typed = m_person->fullName->text().trimmed();
        if (!typed.isEmpty() && m_currentFullName != NamePrompt) {
            stopPulse();
            setPersonButtonText(m_currentFullName);
        }
        return true;
    }

    if (suffix == QLatin1String("qnr")) {
        // A chart outside the user folder is listed for this session only.
        int index = m_chartChooser->findData(full);
        if (index < 0) {
            m_chartChooser->addItem(info.completeBaseName(), full);
            index = m_chartChooser->count() - 1;
        }
        m_chartChooser->setCurrentIndex(index);
        navigate(FeatChart);
        return true;
    }

    if (suffix == QLatin1String("qznr")) {
        // Layouts are read from the user folder only; never replace one there,
        // and never copy in a file that is no layout.
        CReportLayout probe;
        const CReportLayoutFile::Status status = CReportLayoutFile::read(full, probe);
        if (status != CReportLayoutFile::Ok && status != CReportLayoutFile::Truncated) {
            QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Wrong file format!"));
            return false;
        }
        const QString target = AppPaths::userFolder() + QLatin1Char('/') + info.fileName();
        if (QFileInfo(target).absoluteFilePath() != full && !QFileInfo::exists(target)
            && !QFile::copy(full, target)) {
            QMessageBox::critical(this, QStringLiteral("Error"),
                                  QStringLiteral("Can't create file!\r\n") + QDir::toNativeSeparators(target));
            return false;
        }
        loadLayouts();
        const QSignalBlocker block(m_layoutChooser);
        m_layoutChooser->clear();
        m_layoutChooser->addItem(QStringLiteral("Default"));
        for (int i = 0; i < m_layouts.count(); ++i)
            m_layoutChooser->addItem(m_layouts.at(i).name);
        // Chooser entry 0 is the built-in report, entry n the n-th layout.
        const int index = m_layouts.ownedFiles().indexOf(info.fileName()) + 1;
        m_layoutChooser->setCurrentIndex(index);
        OnSelReport(index);
        if (index == 0)
            QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Wrong file format!"));
        else if (status == CReportLayoutFile::Truncated)
            QMessageBox::warning(this, QStringLiteral("Error"),
                                 QStringLiteral("The layout file is damaged; only part of it could be read.\r\n")
                                     + QDir::toNativeSeparators(full));
        return index > 0;
    }

    QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Wrong file format!"));
    return false;
}
