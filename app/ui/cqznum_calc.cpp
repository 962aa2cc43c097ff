// Person input, name marks and the calculation flow.
#include "app/ui/cqznum.h"

#include "app/ui/cinfodlgwin.h"
#include "engine/datafolder.h"

#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "engine/namecleaning.h"
#include "panels/cinfocalendarwidget.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "reports/ccelebritiesreport.h"
#include "reports/ccompatibilityreport.h"
#include "reports/cexpressreport.h"
#include "reports/cnumerologyreport.h"
#include "reports/cpetreport.h"
#include "reports/cpmatrixreport.h"
#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QWebEngineView>

#include <algorithm>

namespace {

const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Digits alone make no pet name: only letters give a pet number.
bool hasLetter(const QString &cleaned)
{
    return std::any_of(cleaned.cbegin(), cleaned.cend(), [](QChar c) { return c.isLetter(); });
}

QString withMinor(const QString &major, const QString &minor)
{
    return major + QStringLiteral(" (") + minor + QLatin1Char(')');
}

// 0 separator, 1 vowel, 2 consonant for each character of a name.
QVector<int> marksFromRows(const QString &vowels, const QString &consonants)
{
    QVector<int> marks;
    marks.reserve(vowels.size());
    for (int i = 0; i < vowels.size(); ++i) {
        if (vowels.at(i).isDigit())
            marks.append(1);
        else if (i < consonants.size() && consonants.at(i).isDigit())
            marks.append(2);
        else
            marks.append(0);
    }
    return marks;
}

// The 20 grid strings in panel order (column + 5 x row): digits 1-4-7, 2-5-8
// and 3-6-9 with their row sums, then the diagonal 3-5-7, the column sums and
// the diagonal 1-5-9.
QStringList matrixPanelCells(const CNumerologyPMatrix &m)
{
    auto digits = [&m](int d) {
        const int n = qBound(0, m.cells[d], 12);
        return n == 0 ? QStringLiteral("-") : QString(n, QLatin1Char(char('0' + d)));
    };
    auto line = [&m](int l) { return QString::number(m.lines[l]); };
    using L = CNumerologyPMatrix;
    return {QString(), digits(1), digits(4), digits(7), line(L::Line147),
            QString(), digits(2), digits(5), digits(8), line(L::Line258),
            QString(), digits(3), digits(6), digits(9), line(L::Line369),
            line(L::Line357), line(L::Line123), line(L::Line456), line(L::Line789), line(L::Line159)};
}

QString nameChains(const QString &e, const QString &h, const QString &p)
{
    return QStringLiteral("Expression ") + e + QStringLiteral("    Heart Desire ") + h
           + QStringLiteral("    Personality ") + p;
}

} // namespace

PersonRecord CQZNum::recordFromInputs() const
{
    PersonRecord r;
    r.fullName = qz::cleanName(m_person->fullName->text());
    r.shortName = qz::cleanName(m_person->shortName->text());
    if (r.shortName.isEmpty())
        r.shortName = qz::defaultShortName(r.fullName);
    r.birthDate = m_person->birthDate->date();
    r.gender = m_person->gender->currentIndex() == 1 ? 1 : 0;
    r.partnerFullName = qz::cleanName(m_person->partnerFullName->text());
    r.partnerShortName = qz::cleanName(m_person->partnerShortName->text());
    if (r.partnerShortName.isEmpty())
        r.partnerShortName = qz::defaultShortName(r.partnerFullName);
    r.partnerBirthDate = m_person->partnerBirthDate->date();
    r.petName = qz::cleanName(m_petName->text());
    r.petBirthDate = m_petBirth->date();
    r.fullMarks = m_fullMarks;
    r.shortMarks = m_shortMarks;
    r.partnerFullMarks = m_pFullMarks;
    r.partnerShortMarks = m_pShortMarks;
    r.chaldean = m_person->chaldean->isChecked();
    return r;
}

