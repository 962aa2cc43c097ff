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
#include "panels/panelpaint.h"
#include "tests/common/widgettestmain.h"

#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QStringList kMainItems = {QStringLiteral("Life Path"),    QStringLiteral("Birthday"),
                                QStringLiteral("Expression (M)"), QStringLiteral("Heart Desire (M)"),
                                QStringLiteral("Personality (M)"), QStringLiteral("Karmic Debts")};

QImage render(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int distinctColours(const QImage &img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            seen.insert(img.pixel(x, y));
    return seen.size();
}

}  // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void listRowAt_data();
    void listRowAt();
    void listClickSignals_data();
    void listClickSignals();
    void listShortValuesDrawNoRows();
    void clearValuesKeepsRowCount();
    void masterMarkup_data();
    void masterMarkup();

    void nameLetterAt_data();
    void nameLetterAt();
    void nameClicksAndMarker();

    void matrixCellAt_data();
    void matrixCellAt();
    void matrixEmitsEveryCellOnce();

    void calendarCells_data();
    void calendarCells();
    void calendarReference();

    void essencePaging();
    void essenceCopiesAtMost128();
    void essenceTransitRowsNeedFirstString();

    void todaySplit_data();
    void todaySplit();
    void expandToggles();

    void oversizedValuesPaint();
    void everyPanelPaintsInEveryTheme();
    void bodyColourFollowsTheme();

    void accentStaysReadableInEveryTheme();
    void agesAreNotMasterNumbers();

private:
    std::unique_ptr<CTheme> m_theme;
};

void TestPanels::initTestCase()
{
    m_theme.reset(new CTheme(QString::fromUtf8(QZ_BIN_DIR "/images/")));
}

void TestPanels::listRowAt_data()
{
    QTest::addColumn<int>("clickableRows");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("row");
    const int h = CInfoWidget::HeaderHeight;
    QTest::newRow("first row top") << 100 << QPoint(10, h + 3) << 0;
    QTest::newRow("first row bottom") << 100 << QPoint(10, h + 18) << 0;
    QTest::newRow("second row") << 100 << QPoint(10, h + 19) << 1;
    QTest::newRow("last row") << 100 << QPoint(10, h + 3 + 5 * 16 + 15) << 5;
    QTest::newRow("gap under title") << 100 << QPoint(10, h + 1) << -1;
    QTest::newRow("gap top pixel") << 100 << QPoint(10, h + 2) << -1;
    QTest::newRow("title bar") << 100 << QPoint(10, 5) << -1;
    QTest::newRow("below last row") << 100 << QPoint(10, h + 3 + 6 * 16) << -1;
    QTest::newRow("left edge") << 100 << QPoint(0, h + 10) << -1;
    QTest::newRow("right edge") << 100 << QPoint(200, h + 10) << -1;
    QTest::newRow("inside right") << 100 << QPoint(199, h + 10) << 0;
    QTest::newRow("life cycles row 3") << 4 << QPoint(10, h + 3 + 3 * 16) << 3;
    QTest::newRow("life cycles row 4") << 4 << QPoint(10, h + 3 + 4 * 16) << -1;
}

void TestPanels::listRowAt()
{
    QFETCH(int, clickableRows);
    QFETCH(QPoint, pos);
    QFETCH(int, row);
    CInfoWidget w(m_theme.get(), QStringLiteral("Main Features"), kMainItems);
    w.resize(200, w.sizeHint().height());
    w.setClickable(true);
    w.setClickableRows(clickableRows);
    QCOMPARE(w.rowAt(pos), row);
    w.setClickable(false);
    QCOMPARE(w.rowAt(pos), -1);
}

void TestPanels::listClickSignals_data()
{
    QTest::addColumn<int>("extraWidth");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("emitted");
    const int h = CInfoWidget::HeaderHeight;
    QTest::newRow("row 2") << 0 << QPoint(50, h + 3 + 2 * 16 + 4) << int(Qt::LeftButton) << 2;
    QTest::newRow("right button") << 0 << QPoint(50, h + 3 + 2 * 16 + 4) << int(Qt::RightButton) << -1;
    QTest::newRow("gap") << 0 << QPoint(50, h + 1) << int(Qt::LeftButton) << -1;
    QTest::newRow("below rows") << 0 << QPoint(50, h + 3 + 6 * 16 + 2) << int(Qt::LeftButton) << -1;
    // Extra width widens the hit area beyond the widget's own width.
    QTest::newRow("extra width") << 40 << QPoint(199, h + 5) << int(Qt::LeftButton) << 0;
}

