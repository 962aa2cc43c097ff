// Person files, the recent list, start-up completion and the update check.
#include "app/ui/cqznum.h"

#include "app/core/apppaths.h"
#include "app/core/personfile.h"
#include "app/ui/appurls.h"
#include "app/ui/cmanualview.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "engine/calculatorflags.h"
#include "panels/ctheme.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>

void CQZNum::OnSaveFile(bool closeProg)
{
    QString path;
    if (closeProg) {
        path = AppPaths::autoPersonFilePath();
    } else {
        // Saved and opened in the user folder, always with the suffix the
        // open dialog filters on.
        path = askSaveFileName(QStringLiteral("Save"), AppPaths::userFolder(), QStringLiteral("Files (*.num)"),
                               QStringLiteral("num"));
    }
    if (path.isEmpty())
        return;
    bool ok;
    if (closeProg) {
        ok = writePersonFile(path, m_recent, m_forecastDate->date());
    } else {
        PersonRecord r = recordFromInputs();
        // The file keeps what was typed, not the derived short names.
        r.fullName = m_person->fullName->text();
        r.shortName = m_person->shortName->text();
        r.partnerFullName = m_person->partnerFullName->text();
        r.partnerShortName = m_person->partnerShortName->text();
        r.petName = m_petName->text();
        ok = writePersonFile(path, {r}, m_forecastDate->date());
    }
    if (!ok && !closeProg)
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Can't create file!\r\n") + path);
}

void CQZNum::OnOpenFile(bool openProg)
{
    QString path;
    if (openProg) {
        path = AppPaths::autoPersonFilePath();
    } else {
        path = QFileDialog::getOpenFileName(this, QStringLiteral("Open file"), AppPaths::userFolder(),
                                            QStringLiteral("Files (*.num)"));
    }
    if (path.size() < 2)
        return;
    openPersonFile(path, openProg);
}

void CQZNum::openPersonFile(const QString &path, bool openProg)
{
    PersonFileContent content;
    const PersonFileStatus status = readPersonFile(path, openProg, content);
    if (status == PersonFileStatus::CantOpen) {
        if (!openProg)
            QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Can't open file!"));
        return;
    }
    if (openProg)
        OnResData();
    else
        OnResDataI();
    if (status == PersonFileStatus::WrongFormat || content.records.isEmpty()) {
        if (!openProg)
            QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Wrong file format!"));
        return;
    }
    const PersonRecord &first = content.records.first();
    if (content.firstLineFields == kPersonFieldsOld) {
        applyRecord(first, false);
        const QSignalBlocker b(m_petName);
        m_petName->setText(first.petName);
        m_petBirth->setDate(first.petBirthDate.isValid() ? first.petBirthDate : QDate::currentDate());
        m_forecastDate->setDate(QDate::currentDate());
        OnPreCalcNum();
        OnPreCalcNumP();
        return;
    }
    if (openProg) {
        m_recent = content.records;
        while (m_recent.size() > CPersonPanel::RecentCount)
            m_recent.removeLast();
        m_forecastDate->setDate(QDate::currentDate());
        rebuildRecentButtons();
        m_loadingAuto = true;
        OnRecentClicked();
        m_loadingAuto = false;
        return;
    }
    m_forecastDate->setDate(QDate::currentDate());
    applyRecord(first, true);
    OnPreCalcNum();
    OnPreCalcNumP();
}

void CQZNum::applyRecord(const PersonRecord &r, bool withMarks)
{
    m_loaded = r;
    m_loadedHasMarks = withMarks && !r.fullMarks.isEmpty();
    m_person->birthDate->setDate(r.birthDate.isValid() ? r.birthDate : QDate(2000, 1, 1));
    m_person->fullName->setText(r.fullName);
    m_person->shortName->setText(r.shortName);
    m_person->gender->setCurrentIndex(r.gender == 1 ? 1 : 0);
    m_person->partnerBirthDate->setDate(r.partnerBirthDate.isValid() ? r.partnerBirthDate : QDate(2000, 1, 1));
    m_person->partnerFullName->setText(r.partnerFullName);
    m_person->partnerShortName->setText(r.partnerShortName);
    if (withMarks)
        m_person->chaldean->setChecked(r.chaldean);
}