NumerologyInput CQZNum::inputFor(const QString &full, const QString &shortName, const QDate &birth,
                                 const QVector<int> &fullMarks, const QVector<int> &shortMarks) const
{
    NumerologyInput in;
    in.fullName = full;
    in.shortName = shortName;
    in.fullNameMarks = fullMarks;
    in.shortNameMarks = shortMarks;
    in.chaldean = m_person->chaldean->isChecked();
    in.birthDate = birth;
    in.targetDate = m_forecastDate->date();
    in.layoutIndex = m_layoutChooser->currentIndex();
    const int ph = m_person->phonetic->currentIndex();
    in.phonetic = (ph == 0 || ph == 1) ? ph : 0;
    return in;
}

void CQZNum::OnTextChanged(const QString &)
{
    rebuildMarks(false);
}

void CQZNum::OnPTextChanged(const QString &)
{
    rebuildMarks(true);
}

void CQZNum::OnDateChanged(const QDate &)
{
    OnParsChanged(0);
}

void CQZNum::OnParsChanged(int)
{
    OnTextChanged(QString());
    OnPTextChanged(QString());
}

void CQZNum::rebuildMarks(bool partner)
{
    QVector<int> &fullMarks = partner ? m_pFullMarks : m_fullMarks;
    QVector<int> &shortMarks = partner ? m_pShortMarks : m_shortMarks;
    fullMarks.clear();
    shortMarks.clear();

    // Marks read from a file stay while the names they were made for stay.
    if (m_loadedHasMarks) {
        const PersonRecord r = recordFromInputs();
        const QString full = partner ? r.partnerFullName : r.fullName;
        const QString shortName = partner ? r.partnerShortName : r.shortName;
        const QVector<int> &lf = partner ? m_loaded.partnerFullMarks : m_loaded.fullMarks;
        const QVector<int> &ls = partner ? m_loaded.partnerShortMarks : m_loaded.shortMarks;
        // The file keeps the names as typed; compare them as the calculator sees them.
        const QString loadedFull = qz::cleanName(partner ? m_loaded.partnerFullName : m_loaded.fullName);
        QString loadedShort = qz::cleanName(partner ? m_loaded.partnerShortName : m_loaded.shortName);
        if (loadedShort.isEmpty())
            loadedShort = qz::defaultShortName(loadedFull);
        const bool same = full == loadedFull && shortName == loadedShort;
        if (same && lf.size() == full.size() && ls.size() == shortName.size() && !lf.isEmpty()) {
            fullMarks = lf;
            shortMarks = ls;
            preCalc(partner);
            return;
        }
    }
    preCalc(partner);
    const CNumerology &n = partner ? m_numP : m_num;
    fullMarks = marksFromRows(n.vowelDigits, n.consonantDigits);
    shortMarks = marksFromRows(n.shortVowelDigits, n.shortConsonantDigits);
    preCalc(partner);
}

namespace {
// A vowel becomes a consonant and back; separators stay as they are.
bool toggleMark(QVector<int> &marks, int letter)
{
    if (letter < 0 || letter >= marks.size() || marks.at(letter) == 0)
        return false;
    marks[letter] = marks.at(letter) == 1 ? 2 : 1;
    return true;
}
} // namespace

void CQZNum::OnNameVWChanged(int name, int letter)
{
    if (name == 0 || name == 1) {
        toggleMark(name == 0 ? m_fullMarks : m_shortMarks, letter);
        OnPreCalcNum();
    }
}

void CQZNum::OnNamePVWChanged(int name, int letter)
{
    if (name == 0 || name == 1) {
        toggleMark(name == 0 ? m_pFullMarks : m_pShortMarks, letter);
        OnPreCalcNumP();
    }
}

void CQZNum::OnPreCalcNum()
{
    preCalc(false);
}

void CQZNum::OnPreCalcNumP()
{
    preCalc(true);
}

