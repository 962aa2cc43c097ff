// Renders the number panels of one calculated person, and a sampler of the
// standard widgets, under every theme to PNG files:
//   qznum-paneldemo [output folder] [image folder]
#include "engine/ccompnumerology.h"
#include "engine/datafolder.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "panels/cexpandwidget.h"
#include "panels/cinfocalendarwidget.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "panels/ctheme.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QMenu>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextStream>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString matrixCell(int count, int digit)
{
    return count > 0 ? QString(count, QChar(u'0' + digit)) : QStringLiteral("-");
}

// The 20 cell strings of the psychomatrix panel, in cell order c + 5r.
QStringList matrixCells(const CNumerologyPMatrix &m)
{
    QStringList cells;
    for (int i = 0; i < 20; ++i)
        cells << QString();
    for (int d = 1; d <= 9; ++d) {
        const int c = 1 + (d - 1) / 3;
        const int r = (d - 1) % 3;
        cells[c + 5 * r] = matrixCell(m.cells[d], d);
    }
    using L = CNumerologyPMatrix;
    cells[4] = QString::number(m.lines[L::Line147]);
    cells[9] = QString::number(m.lines[L::Line258]);
    cells[14] = QString::number(m.lines[L::Line369]);
    cells[15] = QString::number(m.lines[L::Line357]);
    cells[16] = QString::number(m.lines[L::Line123]);
    cells[17] = QString::number(m.lines[L::Line456]);
    cells[18] = QString::number(m.lines[L::Line789]);
    cells[19] = QString::number(m.lines[L::Line159]);
    return cells;
}

QString withMinor(const QString &a, const QString &b)
{
    return a + QStringLiteral(" (") + b + QStringLiteral(")");
}

QStringList numbers(const QVector<CalendarCell> &cells)
{
    QStringList out;
    for (const CalendarCell &c : cells)
        out << QString::number(c.number);
    return out;
}

struct Panels {
    QList<QPair<QString, QWidget *>> all;
};

int g_failures = 0;

// Writes the widget's picture; a blank or unwritable picture counts as a failure.
void save(QWidget *w, const QString &path, bool show = true)
{
    if (show) {
        w->show();
        QCoreApplication::processEvents();
    } else if (!w->layout()) {
        w->adjustSize();
    }
    w->ensurePolished();
    const QList<QWidget *> kids = w->findChildren<QWidget *>();
    for (QWidget *k : kids)
        k->ensurePolished();
    const QImage img = w->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < img.height() && colours.size() <= 12; y += 2)
        for (int x = 0; x < img.width() && colours.size() <= 12; x += 2)
            colours.insert(img.pixel(x, y));
    if (colours.size() <= 12 || !img.save(path)) {
        QTextStream(stderr) << "blank or unwritable: " << path << '\n';
        ++g_failures;
    }
}