void CQZNum::OnRecentClicked()
{
    int index = 0;
    if (!m_loadingAuto) {
        index = -1;
        for (int i = 0; i < CPersonPanel::RecentCount; ++i) {
            if (sender() == m_person->recent[i])
                index = i;
        }
    }
    if (index < 0 || index >= m_recent.size())
        return;
    applyRecord(m_recent.at(index), true);
    OnPreCalcNum();
    OnPreCalcNumP();
}

void CQZNum::OnClearRecent()
{
    m_recent.clear();
    rebuildRecentButtons();
}

void CQZNum::rebuildRecentButtons()
{
    for (int i = 0; i < CPersonPanel::RecentCount; ++i) {
        QPushButton *b = m_person->recent[i];
        if (i < m_recent.size()) {
            m_person->setRecentText(i, recentButtonText(m_recent.at(i)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            b->show();
        } else {
            b->hide();
        }
    }
}

QString CQZNum::dateFormat() const
{
    return m_state.dayFirstDates ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
}

void CQZNum::applyDateFormat()
{
    const QString f = dateFormat();
    m_person->setDayFirst(m_state.dayFirstDates);
    for (CDateEdit *d : {m_forecastDate, m_petBirth, m_anDate})
        d->setDisplayFormat(f);
}

void CQZNum::OnFinishedSU()
{
    readStateFile(AppPaths::stateFilePath(), m_state);
    calculatorFlags().fromBytes(m_state.calcFlags);
    startUpdateCheck();
    applyDateFormat();
    const QList<QAction *> actions = m_themeGroup->actions();
    if (m_state.themeIndex >= 0 && m_state.themeIndex < actions.size())
        actions.at(m_state.themeIndex)->setChecked(true);
    OnStyleChange();
    m_reportChoice = ReportChoice::fromBytes(m_state.reportChoice);
    if (!m_state.layoutName.isEmpty()) {
        // The calculation below uses it; a layout deleted since leaves "Default".
        const int index = m_layoutChooser->findText(m_state.layoutName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        const QSignalBlocker block(m_layoutChooser);
        m_layoutChooser->setCurrentIndex(index > 0 ? index : 0);
    }

    OnOpenFile(true);
    OnCalcNum();
    const QString typed = m_person->fullName->text().trimmed();
    if (!typed.isEmpty() && m_currentFullName != NamePrompt) {
        stopPulse();
        setPersonButtonText(m_currentFullName);
    } else {
        setPersonButtonText(NamePrompt);
        startPulse();
    }

    OnUpdateListReport();
    delete m_loading;
    m_loading = nullptr;
    layoutWindow();
    placePanels(false);
    m_startUpFinished = true;

    // A file given on the command line is what the user came for: open it
    // instead of the start-up guide.
    if (!m_startFile.isEmpty()) {
        openDocument(m_startFile);
        return;
    }
    if (!m_state.guideNotAtStart) {
        auto *guide = new CManualVieW(m_theme, &m_state.guideNotAtStart, this);
        guide->exec();
        delete guide;
    }
}

void CQZNum::startUpdateCheck()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (now <= m_state.lastUpdateCheck.addDays(7) || AppUrls::updateCheck().isEmpty())
        return;
    QNetworkRequest req(AppUrls::updateCheck());
    req.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    req.setRawHeader("User-Agent", "Check for updates");
    m_network->get(req);
    m_state.lastUpdateCheck = now;
}

void CQZNum::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError)
        return;
    const QString body = QString::fromUtf8(reply->read(64 * 1024));
    bool ok = false;
    const qlonglong version = body.split(QLatin1Char(',')).value(0).trimmed().toLongLong(&ok, 16);
    if (!ok || version <= 0x70800 || AppUrls::downloadPage().isEmpty())
        return;
    if (QMessageBox::question(this, QStringLiteral("Qzarel Numerology Update"),
                              QStringLiteral("New version of Qzarel Numerology available for download\r\n"
                                             "Would you like to update?"),
                              QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        AppUrls::open(AppUrls::downloadPage());
}