void CQZNum::showNameRows(bool partner)
{
    const CNumerology &n = partner ? m_numP : m_num;
    CInfoNameWidget *view = partner ? m_person->partnerNameView : m_person->nameView;
    // The calculator keeps the last names through a reset: only rows of the
    // name now typed are shown, never those of a person just cleared.
    const PersonRecord r = recordFromInputs();
    const QString typed = partner ? r.partnerFullName : r.fullName;
    if (typed.isEmpty() || n.fullNameUpper != typed.toUpper()) {
        view->clearNames();
        view->update();
        return;
    }
    const QVector<int> &fm = partner ? m_pFullMarks : m_fullMarks;
    const QVector<int> &sm = partner ? m_pShortMarks : m_shortMarks;
    view->setNameRow(0, n.fullNameUpper, n.vowelDigits, n.consonantDigits, fm.toList(),
                     nameChains(n.expressionCalc, n.heartDesireCalc, n.personalityCalc));
    view->setNameRow(1, n.shortNameUpper, n.shortVowelDigits, n.shortConsonantDigits, sm.toList(),
                     nameChains(n.minorExpressionCalc, n.minorHeartDesireCalc, n.minorPersonalityCalc));
    view->update();
}

void CQZNum::fillNameViews()
{
    // The full calculation refreshes the letter panels too, so that a
    // settings change shows there at once.
    showNameRows(false);
    showNameRows(true);
}

void CQZNum::preCalc(bool partner)
{
    const PersonRecord r = recordFromInputs();
    CNumerology &n = partner ? m_numP : m_num;
    CInfoNameWidget *view = partner ? m_person->partnerNameView : m_person->nameView;
    n.setExtendedMasters(m_state.extendedMasters);
    NumerologyInput in = partner ? inputFor(r.partnerFullName, r.partnerShortName, r.partnerBirthDate,
                                            m_pFullMarks, m_pShortMarks)
                                 : inputFor(r.fullName, r.shortName, r.birthDate, m_fullMarks, m_shortMarks);
    in.calcOnly = true;
    const QString full = in.fullName;
    if (full.isEmpty()) {
        view->clearNames();
        view->update();
        return;
    }
    n.calculate(in);
    showNameRows(partner);
}

void CQZNum::setPage(QWebEngineView *view, const QString &html)
{
    if (!view)
        return;
    // On screen the report keeps to the column: the page never scrolls
    // sideways, wide number tables scroll inside themselves. Saved and
    // printed reports are left as they were written.
    static const QString fit = QStringLiteral(
        "<style>table.maindoc{table-layout:fixed;width:100%;}"
        "table[comment=\"st_fs\"]{display:block;max-width:100%;overflow-x:auto;}"
        "img{max-width:100%;height:auto;}</style>");
    QString shown = html;
    const int head = shown.indexOf(QStringLiteral("<head>"), 0, Qt::CaseInsensitive);
    if (head >= 0)
        shown.insert(head + 6, fit);
    else
        shown.prepend(fit);
    view->setHtml(shown, QUrl(QStringLiteral("file://localhost/")));
}

