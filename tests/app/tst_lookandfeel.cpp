// What the eye meets first: the loading screen in the saved theme, hints that
// do not pass for typed text, recent names shortened where they end.
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/cqznum.h"
#include "engine/calculatorflags.h"
#include "panels/cinfocalendarwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

// Contrast of the text that makes @p with differ from @p without against
// what lies beneath it there: the changed pixel farthest from its background
// is a glyph's solid core, i.e. the text colour.
double drawnContrast(const QImage &with, const QImage &without)
{
    double best = 1;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                best = qMax(best, PanelPaint::contrastRatio(with.pixelColor(x, y), without.pixelColor(x, y)));
    return best;
}

QImage grabbed(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void hoverRow(QWidget *w, int y)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(150, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

enum Highlight { MasterOnBody, MasterOnHover, TextOnHover, VowelLetter, TodayNumber, MatrixDigit,
                 CalendarMark, EssenceRow };

// The panel picture with the highlighted text and without it, all else equal.
QPair<QImage, QImage> highlightPair(CTheme *theme, Highlight kind)
{
    QPair<QImage, QImage> out;
    if (kind == MasterOnBody || kind == MasterOnHover || kind == TextOnHover) {
        CInfoWidget w(theme, QStringLiteral("Main Features"), {QStringLiteral("Life Path")});
        w.setClickable(true);
        w.resize(220, w.sizeHint().height());
        if (kind != MasterOnBody)
            hoverRow(&w, CInfoWidget::HeaderHeight + 10);
        w.setItemValues({kind == TextOnHover ? QStringLiteral("5") : QStringLiteral("11")});
        out.first = grabbed(&w);
        w.setItemValues({QString()});
        out.second = grabbed(&w);
    } else if (kind == VowelLetter) {
        CInfoNameWidget w(theme);
        w.resize(300, w.sizeHint().height());
        w.setNameRow(0, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral(" "), {1}, QString());
        out.first = grabbed(&w);
        w.setNameRow(0, QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), {1}, QString());
        out.second = grabbed(&w);
    } else if (kind == TodayNumber) {
        CInfoTodayWidget w(theme);
        w.resize(w.sizeHint());
        w.setValues(QStringLiteral("7 (2026)"), QStringLiteral("3 (Dec)"), QStringLiteral("5"));
        out.first = grabbed(&w);
        w.setValues(QStringLiteral("1 (2026)"), QStringLiteral("3 (Dec)"), QStringLiteral("5"));
        out.second = grabbed(&w);
    } else if (kind == CalendarMark) {
        // The marked year among the others; only its number changes.
        CInfoCalendarWidget w(theme);
        w.setItemNames({QStringLiteral("Years "), QStringLiteral("Months"), QStringLiteral("Days")});
        w.resize(w.sizeHint());
        const QDate day(2026, 3, 1);
        w.setCalendar(day, day.addYears(1), {QStringLiteral("1"), QStringLiteral("7")}, {}, {});
        out.first = grabbed(&w);
        w.setCalendar(day, day.addYears(1), {QStringLiteral("1"), QStringLiteral("1")}, {}, {});
        out.second = grabbed(&w);
    } else if (kind == EssenceRow) {
        CInfoEssenceWidget w(theme, QStringLiteral("Essence and Transit"));
        w.resize(600, 148);
        const QString letters(101, QLatin1Char('A'));
        const QStringList transits{letters, letters, letters};
        w.setEssence(1990, QVector<int>(128, 7), QVector<int>(128, 16), transits);
        out.first = grabbed(&w);
        w.setEssence(1990, QVector<int>(128, 1), QVector<int>(128, 16), transits);
        out.second = grabbed(&w);
    } else {
        CInfoMatrWidget w(theme);
        w.resize(w.sizeHint());
        QStringList cells;
        for (int i = 0; i < 20; ++i)
            cells << QString();
        cells[1] = QStringLiteral("111");
        w.setCells(cells);
        out.first = grabbed(&w);
        w.clearCells();
        out.second = grabbed(&w);
    }
    return out;
}

} // namespace

class TestLookAndFeel : public QObject
{
    Q_OBJECT

    static AppState themed(int theme)
    {
        AppState s = qztest::quietState();
        s.themeIndex = theme;
        return s;
    }

private slots:
    void loadingScreenUsesTheSavedTheme_data()
    {
        QTest::addColumn<int>("theme");
        for (int t = 0; t < 7; ++t)
            QTest::newRow(qPrintable(QString::number(t))) << t;
    }