void TestPanels::listClickSignals()
{
    QFETCH(int, extraWidth);
    QFETCH(QPoint, pos);
    QFETCH(int, button);
    QFETCH(int, emitted);
    CInfoWidget w(m_theme.get(), QStringLiteral("Main Features"), kMainItems);
    w.resize(200, w.sizeHint().height() + 20);
    w.setClickable(true);
    w.setExtraWidth(extraWidth);
    QSignalSpy spy(&w, SIGNAL(itemCliked(int)));
    QTest::mouseClick(&w, Qt::MouseButton(button), Qt::NoModifier, pos);
    if (emitted < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), emitted);
    }
}

void TestPanels::listShortValuesDrawNoRows()
{
    // Names without matching values: only the empty body and frame.
    CInfoWidget mismatched(m_theme.get(), QStringLiteral("Main Features"), kMainItems);
    mismatched.setItemValues({QStringLiteral("9"), QStringLiteral("29 (11)")});
    QStringList blanks;
    for (int i = 0; i < kMainItems.size(); ++i)
        blanks << QString();
    CInfoWidget empty(m_theme.get(), QStringLiteral("Main Features"), blanks);
    CInfoWidget full(m_theme.get(), QStringLiteral("Main Features"), kMainItems);
    full.setItemValues({QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("3"),
                        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("-")});
    for (CInfoWidget *w : {&mismatched, &empty, &full})
        w->resize(220, w->sizeHint().height());
    QCOMPARE(render(&mismatched), render(&empty));
    QVERIFY(render(&full) != render(&empty));
}

void TestPanels::clearValuesKeepsRowCount()
{
    CInfoWidget w(m_theme.get(), QStringLiteral("Bridges"),
                  {QStringLiteral("Life path - Expr."), QStringLiteral("Heart D. - Pers.")});
    w.setItemValues({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    w.clearValues();
    QCOMPARE(w.itemValues(), QStringList({QString(), QString()}));
}

void TestPanels::masterMarkup_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("reduced master") << QStringLiteral("2/11") << QStringList{QStringLiteral("11")};
    QTest::newRow("two masters") << QStringLiteral("11, 22, 5")
                                 << QStringList{QStringLiteral("11"), QStringLiteral("22")};
    QTest::newRow("chain") << QStringLiteral("11/11+11+5/23=27=9")
                           << QStringList{QStringLiteral("11"), QStringLiteral("11"), QStringLiteral("11")};
    QTest::newRow("no master") << QStringLiteral("5/23") << QStringList{};
    QTest::newRow("digit run") << QStringLiteral("111") << QStringList{};
    QTest::newRow("inside number") << QStringLiteral("2011") << QStringList{};
    QTest::newRow("extended") << QStringLiteral("99") << QStringList{QStringLiteral("99")};
    QTest::newRow("markup escaped") << QStringLiteral("<b>33</b>") << QStringList{QStringLiteral("33")};
}

void TestPanels::masterMarkup()
{
    QFETCH(QString, value);
    QFETCH(QStringList, marked);
    const QString html = PanelPaint::valueMarkup(value);
    QVERIFY(html.startsWith(QStringLiteral("<font color=\"#ece7e0\">")));
    QVERIFY(!html.contains(QStringLiteral("<b>")));
    QStringList found;
    const QRegularExpression re(QStringLiteral("<font color=\"#F06040\">([0-9]+)</font>"));
    auto it = re.globalMatch(html);
    while (it.hasNext())
        found << it.next().captured(1);
    QCOMPARE(found, marked);
}

void TestPanels::nameLetterAt_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("letter");
    const int top = CInfoWidget::HeaderHeight + 2;
    // Full name "JOHN SMITH" (10 characters), short name "JOHN" (4).
    QTest::newRow("first letter") << QPoint(3, top) << 0 << 0;
    QTest::newRow("left margin") << QPoint(2, top + 5) << -1 << -1;
    QTest::newRow("space counts as a position") << QPoint(3 + 4 * 9 + 4, top + 5) << 0 << 4;
    QTest::newRow("last letter") << QPoint(3 + 9 * 9 + 8, top + 5) << 0 << 9;
    QTest::newRow("past the name") << QPoint(3 + 10 * 9, top + 5) << -1 << -1;
    QTest::newRow("short name") << QPoint(3 + 3 * 9, top + 51) << 1 << 3;
    QTest::newRow("past short name") << QPoint(3 + 4 * 9, top + 60) << -1 << -1;
    QTest::newRow("above rows") << QPoint(10, top - 1) << -1 << -1;
    QTest::newRow("below rows") << QPoint(10, top + 102) << -1 << -1;
}