void CQZNum::OnCalcNum()
{
    const PersonRecord r = recordFromInputs();
    if (r.fullName.isEmpty() || r.shortName.isEmpty()) {
        // The name advisor has inputs of its own: its result stays.
        for (int f = 0; f < FeatureCount; ++f) {
            if (f == FeatAdvisor)
                continue;
            m_reports[f].clear();
            if (f != FeatGuide && f != FeatForecast)
                setPage(m_views[f], EmptyPage);
        }
        m_num.reset();
        m_numP.reset();
        m_matr.reset();
        m_matrP.reset();
        m_comp.reset();
        m_pet.reset();
        clearPanels();
        m_personOk = false;
        slotPNC(m_forecastDate->date());
        m_currentFullName = NamePrompt;
        m_summaryLine.clear();
        m_summaryLabel->clear();
        m_summaryLabel->setToolTip(QString());
        fillNameViews();
        updateEmptyHint();
        return;
    }

    m_num.reset();
    m_numP.reset();
    m_matr.reset();
    m_matrP.reset();
    m_comp.reset();
    m_num.setExtendedMasters(m_state.extendedMasters);
    m_numP.setExtendedMasters(m_state.extendedMasters);

    NumerologyInput in = inputFor(r.fullName, r.shortName, r.birthDate, m_fullMarks, m_shortMarks);
    in.chaldean = r.chaldean;
    const bool personOk = m_num.calculate(in);
    m_personOk = personOk;
    if (personOk)
        m_num.matchCelebrities(m_celebs);
    else
        QMessageBox::critical(this, QString(), m_num.lastError(), QMessageBox::Ok);
    const bool matrixOk = m_matr.calculate(r.fullName, r.birthDate);

    m_petOk = false;
    if (hasLetter(r.petName)) {
        m_pet.setExtendedMasters(m_state.extendedMasters);
        m_petOk = m_pet.calculatePet(r.petName, r.petBirthDate, m_forecastDate->date());
    } else {
        m_pet.reset();
    }

    bool compOk = false;
    if (!r.partnerFullName.isEmpty() && !r.partnerShortName.isEmpty() && matrixOk) {
        NumerologyInput pin = inputFor(r.partnerFullName, r.partnerShortName, r.partnerBirthDate,
                                       m_pFullMarks, m_pShortMarks);
        pin.chaldean = r.chaldean;
        const bool pOk = m_numP.calculate(pin);
        const bool pmOk = m_matrP.calculate(r.partnerFullName, r.partnerBirthDate);
        if (pOk && pmOk)
            compOk = m_comp.calculate(m_num, m_numP, m_matr, m_matrP);
        else
            m_comp.reset();
    } else {
        m_comp.reset();
    }

    fillNameViews();
    if (personOk && matrixOk) {
        fillPanels();
        slotPNC(m_forecastDate->date());
        pushRecent(m_recent, r);
        rebuildRecentButtons();
    }
    m_currentFullName = r.fullName;
    // The date reads the way the user types dates.
    const QString shownDate = r.birthDate.toString(dateFormat());
    m_summaryLine = r.fullName + QStringLiteral(", ") + shownDate;
    // Long names are shortened so that the birth date always shows.
    const QFontMetrics fm(m_summaryLabel->font());
    m_summaryLabel->setText(fm.elidedText(r.fullName, Qt::ElideRight, m_summaryLabel->width() - 4)
                            + QLatin1Char('\n') + shownDate);
    m_summaryLabel->setToolTip(r.fullName);
    setReports(personOk, matrixOk, m_petOk, compOk);
    updateEmptyHint();
    update();
}

void CQZNum::setReports(bool personOk, bool matrixOk, bool petOk, bool compOk)
{
    m_reportOk[FeatNumerology] = personOk;
    m_reportOk[FeatCelebrities] = personOk;
    m_reportOk[FeatPMatrix] = matrixOk;
    m_reportOk[FeatPet] = petOk;
    m_reportOk[FeatCompatibility] = compOk;
    const CReportLayout *layout = m_layouts.selected(m_layoutChooser->currentIndex());
    for (int f = 0; f < FeatureCount; ++f) {
        if (f != FeatAdvisor)
            m_reports[f].clear();
    }
    for (int f : {int(FeatNumerology), int(FeatCelebrities), int(FeatPMatrix), int(FeatPet),
                  int(FeatCompatibility)}) {
        m_reports[f] = buildReportHtml(f, layout);
        setPage(m_views[f], m_reports[f].isEmpty() ? EmptyPage : m_reports[f]);
    }
}

QString CQZNum::buildReportHtml(int feature, const CReportLayout *layout)
{
    if (feature < 0 || feature > FeatPet || !m_reportOk[feature])
        return QString();
    const QString docFolder = DataFolder::path() + QStringLiteral("/images/doc/");
    const PersonRecord r = recordFromInputs();
    switch (feature) {
    case FeatNumerology: {
        CNumerologyReport w;
        w.setImagesFolder(docFolder);
        return w.build(m_num, layout, r.shortName) ? w.document() : QString();
    }
    case FeatCelebrities: {
        CCelebritiesReport w;
        w.setImagesFolder(DataFolder::path() + QStringLiteral("/images/doc2/"));
        return w.build(m_num, m_celebs, layout, r.shortName) ? w.document() : QString();
    }
    case FeatPMatrix: {
        CPMatrixReport w;
        w.setImagesFolder(docFolder);
        return w.build(m_matr, r.fullName, r.shortName, layout) ? w.document() : QString();
    }
    case FeatPet: {
        CPetReport w;
        w.setImagesFolder(docFolder);
        return w.build(m_pet, r.petName, m_forecastDate->date(), layout) ? w.document() : QString();
    }
    case FeatCompatibility: {
        CCompatibilityReport w;
        w.setImagesFolder(docFolder);
        return w.build(m_num, m_numP, m_matr, m_matrP, m_comp, layout) ? w.document() : QString();
    }
    default:
        return QString();
    }
}