QWidget *sampler(CTheme *theme)
{
    auto *dlg = new QDialog;
    dlg->resize(620, 360);
    theme->styleWidget(dlg, CTheme::KindDialog);
    auto *grid = new QGridLayout(dlg);
    auto *caption = new QLabel(QStringLiteral("Person"));
    theme->styleWidget(caption, CTheme::KindCaption);
    grid->addWidget(caption, 0, 0);
    auto *name = new QLineEdit(QStringLiteral("John Michael Smith"));
    theme->styleWidget(name, CTheme::KindLineEdit);
    grid->addWidget(name, 0, 1, 1, 2);
    auto *date = new QDateEdit(QDate(1985, 7, 23));
    date->setCalendarPopup(true);
    theme->styleWidget(date, CTheme::KindDateEdit);
    grid->addWidget(date, 1, 1);
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("Default"), QStringLiteral("Short report")});
    theme->styleWidget(combo, CTheme::KindComboBox);
    grid->addWidget(combo, 1, 2);
    auto *check = new QCheckBox(QStringLiteral("Use Chaldean calculator"));
    check->setChecked(true);
    theme->styleWidget(check, CTheme::KindCheckBox);
    grid->addWidget(check, 2, 1);
    auto *check2 = new QCheckBox(QStringLiteral("Do not show again"));
    grid->addWidget(check2, 2, 2);
    auto *group = new QGroupBox(QStringLiteral("Gender"));
    auto *gl = new QVBoxLayout(group);
    auto *r1 = new QRadioButton(QStringLiteral("Female"));
    r1->setChecked(true);
    gl->addWidget(r1);
    gl->addWidget(new QRadioButton(QStringLiteral("Male")));
    grid->addWidget(group, 3, 0, 2, 1);
    auto *list = new QListWidget;
    list->addItems({QStringLiteral("Life Path"), QStringLiteral("Birthday"),
                    QStringLiteral("Expression"), QStringLiteral("Heart Desire")});
    list->setCurrentRow(1);
    grid->addWidget(list, 3, 1, 2, 1);
    auto *tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("Fonts"));
    tabs->addTab(new QWidget, QStringLiteral("Colours"));
    grid->addWidget(tabs, 3, 2);
    auto *spin = new QSpinBox;
    spin->setValue(12);
    grid->addWidget(spin, 4, 2);
    auto *bar = new QProgressBar;
    bar->setValue(64);
    bar->setStyleSheet(theme->styleSheet(CTheme::FixedSheet));
    grid->addWidget(bar, 5, 0, 1, 3);
    auto *yes = new QPushButton(QStringLiteral("Yes"));
    yes->setDefault(true);
    theme->styleWidget(yes, CTheme::KindYesButton);
    auto *no = new QPushButton(QStringLiteral("No"));
    theme->styleWidget(no, CTheme::KindNoButton);
    auto *off = new QPushButton(QStringLiteral("Disabled"));
    off->setEnabled(false);
    grid->addWidget(yes, 6, 0);
    grid->addWidget(no, 6, 1);
    grid->addWidget(off, 6, 2);
    auto *person = new QPushButton(QStringLiteral("ENTER YOUR NAME"));
    theme->styleWidget(person, CTheme::KindPersonButton);
    grid->addWidget(person, 7, 0, 1, 2);
    auto *rm = new QPushButton;
    rm->setFixedSize(21, 25);
    theme->styleWidget(rm, CTheme::KindReportManagerButton);
    grid->addWidget(rm, 7, 2, Qt::AlignLeft);

    // A piece of the main window: feature buttons and the tool row.
    auto *column = new QWidget;
    theme->styleWidget(column, CTheme::KindMainWindow);
    auto *cl = new QHBoxLayout(column);
    const QStringList texts = {QStringLiteral("Numerology"), QStringLiteral("Psycho Matrix"),
                               QStringLiteral("Love\nCompatibility"), QStringLiteral("Celebrities")};
    for (int i = 0; i < texts.size(); ++i) {
        auto *b = new QToolButton;
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIcon(theme->featureIcon(CTheme::featureIconFiles().at(i)));
        b->setIconSize(QSize(60, 60));
        b->setText(texts.at(i));
        b->setCheckable(true);
        b->setChecked(i == 1);
        b->setFixedSize(96, 96);
        theme->styleWidget(b, CTheme::KindFeatureButton);
        cl->addWidget(b);
    }
    for (const char *name : {"tool-menu.png", "tool-data.png", "tool-info.png", "tool-save.png",
                             "tool-print.png"}) {
        auto *b = new QPushButton;
        b->setIcon(QIcon(QPixmap::fromImage(theme->themedImage(QString::fromLatin1(name)))));
        b->setIconSize(QSize(20, 20));
        b->setFixedSize(24, 24);
        theme->styleWidget(b, CTheme::KindToolButton);
        cl->addWidget(b, 0, Qt::AlignBottom);
    }
    grid->addWidget(column, 8, 0, 1, 3);
    dlg->resize(620, 480);
    return dlg;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("paneldemo");
    const QString images = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                    : DataFolder::path() + QStringLiteral("/images/");
    QDir().mkpath(out);

    NumerologyInput in;
    in.fullName = QStringLiteral("JOHN MICHAEL SMITH");
    in.shortName = QStringLiteral("JOHN SMITH");
    in.birthDate = QDate(1985, 7, 29);
    in.targetDate = QDate(2026, 12, 7);
    CNumerology person;
    if (!person.calculate(in)) {
        QTextStream(stderr) << "calculation failed: " << person.lastError() << '\n';
        return 1;
    }
    CNumerologyPMatrix matrix;
    matrix.calculate(in.fullName, in.birthDate);

    NumerologyInput pin;
    pin.fullName = QStringLiteral("ANNA MARIA LOPEZ");
    pin.shortName = QStringLiteral("ANNA LOPEZ");
    pin.birthDate = QDate(1988, 11, 22);
    pin.targetDate = in.targetDate;
    CNumerology partner;
    partner.calculate(pin);
    CNumerologyPMatrix pmatrix;
    pmatrix.calculate(pin.fullName, pin.birthDate);
    CCompNumerology comp;
    comp.calculate(person, partner, matrix, pmatrix);

    CTheme theme(images);

    auto *main = new CInfoWidget(&theme, QStringLiteral("Main Features"),
        {QStringLiteral("Life Path"), QStringLiteral("Birthday"), QStringLiteral("Expression (M)"),
         QStringLiteral("Heart Desire (M)"), QStringLiteral("Personality (M)"),
         QStringLiteral("Karmic Debts")});
    main->setItemValues({person.lifePathText, person.birthdayText,
                         withMinor(person.expressionText, person.minorExpressionText),
                         withMinor(person.heartDesireText, person.minorHeartDesireText),
                         withMinor(person.personalityText, person.minorPersonalityText),
                         person.karmicDebtsText});
    main->setClickable(true);
    auto *extra = new CInfoWidget(&theme, QStringLiteral("Additional Features"),
        {QStringLiteral("Maturity"), QStringLiteral("Rational Thought"),
         QStringLiteral("Karmic Lessons"), QStringLiteral("Balance"),
         QStringLiteral("Hidden Passion"), QStringLiteral("Subcons.Confid.")});
    extra->setItemValues({person.maturityText, person.rationalThoughtText,
                          person.karmicLessonsText, person.balanceText,
                          person.hiddenPassionText, person.subconsciousConfidenceText});
    auto *cycles = new CInfoWidget(&theme, QStringLiteral("Life Cycles"),
        {QStringLiteral("Age span"), QStringLiteral("Challenges"), QStringLiteral("Pinnacles"),
         QStringLiteral("Personal Year"), QStringLiteral("LP Periods"),
         QStringLiteral("LP Age Span")});
    cycles->setItemValues({person.pinnacleSpansText, person.challengesText, person.pinnaclesText,
                           person.personalYearText, person.lifePathPeriodsText,
                           person.lifePathPeriodSpansText});
    cycles->setClickable(true);
    cycles->setClickableRows(4);
    auto *bridges = new CInfoWidget(&theme, QStringLiteral("Bridges"),
        {QStringLiteral("Life path - Expr."), QStringLiteral("Heart D. - Pers.")});
    bridges->setItemValues({person.bridgeLifePathExpressionText, person.bridgeHeartPersonalityText});
    auto *compat = new CInfoWidget(&theme, QStringLiteral("Compatibility"),
        {QStringLiteral("Summary"), QStringLiteral("Family"), QStringLiteral("Name"),
         QStringLiteral("Family stability"), QStringLiteral("Years together"),
         QStringLiteral("Life path"), QStringLiteral("Birth Day")});
    compat->setItemValues({comp.totalPercentText, comp.familyPercentText, comp.namePercentText,
                           comp.homeStabilityText, comp.marriageTermText,
                           comp.lifePathPercentText, comp.birthdayPercentText});

    auto *names = new CInfoNameWidget(&theme);
    names->setNameRow(0, person.fullNameUpper, person.vowelDigits, person.consonantDigits,
                      QList<int>(person.fullNameMarks.begin(), person.fullNameMarks.end()),
                      QStringLiteral("Expression ") + person.expressionCalc +
                          QStringLiteral("   Heart Desire ") + person.heartDesireCalc +
                          QStringLiteral("   Personality ") + person.personalityCalc);
    names->setNameRow(1, person.shortNameUpper, person.shortVowelDigits,
                      person.shortConsonantDigits,
                      QList<int>(person.shortNameMarks.begin(), person.shortNameMarks.end()),
                      QStringLiteral("Expression ") + person.minorExpressionCalc +
                          QStringLiteral("   Heart Desire ") + person.minorHeartDesireCalc +
                          QStringLiteral("   Personality ") + person.minorPersonalityCalc);

    auto *planes = new CInfoExprPlanWidget(&theme);
    QStringList planeCells;
    for (const QString &c : person.planesCells)
        planeCells << c;
    planes->setCells(planeCells);

    auto *calendar = new CInfoCalendarWidget(&theme);
    const QVector<CalendarCell> ys = person.calendarYears();
    calendar->setCalendar(in.targetDate, in.targetDate, numbers(ys), numbers(person.calendarMonths()),
                          numbers(person.calendarDays()));

    auto *essence = new CInfoEssenceWidget(&theme);
    essence->setEssence(in.birthDate.year(),
                        QVector<int>(person.essence, person.essence + 128),
                        QVector<int>(person.essenceRaw, person.essenceRaw + 128),
                        {person.physicalTransit, person.mentalTransit, person.spiritualTransit});

    auto *matr = new CInfoMatrWidget(&theme);
    matr->setCells(matrixCells(matrix));
    auto *cmatr = new CInfoCompMatrWidget(&theme);
    cmatr->setCells(matrixCells(matrix), matrixCells(pmatrix));
    cmatr->setNames(QStringLiteral("John"), QStringLiteral("Anna"));

    auto *today = new CInfoTodayWidget(&theme);
    today->setValues(QStringLiteral("%1 (%2)").arg(person.personalYearFor(in.targetDate)).arg(2026),
                     QStringLiteral("%1 (Dec)").arg(person.personalMonthFor(in.targetDate)),
                     QString::number(person.personalDayFor(in.targetDate)));
    today->setDate(in.targetDate);
    today->setDayText(QStringLiteral(
        "<p>A day to finish what you started. Tidy loose ends, settle accounts and let go of "
        "what no longer serves you; tomorrow opens a new cycle.</p>"));

    auto *expand = new CExpandWidget(&theme);
    expand->setText(QStringLiteral("<b>Life Path 9</b><br/>Generous, idealistic and wise, the "
                                   "nine carries the experience of every number before it."));

    const QList<QPair<QString, QPair<QWidget *, QSize>>> panels = {
        {QStringLiteral("main"), {main, QSize(240, 0)}},
        {QStringLiteral("additional"), {extra, QSize(240, 0)}},
        {QStringLiteral("cycles"), {cycles, QSize(240, 0)}},
        {QStringLiteral("bridges"), {bridges, QSize(240, 0)}},
        {QStringLiteral("compat"), {compat, QSize(240, 0)}},
        {QStringLiteral("names"), {names, QSize(600, 0)}},
        {QStringLiteral("planes"), {planes, QSize(600, 0)}},
        {QStringLiteral("calendar"), {calendar, QSize(600, 0)}},
        {QStringLiteral("essence"), {essence, QSize(600, 148)}},
        {QStringLiteral("matrix"), {matr, QSize(600, 290)}},
        {QStringLiteral("compmatrix"), {cmatr, QSize(600, 290)}},
        {QStringLiteral("today"), {today, QSize(180, 360)}},
        {QStringLiteral("expand"), {expand, QSize(300, 120)}},
    };

    int written = 0;
    for (int t = 0; t < theme.count(); ++t) {
        theme.selectTheme(t);
        const QString tag = theme.names().at(t).toLower().remove(QLatin1Char(' '));
        for (const auto &p : panels) {
            QWidget *w = p.second.first;
            QSize size = p.second.second;
            if (size.height() == 0)
                size.setHeight(w->sizeHint().height());
            w->resize(size);
            save(w, out + QLatin1Char('/') + tag + QLatin1Char('-') + p.first + QStringLiteral(".png"));
            ++written;
        }
        {
            // Pop-ups: a calendar and a menu as the theme draws them.
            QDialog pop;
            theme.styleWidget(&pop, CTheme::KindDialog);
            auto *lay = new QHBoxLayout(&pop);
            auto *cal = new QCalendarWidget;
            cal->setSelectedDate(QDate(2026, 12, 7));
            lay->addWidget(cal);
            auto *menu = new QMenu(&pop);
            menu->setStyleSheet(theme.styleSheet(CTheme::SheetMenu));
            QMenu *style = menu->addMenu(QStringLiteral("Style"));
            Q_UNUSED(style);
            menu->addAction(QStringLiteral("Calculator Settings"));
            menu->addSeparator();
            QAction *checked = menu->addAction(QStringLiteral("Chocolate"));
            checked->setCheckable(true);
            checked->setChecked(true);
            menu->addAction(QStringLiteral("Print"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
            menu->addAction(QStringLiteral("Save Report"))->setEnabled(false);
            menu->setActiveAction(menu->actions().at(1));
            pop.resize(520, 260);
            lay->activate();
            save(&pop, out + QLatin1Char('/') + tag + QStringLiteral("-popups.png"), false);
            save(menu, out + QLatin1Char('/') + tag + QStringLiteral("-menu.png"), false);
            written += 2;
        }
        QWidget *s = sampler(&theme);
        s->layout()->activate();
        save(s, out + QLatin1Char('/') + tag + QStringLiteral("-widgets.png"), false);
        delete s;
        ++written;
        // The second essence page, to see the paging.
        essence->OnSwitchAge();
        save(essence, out + QLatin1Char('/') + tag + QStringLiteral("-essence2.png"));
        essence->setAgePage(0);
        ++written;
    }
    for (const auto &p : panels)
        delete p.second.first;
    QTextStream(stdout) << written << " pictures in " << out << '\n';
    return g_failures ? 1 : 0;
}