void TestPanels::nameLetterAt()
{
    QFETCH(QPoint, pos);
    QFETCH(int, row);
    QFETCH(int, letter);
    CInfoNameWidget w(m_theme.get());
    w.setNameRow(0, QStringLiteral("JOHN SMITH"), QStringLiteral(" 6        "),
                 QStringLiteral("1 85 14928"), {2, 1, 2, 2, 0, 2, 2, 1, 2, 2}, QString());
    w.setNameRow(1, QStringLiteral("JOHN"), QStringLiteral(" 6  "), QStringLiteral("1 85"), {},
                 QString());
    QCOMPARE(w.letterAt(pos), qMakePair(row, letter));
}

void TestPanels::nameClicksAndMarker()
{
    CInfoNameWidget w(m_theme.get());
    w.resize(w.sizeHint());
    w.setNameRow(0, QStringLiteral("ANA"), QStringLiteral("1 1"), QStringLiteral(" 5 "), {1, 2, 1},
                 QStringLiteral("=7"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy spy(&w, SIGNAL(symbolCliked(int,int)));
    const int top = CInfoWidget::HeaderHeight + 2;

    QTest::mouseMove(&w, QPoint(3 + 9 + 4, top + 10));
    QTRY_VERIFY(w.isMarkerVisible());
    QTest::mouseMove(&w, QPoint(3 + 5 * 9, top + 10));  // beyond "ANA"
    QTRY_VERIFY(!w.isMarkerVisible());

    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(3 + 2 * 9 + 1, top + 20));
    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, QPoint(3 + 9, top + 20));
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(3 + 9, top + 51 + 5));  // empty row
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(spy.at(0).at(1).toInt(), 2);

    w.setClickable(false);
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(3 + 9, top + 10));
    QCOMPARE(spy.count(), 1);
}

void TestPanels::matrixCellAt_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("cell");
    QTest::newRow("digit 1") << QPoint(130, 40) << 1;
    QTest::newRow("digit 1 far corner") << QPoint(118 + 118, 94) << 1;
    QTest::newRow("digit 4") << QPoint(248, 60) << 2;
    QTest::newRow("row sum") << QPoint(481, 60) << 4;
    QTest::newRow("gap before row sum") << QPoint(480, 60) << -1;
    QTest::newRow("digit 2") << QPoint(130, 101) << 6;
    QTest::newRow("digit 9") << QPoint(366, 38 + 126 + 20) << 13;
    QTest::newRow("sexual life") << QPoint(9, 38 + 189) << 15;
    QTest::newRow("spirituality") << QPoint(590, 283) << 19;
    QTest::newRow("empty column 0 row 0") << QPoint(50, 60) << -1;
    QTest::newRow("empty column 0 row 2") << QPoint(50, 38 + 126 + 10) << -1;
    QTest::newRow("gap between columns") << QPoint(123, 60) << -1;
    QTest::newRow("gap between rows") << QPoint(130, 97) << -1;
    QTest::newRow("above the grid") << QPoint(130, 37) << -1;
    QTest::newRow("past the last column") << QPoint(591, 60) << -1;
}

void TestPanels::matrixCellAt()
{
    QFETCH(QPoint, pos);
    QFETCH(int, cell);
    CInfoMatrWidget w(m_theme.get());
    w.resize(w.sizeHint());
    QCOMPARE(w.cellAt(pos), cell);
    QSignalSpy spy(&w, SIGNAL(itemCliked(int)));
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(spy.count(), cell < 0 ? 0 : 1);
    if (cell >= 0)
        QCOMPARE(spy.at(0).at(0).toInt(), cell);
}