void CQZNum::fillPanels()
{
    const CNumerology &n = m_num;
    m_mainFeat->setItemValues({n.lifePathText, n.birthdayText, withMinor(n.expressionText, n.minorExpressionText),
                               withMinor(n.heartDesireText, n.minorHeartDesireText),
                               withMinor(n.personalityText, n.minorPersonalityText), n.karmicDebtsText});
    m_addFeat->setItemValues({n.maturityText, n.rationalThoughtText, n.karmicLessonsText, n.balanceText,
                              n.hiddenPassionText, n.subconsciousConfidenceText});
    m_lifeCycles->setItemValues({n.pinnacleSpansText, n.challengesText, n.pinnaclesText, n.personalYearText,
                                 n.lifePathPeriodsText, n.lifePathPeriodSpansText});
    m_bridges->setItemValues({n.bridgeLifePathExpressionText, n.bridgeHeartPersonalityText});
    QStringList planes;
    for (const QString &c : n.planesCells)
        planes.append(c);
    m_planes->setCells(planes);
    m_essence->setEssence(n.birthDate.year(), QVector<int>(std::begin(n.essence), std::end(n.essence)),
                          QVector<int>(std::begin(n.essenceRaw), std::end(n.essenceRaw)),
                          {n.physicalTransit, n.mentalTransit, n.spiritualTransit});

    m_matrW->setCells(matrixPanelCells(m_matr));

    const CCompNumerology &c = m_comp;
    if (!m_numP.fullNameUpper.isEmpty() && c.totalPercent > 0) {
        m_compInfo->setItemValues({c.totalPercentText, c.familyPercentText, c.namePercentText,
                                   c.valuesPercentText, c.marriageTermText});
        m_compDetails->setItemValues({c.homeProductAText, c.spiritProductAText, c.homeProductBText,
                                      c.spiritProductBText, c.homeStabilityText, c.spiritualStabilityText,
                                      c.lifePathCalcText + QStringLiteral("  ") + c.lifePathPercentText,
                                      c.birthdayCalcText + QStringLiteral("  ") + c.birthdayPercentText});
        m_compMatr->setCells(matrixPanelCells(m_matr), matrixPanelCells(m_matrP));
        m_compMatr->setNames(m_num.shortNameUpper, m_numP.shortNameUpper);
    } else {
        m_compInfo->clearValues();
        m_compDetails->clearValues();
        m_compMatr->clearCells();
    }
    if (m_petOk)
        m_petInfo->setItemValues({m_pet.expressionText, m_pet.birthdayText, QString::number(m_pet.petForecastDayCode)});
    else
        m_petInfo->clearValues();
    for (QWidget *w : qAsConst(m_allPanels))
        w->update();
}

void CQZNum::clearPanels()
{
    for (CInfoWidget *w : {m_mainFeat, m_addFeat, m_lifeCycles, m_bridges, m_compInfo, m_compDetails,
                           m_petInfo, m_anInfo})
        w->clearValues();
    m_planes->clearCells();
    m_essence->clearEssence();
    m_matrW->clearCells();
    m_compMatr->clearCells();
    m_today->clearValues();
    for (QWidget *w : qAsConst(m_allPanels))
        w->update();
}