    void loadingScreenUsesTheSavedTheme()
    {
        QFETCH(int, theme);
        QVERIFY(qztest::prepareMainWindowState(themed(theme)));
        CQZNum w(nullptr, 60000); // start-up not finished during the test
        w.resize(1100, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.startUpFinished());
        QCOMPARE(w.theme()->currentIndex(), theme);
        auto *loading = w.findChild<QLabel *>(QStringLiteral("loadingText"));
        QVERIFY(loading && loading->isVisible());
        const QPalette pal = loading->palette();
        const double ratio = PanelPaint::contrastRatio(pal.color(QPalette::WindowText), pal.color(QPalette::Window));
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
        QVERIFY(loading->autoFillBackground() || loading->testAttribute(Qt::WA_StyledBackground)
                || loading->styleSheet().contains(QStringLiteral("background")));
        // No name prompt before start-up knows whether a person comes back.
        QVERIFY(w.personButton()->text() != CQZNum::NamePrompt);
    }

    void hintsAreDimmerThanTypedText()
    {
        QVERIFY(qztest::prepareMainWindowState(themed(0)));
        std::unique_ptr<CQZNum> w;
        QVERIFY(qztest::startMainWindow(w));
        w->OnNameSel();
        CPersonPanel *p = w->personPanel();
        p->shortName->clear();
        auto *hint = p->shortName->findChild<QLabel *>();
        QVERIFY(hint);
        QTRY_VERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("Everyday name (optional)"));
        const QColor hintColour = hint->palette().color(QPalette::WindowText);
        const QColor typedColour = p->shortName->palette().color(QPalette::Text);
        QVERIFY2(hintColour.lightness() + 40 < typedColour.lightness(),
                 qPrintable(hintColour.name() + QLatin1Char(' ') + typedColour.name()));
        QVERIFY(hint->font().italic());
        // Still readable on the field.
        QVERIFY(PanelPaint::contrastRatio(hintColour, p->shortName->palette().color(QPalette::Base)) >= 4.5);
        p->shortName->setText(QStringLiteral("Ann"));
        QVERIFY(!hint->isVisible());
        p->shortName->clear();
        QVERIFY(hint->isVisible());
        w->OnNameSel();
    }

    void highlightsAreReadableInEveryTheme_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("kind");
        const char *const kinds[] = {"master number", "master number, row under the mouse",
                                     "value, row under the mouse", "vowel", "today's number",
                                     "psychomatrix digits", "marked calendar cell", "essence row"};
        CTheme names(QString::fromUtf8(QZ_BIN_DIR "/images/"));
        for (int t = 0; t < names.count(); ++t)
            for (int k = MasterOnBody; k <= EssenceRow; ++k)
                QTest::newRow(qPrintable(names.names().at(t) + QStringLiteral(", ") + QLatin1String(kinds[k])))
                    << t << k;
    }

    void highlightsAreReadableInEveryTheme()
    {
        QFETCH(int, theme);
        QFETCH(int, kind);
        CTheme t(QString::fromUtf8(QZ_BIN_DIR "/images/"));
        t.selectTheme(theme);
        const QPair<QImage, QImage> pair = highlightPair(&t, Highlight(kind));
        QVERIFY(pair.first != pair.second);
        const double ratio = drawnContrast(pair.first, pair.second);
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio, 'f', 2)));
    }

    void longRecentNamesEndWithEllipsis()
    {
        QVERIFY(qztest::prepareMainWindowState(themed(0)));
        std::unique_ptr<CQZNum> w;
        QVERIFY(qztest::startMainWindow(w));
        CPersonPanel *p = w->personPanel();
        const QString longName = QStringLiteral("Maria Alexandra Montgomery Fitzgerald Wellington");
        p->fullName->setText(longName);
        p->birthDate->setDate(QDate(1985, 11, 29));
        w->OnCalcNum();
        w->OnNameSel();
        QPushButton *b = p->recent[0];
        QTRY_VERIFY(b->isVisible());
        const QStringList lines = b->text().split(QLatin1Char('\n'));
        QVERIFY(lines.first().startsWith(QStringLiteral("Maria")));
        QVERIFY(lines.first().endsWith(QChar(0x2026)));
        for (const QString &line : lines)
            QVERIFY2(b->fontMetrics().horizontalAdvance(line) <= b->width() - 12, qPrintable(line));
        QVERIFY(b->toolTip().contains(longName));
        w->OnNameSel();
    }
};

QZ_WIDGET_TEST_MAIN(TestLookAndFeel)
#include "tst_lookandfeel.moc"