void TestPanels::matrixEmitsEveryCellOnce()
{
    // Clicking every pixel centre of every cell yields exactly the guide's cell numbers.
    CInfoMatrWidget w(m_theme.get());
    w.resize(w.sizeHint());
    QSet<int> cells;
    for (int y = 0; y < 290; y += 7)
        for (int x = 0; x < 600; x += 7)
            if (w.cellAt(QPoint(x, y)) >= 0)
                cells.insert(w.cellAt(QPoint(x, y)));
    const QSet<int> expected = {1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    QCOMPARE(cells, expected);
}

void TestPanels::calendarCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("first year") << 0 << 0 << QStringLiteral("3 (2026)");
    QTest::newRow("later year") << 0 << 11 << QStringLiteral("5 (2037)");
    QTest::newRow("month") << 1 << 0 << QStringLiteral("4 Dec");
    QTest::newRow("month wraps the year") << 1 << 1 << QStringLiteral("5 Jan");
    QTest::newRow("day") << 2 << 0 << QStringLiteral("6 (30)");
    QTest::newRow("day wraps the month") << 2 << 2 << QStringLiteral("8 (1)");
    QTest::newRow("missing value") << 2 << 3 << QString();
    QTest::newRow("no such row") << 3 << 0 << QString();
}

void TestPanels::calendarCells()
{
    QFETCH(int, row);
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(CInfoCalendarWidget::cellCount(), 12);
    CInfoCalendarWidget w(m_theme.get());
    QStringList years;
    for (int i = 0; i < 12; ++i)
        years << QString::number(3 + (i % 9));
    years[11] = QStringLiteral("5");
    w.setCalendar(QDate(2026, 12, 30), QDate(2026, 12, 31), years,
                  {QStringLiteral("4"), QStringLiteral("5")},
                  {QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
    QCOMPARE(w.cellText(row, index), text);
}

void TestPanels::calendarReference()
{
    CInfoCalendarWidget w(m_theme.get());
    w.setCalendar(QDate(2026, 12, 30), QDate(2027, 1, 1), {}, {}, {});
    QVERIFY(!w.isReferenceCell(0, 0));
    QVERIFY(w.isReferenceCell(0, 1));
    QVERIFY(w.isReferenceCell(1, 1));
    QVERIFY(!w.isReferenceCell(1, 13));  // January a year later is not the same month
    QVERIFY(w.isReferenceCell(2, 2));
    QVERIFY(!w.isReferenceCell(2, 1));
}

void TestPanels::essencePaging()
{
    CInfoEssenceWidget w(m_theme.get());
    QCOMPARE(w.agePage(), 0);
    w.ageButton()->click();
    QCOMPARE(w.agePage(), 1);
    QCOMPARE(w.firstVisibleAge(), 32);
    w.OnSwitchAge();
    QCOMPARE(w.firstVisibleAge(), 64);
    w.ageButton()->click();
    QCOMPARE(w.agePage(), 0);
    QCOMPARE(w.ageButton()->text(), QStringLiteral("< Age >"));
    QCOMPARE(w.ageButton()->geometry(), QRect(528, 0, 64, CInfoWidget::HeaderHeight));
}

void TestPanels::essenceCopiesAtMost128()
{
    CInfoEssenceWidget w(m_theme.get());
    QVector<int> big(500);
    for (int i = 0; i < big.size(); ++i)
        big[i] = i;
    w.setEssence(1985, big, big, {QStringLiteral("JJJ")});
    QCOMPARE(w.essenceAt(127), 127);
    QCOMPARE(w.essenceAt(128), 0);
    QCOMPARE(w.essenceRawAt(-1), 0);
    w.setEssence(1985, {1, 2}, {}, {});
    QCOMPARE(w.essenceAt(1), 2);
    QCOMPARE(w.essenceAt(2), 0);
    QCOMPARE(w.essenceRawAt(0), 0);
}

void TestPanels::essenceTransitRowsNeedFirstString()
{
    QVector<int> ess(128, 7);
    CInfoEssenceWidget a(m_theme.get());
    CInfoEssenceWidget b(m_theme.get());
    a.resize(600, 148);
    b.resize(600, 148);
    a.setEssence(1985, ess, ess, {QString(), QStringLiteral("MMMM"), QStringLiteral("SSSS")});
    b.setEssence(1985, {}, {}, {});
    QCOMPARE(render(&a), render(&b));
    a.setEssence(1985, ess, ess, {QStringLiteral("JJJJ"), QStringLiteral("MMMM"), QStringLiteral("SSSS")});
    QVERIFY(render(&a) != render(&b));
}

void TestPanels::todaySplit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("detail");
    QTest::newRow("year") << QStringLiteral("7 (2026)") << QStringLiteral("7") << QStringLiteral("2026");
    QTest::newRow("month") << QStringLiteral("11 (Dec)") << QStringLiteral("11") << QStringLiteral("Dec");
    QTest::newRow("day") << QStringLiteral("5") << QStringLiteral("5") << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("unclosed") << QStringLiteral("3 (Jan") << QStringLiteral("3") << QStringLiteral("Jan");
}

void TestPanels::todaySplit()
{
    QFETCH(QString, value);
    QFETCH(QString, number);
    QFETCH(QString, detail);
    const auto parts = CInfoTodayWidget::splitValue(value);
    QCOMPARE(parts.first, number);
    QCOMPARE(parts.second, detail);
}

void TestPanels::expandToggles()
{
    QWidget parent;
    parent.resize(400, 300);
    CExpandWidget w(m_theme.get(), &parent);
    w.setDuration(0);
    const QRect small(10, 200, 300, 60);
    const QRect large(10, 40, 300, 220);
    w.setGeometries(small, large);
    QCOMPARE(w.geometry(), small);
    QSignalSpy spy(&w, SIGNAL(expandedChanged(bool)));
    w.slotExpand();
    QVERIFY(w.isExpanded());
    QCOMPARE(w.geometry(), large);
    w.slotExpand();
    QCOMPARE(w.geometry(), small);
    QCOMPARE(spy.count(), 2);
    w.setText(QStringLiteral("<b>Life Path</b> 9"));
    QCOMPARE(w.text(), QStringLiteral("Life Path 9"));
}

void TestPanels::oversizedValuesPaint()
{
    // Values far larger than the panels are clipped, not wrapped or grown.
    const QString huge(20000, QLatin1Char('7'));
    CInfoWidget list(m_theme.get(), QStringLiteral("Main Features"), {QStringLiteral("x")});
    list.resize(200, list.sizeHint().height());
    list.setItemValues({huge});
    CInfoNameWidget name(m_theme.get());
    name.resize(name.sizeHint());
    name.setNameRow(0, huge, huge, QString(), {}, huge);
    CInfoMatrWidget matr(m_theme.get());
    matr.resize(matr.sizeHint());
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << huge;
    matr.setCells(many);
    CInfoCalendarWidget cal(m_theme.get());
    cal.resize(cal.sizeHint());
    cal.setCalendar(QDate(), QDate(), {huge}, {huge}, {huge});
    QCOMPARE(cal.cellText(0, 0), QString());
    CInfoEssenceWidget ess(m_theme.get());
    ess.resize(ess.sizeHint());
    ess.setEssence(-5, QVector<int>(128, -99999), QVector<int>(128, 123456789),
                   many.mid(0, 10));
    for (QWidget *w : std::initializer_list<QWidget *>{&list, &name, &matr, &cal, &ess})
        QVERIFY(!render(w).isNull());
    QCOMPARE(list.size().width(), 200);
}

void TestPanels::everyPanelPaintsInEveryTheme()
{
    CTheme *t = m_theme.get();
    auto *list = new CInfoWidget(t, QStringLiteral("Main Features"), kMainItems);
    list->setItemValues({QStringLiteral("9"), QStringLiteral("2/11"), QStringLiteral("3 (5)"),
                         QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("13")});
    auto *name = new CInfoNameWidget(t);
    name->setNameRow(0, QStringLiteral("ANA LOPEZ"), QStringLiteral("1 1  6  "),
                     QStringLiteral(" 5  3 7 8"), {}, QStringLiteral("=7"));
    auto *matr = new CInfoMatrWidget(t);
    matr->setCells({QString(), QStringLiteral("111")});
    auto *comp = new CInfoCompMatrWidget(t);
    comp->setCells({QString(), QStringLiteral("11")}, {QString(), QStringLiteral("1")});
    auto *cal = new CInfoCalendarWidget(t);
    cal->setCalendar(QDate(2026, 1, 1), QDate(2026, 1, 1), {QStringLiteral("1")},
                     {QStringLiteral("2")}, {QStringLiteral("3")});
    auto *planes = new CInfoExprPlanWidget(t);
    planes->setCells({QStringLiteral("A1=1, 1")});
    auto *essence = new CInfoEssenceWidget(t);
    essence->setEssence(1990, QVector<int>(128, 5), QVector<int>(128, 14),
                        {QStringLiteral("AAAA"), QStringLiteral("BBBB"), QStringLiteral("CCCC")});
    auto *today = new CInfoTodayWidget(t);
    today->setValues(QStringLiteral("1 (2026)"), QStringLiteral("2 (Jan)"), QStringLiteral("3"));
    auto *expand = new CExpandWidget(t);
    expand->setText(QStringLiteral("Text"));
    const QList<QWidget *> panels = {list, name, matr, comp, cal, planes, essence, today, expand};
    for (QWidget *w : panels)
        w->resize(w->sizeHint().isValid() ? w->sizeHint() : QSize(300, 120));

    QVector<QImage> base;
    for (int theme = 0; theme < t->count(); ++theme) {
        t->selectTheme(theme);
        for (int i = 0; i < panels.size(); ++i) {
            const QImage img = render(panels.at(i));
            const QString what = QStringLiteral("%1 in theme %2")
                                     .arg(QString::fromLatin1(panels.at(i)->metaObject()->className()))
                                     .arg(theme);
            QVERIFY2(!img.isNull(), qPrintable(what));
            QVERIFY2(distinctColours(img) > 12, qPrintable(what));
            if (theme == 0)
                base << img;
            else
                QVERIFY2(img != base.at(i), qPrintable(what + QStringLiteral(" looks like Chocolate")));
        }
    }
    t->selectTheme(0);
    qDeleteAll(panels);
}

void TestPanels::bodyColourFollowsTheme()
{
    CInfoWidget w(m_theme.get(), QStringLiteral("Bridges"), {QStringLiteral("x")});
    w.resize(200, w.sizeHint().height());
    const QPoint inBody(150, CInfoWidget::HeaderHeight + 12);
    for (int theme = 0; theme < m_theme->count(); ++theme) {
        m_theme->selectTheme(theme);
        QCOMPARE(QColor(render(&w).pixel(inBody)).rgb(),
                 m_theme->mapColor(QColor(65, 53, 46)).rgb());
    }
    m_theme->selectTheme(0);
}

// Counts pixels of a panel picture close to @p colour.
static int pixelsNear(const QImage &img, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue()) < 40;
        }
    return n;
}