void CQZNum::OnCalcAnNum()
{
    const QString name = qz::cleanAdvisorName(m_anName->text());
    if (name.isEmpty()) {
        QMessageBox::critical(this, QString(), QStringLiteral("Enter your data before calculation!"),
                              QMessageBox::Ok);
        return;
    }
    const QDate date = m_anUseDate->isChecked() ? m_anDate->date() : QDate();
    m_express.reset();
    m_express.setExtendedMasters(m_state.extendedMasters);
    m_expressOk = m_express.calculateExpress(name, date, m_anChaldean->isChecked());
    if (m_expressOk) {
        m_anInfo->setItemValues({date.isValid() ? m_express.lifePathText : QStringLiteral("-"),
                                 m_express.expressionText, m_express.heartDesireText,
                                 m_express.personalityText,
                                 m_express.karmicLessonsText.isEmpty() ? QStringLiteral("-")
                                                                       : m_express.karmicLessonsText});
    } else {
        m_anInfo->clearValues();
    }
    CExpressReport w;
    w.setImagesFolder(DataFolder::path() + QStringLiteral("/images/doc/"));
    m_reports[FeatAdvisor] = w.build(m_express, name) ? w.document() : QString();
    setPage(m_views[FeatAdvisor], m_reports[FeatAdvisor].isEmpty() ? EmptyPage : m_reports[FeatAdvisor]);
    m_anInfo->update();
}

void CQZNum::OnCalcPetNum()
{
    const QString typed = m_petName->text().trimmed();
    const QString name = qz::cleanName(typed);
    m_petOk = false;
    if (!hasLetter(name)) {
        m_pet.reset();
        m_petInfo->clearValues();
    } else {
        m_pet.reset();
        m_pet.setExtendedMasters(m_state.extendedMasters);
        m_petOk = m_pet.calculatePet(name, m_petBirth->date(), m_forecastDate->date());
        if (m_petOk)
            m_petInfo->setItemValues({m_pet.expressionText, m_pet.birthdayText, QString::number(m_pet.petForecastDayCode)});
        else
            m_petInfo->clearValues();
    }
    // Only an empty name is silent; one without countable letters is an error.
    if (!typed.isEmpty() && !m_petOk)
        QMessageBox::critical(this, QString(), CNumerology::IncorrectPetNameMessage, QMessageBox::Ok);
    CPetReport w;
    w.setImagesFolder(DataFolder::path() + QStringLiteral("/images/doc/"));
    m_reports[FeatPet] = w.build(m_pet, name, m_forecastDate->date(), m_layouts.selected(m_layoutChooser->currentIndex()))
                             ? w.document()
                             : QString();
    setPage(m_views[FeatPet], m_reports[FeatPet].isEmpty() ? EmptyPage : m_reports[FeatPet]);
    m_petInfo->update();
}

void CQZNum::slotPNC(const QDate &date)
{
    if (!date.isValid())
        return;
    if (!m_personOk || !m_num.birthDate.isValid()) {
        m_today->clearValues();
        m_today->update();
        return;
    }
    const int py = m_num.personalYearFor(date);
    const int pm = m_num.personalMonthFor(date);
    const int pd = m_num.personalDayFor(date);
    m_today->setDate(date);
    m_today->setValues(QString::number(py) + QStringLiteral(" (") + QString::number(date.year()) + QLatin1Char(')'),
                       QString::number(pm) + QStringLiteral(" (") + QLatin1String(kMonths[date.month() - 1])
                           + QLatin1Char(')'),
                       QString::number(pd));
    m_today->setDayText(interpretationText(107, pd));

    // The calendar follows the forecast date.
    CNumerology copy = m_num;
    copy.targetDate = date;
    copy.targetYear = date.year();
    QStringList years, months, days;
    for (const CalendarCell &c : copy.calendarYears())
        years.append(QString::number(c.number));
    for (const CalendarCell &c : copy.calendarMonths())
        months.append(QString::number(c.number));
    for (const CalendarCell &c : copy.calendarDays())
        days.append(QString::number(c.number));
    m_calendar->setCalendar(date, date, years, months, days);
    m_today->update();
    m_calendar->update();
}