void TestPanels::accentStaysReadableInEveryTheme()
{
    // Master numbers and the essence row use the accent: recoloured, it must
    // stay readable on the body (WCAG 4.5:1) and no dimmer than plain text in
    // the base theme relative to it.
    for (int t = 1; t < m_theme->count(); ++t) {
        m_theme->selectTheme(t);
        const QColor body = PanelPaint::themed(m_theme.get(), PanelPaint::kBody);
        const QColor accent = PanelPaint::themed(m_theme.get(), PanelPaint::kAccent);
        QVERIFY2(PanelPaint::contrastRatio(accent, body) >= 4.5,
                 qPrintable(m_theme->names().at(t) + QStringLiteral(": ")
                            + QString::number(PanelPaint::contrastRatio(accent, body))));
        // What the list panel paints is that colour.
        CInfoWidget w(m_theme.get(), QStringLiteral("Main Features"), {QStringLiteral("Life Path")});
        w.setItemValues({QStringLiteral("11")});
        w.resize(220, w.sizeHint().height());
        QVERIFY2(pixelsNear(render(&w), accent) > 5, qPrintable(m_theme->names().at(t)));
    }
    m_theme->selectTheme(0);
    // The base theme's accent is only lightened, its hue kept.
    QVERIFY(qAbs(PanelPaint::themed(m_theme.get(), PanelPaint::kAccent).hslHue()
                 - QColor::fromRgb(PanelPaint::kAccent).hslHue()) <= 2);
}

void TestPanels::agesAreNotMasterNumbers()
{
    CInfoWidget w(m_theme.get(), QStringLiteral("Life Cycles"),
                  {QStringLiteral("Age span"), QStringLiteral("Pinnacles")});
    w.resize(220, w.sizeHint().height());
    const QColor accent = PanelPaint::themed(m_theme.get(), PanelPaint::kAccent);
    w.setItemValues({QStringLiteral("0-22-33-55-E"), QStringLiteral("4")});
    QVERIFY(pixelsNear(render(&w), accent) > 5); // without the flag they look like masters
    w.setAgeRows({0});
    QCOMPARE(pixelsNear(render(&w), accent), 0);
    w.setItemValues({QStringLiteral("0-22-33-55-E"), QStringLiteral("22")});
    QVERIFY(pixelsNear(render(&w), accent) > 5); // other rows still mark masters
}

QZ_WIDGET_TEST_MAIN(TestPanels)
#include "tst_panels.moc"