void CQZNum::OnResData()
{
    const QSignalBlocker b1(m_person->fullName), b2(m_person->shortName), b3(m_person->partnerFullName),
        b4(m_person->partnerShortName), b5(m_person->birthDate), b6(m_person->partnerBirthDate),
        b7(m_person->chaldean);
    m_person->fullName->clear();
    m_person->shortName->clear();
    m_person->partnerFullName->clear();
    m_person->partnerShortName->clear();
    // A neutral default that every date edit can show.
    m_person->birthDate->setDate(QDate(2000, 1, 1));
    m_person->partnerBirthDate->setDate(QDate(2000, 1, 1));
    m_person->gender->setCurrentIndex(0);
    m_person->chaldean->setChecked(false);
    m_fullMarks.clear();
    m_shortMarks.clear();
    m_pFullMarks.clear();
    m_pShortMarks.clear();
    m_loaded = PersonRecord();
    m_loadedHasMarks = false;
    m_person->nameView->clearNames();
    m_person->partnerNameView->clearNames();
    clearPanels();
}

void CQZNum::OnClearAllData()
{
    // One click on a small icon must not wipe a typed person unasked.
    const bool anything = !m_person->fullName->text().trimmed().isEmpty()
                          || !m_person->shortName->text().trimmed().isEmpty()
                          || !m_person->partnerFullName->text().trimmed().isEmpty()
                          || !m_person->partnerShortName->text().trimmed().isEmpty()
                          || !m_petName->text().trimmed().isEmpty() || !m_anName->text().trimmed().isEmpty();
    if (anything
        && CInfoDlgWin::ask(m_theme, QStringLiteral("Question"),
                            QStringLiteral("Clear all data?\r\nThe names, dates, pet and name advisor entries "
                                           "will be emptied."),
                            this)
               != 0)
        return;
    OnResData();
    m_petName->clear();
    m_anName->clear();
    m_express.reset();
    m_expressOk = false;
    m_reports[FeatAdvisor].clear();
    setPage(m_views[FeatAdvisor], EmptyPage);
    OnCalcNum();
    setPersonButtonText(NamePrompt);
    startPulse();
}

QString CQZNum::nameProblem(const QString &typed, const QString &shortTyped, const QDate &birth,
                            const QString &who) const
{
    const QString full = qz::cleanName(typed);
    QString shortName = qz::cleanName(shortTyped);
    if (shortName.isEmpty())
        shortName = qz::defaultShortName(full);
    const QString hint = QStringLiteral("\r\nOnly Latin letters (A to Z) count: type the ") + who
                         + QStringLiteral(" name in Latin letters.");
    if (typed.trimmed().isEmpty())
        return QString();
    if (full.isEmpty() || (!shortTyped.trimmed().isEmpty() && qz::cleanName(shortTyped).isEmpty()))
        return CNumerology::IncorrectNameMessage + hint;
    CNumerology probe;
    probe.setExtendedMasters(m_state.extendedMasters);
    NumerologyInput in = inputFor(full, shortName, birth, {}, {});
    in.layoutIndex = 0;
    if (!probe.calculate(in))
        return probe.lastError() + hint;
    return QString();
}

bool CQZNum::namesAcceptable()
{
    // A name that cannot be counted is refused at APPLY with the reason; the
    // person calculated before stays on screen.
    const QString problem = nameProblem(m_person->fullName->text(), m_person->shortName->text(),
                                        m_person->birthDate->date(), QStringLiteral("person's"));
    const QString partner = problem.isEmpty()
                                ? nameProblem(m_person->partnerFullName->text(), m_person->partnerShortName->text(),
                                              m_person->partnerBirthDate->date(), QStringLiteral("partner's"))
                                : QString();
    const QString message = problem.isEmpty() ? partner : problem;
    if (message.isEmpty())
        return true;
    QMessageBox::critical(this, QString(), message, QMessageBox::Ok);
    return false;
}

void CQZNum::OnResDataI()
{
    OnResData();
    m_personBut->setText(QStringLiteral("APPLY"));
}
