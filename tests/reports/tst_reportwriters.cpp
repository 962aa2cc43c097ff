#include "engine/calculatorflags.h"
#include "engine/ccompnumerology.h"
#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "reports/ccelebritiesreport.h"
#include "reports/ccompatibilityreport.h"
#include "reports/cexpressreport.h"
#include "reports/cnumerologyreport.h"
#include "reports/cpetreport.h"
#include "reports/cpmatrixreport.h"
#include "reports/creportlayout.h"
#include "reports/creporttexts.h"
#include "texts/interpretationtexts.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// Every entry reads "[section:index]", so a test sees exactly which text went where.
class MarkerTexts : public CReportTexts
{
public:
    QString text(int section, int index) const override
    {
        if (empty || blanks.contains(qMakePair(section, index)))
            return blanks.value(qMakePair(section, index));
        return QStringLiteral("<p>[%1:%2]</p>").arg(section).arg(index);
    }
    QString customText() const override { return QStringLiteral("<p>[custom]</p>"); }

    bool empty = false;
    QHash<QPair<int, int>, QString> blanks;
};

const QString kImages = QStringLiteral("/opt/qz/images/doc/");

NumerologyInput person(const QString &full, const QString &shortName, const QDate &birth, const QDate &target,
                       bool chaldean = false)
{
    NumerologyInput in;
    in.fullName = full;
    in.shortName = shortName;
    in.birthDate = birth;
    in.targetDate = target;
    in.chaldean = chaldean;
    return in;
}

bool inOrder(const QString &doc, const QStringList &needles)
{
    int last = -1;
    for (const QString &n : needles) {
        const int i = doc.indexOf(n, last + 1);
        if (i < 0) {
            qWarning("missing or out of order: %s", qPrintable(n));
            return false;
        }
        last = i;
    }
    return true;
}

QStringList picturesIn(const QString &doc)
{
    QStringList out;
    QRegularExpression re(QStringLiteral("file:///[^\"]*/(res\\d\\d\\.jpg|\\d\\d\\d\\.jpg)"));
    auto it = re.globalMatch(doc);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

CReportLayout layoutWith(int kind, const QVector<int> &ids)
{
    CReportLayout layout = CReportLayout::createDefault(QStringLiteral("test"));
    layout.lists[kind].clear();
    for (int id : ids)
        layout.lists[kind].append(CReportFieldItem::create(kind, id, QStringLiteral("Cap%1").arg(id)));
    return layout;
}

} // namespace

class TestReportWriters : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void numerologyBuiltIn();
    void numerologyChartTables();
    void numerologyMasterCells();
    void numerologyChaldean_data();
    void numerologyChaldean();
    void numerologyAgeGate_data();
    void numerologyAgeGate();
    void numerologyLayoutForm();
    void numerologyLayoutPictures_data();
    void numerologyLayoutPictures();
    void numerologyRefusesEmptyNames();
    void numerologyBridgeSecondValues();
    void numerologyPlanesLetterCounts();
    void psychomatrix();
    void compatibility();
    void compatibilityPictures();
    void compatibilityCustomIntroduction();
    void celebrities();
    void pet();
    void summariesMatchHeadings();
    void expressCompoundRule_data();
    void expressCompoundRule();
    void expressWithoutDate();
    void storeTexts();

private:
    MarkerTexts m_texts;
};

void TestReportWriters::init()
{
    calculatorFlags() = CalculatorFlags::defaults();
    m_texts = MarkerTexts();
}

void TestReportWriters::numerologyBuiltIn()
{
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    CNumerologyReport r;
    r.setTexts(&m_texts);
    r.setImagesFolder(kImages);
    QVERIFY(r.build(n, nullptr, QStringLiteral("John")));
    const QString doc = r.document();

    QVERIFY(doc.contains(QStringLiteral("<title>Qzarel Numerology Report</title>")));
    QVERIFY(doc.endsWith(QStringLiteral("</body></html>\r\n")));
    QVERIFY(doc.contains(QStringLiteral("<font style=\" color:#000000;\">Numerology Chart for</font>")));
    QVERIFY(doc.contains(QStringLiteral("JOHN SMITH (John), Nov 29 1985")));
    // Summary: every line in its order, each ending in <br /> CR LF.
    QVERIFY(inOrder(doc, {QStringLiteral("Life path number 11/11+11+5/23=27=9<br />\r\n"),
                          QStringLiteral("Birthday 29 (11)<br />\r\n"), QStringLiteral("Karmic Debts "),
                          QStringLiteral("Expression number 8<br />"), QStringLiteral("Compound number 8<br />"),
                          QStringLiteral("Challenge numbers: 0, 3, 3, 3<br />"), QStringLiteral("Pinnacle numbers: "),
                          QStringLiteral("Heart's Desire - Personality Bridge number ")}));

    // Sections in built-in order with the right table entries.
    QVERIFY(inOrder(doc, {QStringLiteral("[900:0]"), QStringLiteral("Life Path Number 9</font>"),
                          QStringLiteral("[101:0]"), QStringLiteral("[101:9]"),
                          QStringLiteral("Birthday Number 29 (11)</font>"), QStringLiteral("[102:29]"),
                          QStringLiteral("Expression Number 8</font>"), QStringLiteral("[104:8]"),
                          QStringLiteral("Personality Number "), QStringLiteral("Karmic Debts Numbers "),
                          QStringLiteral("Maturity Number "), QStringLiteral("Planes of Expression </font>"),
                          QStringLiteral("[123:0]"), QStringLiteral("Pinnacles Numbers "),
                          QStringLiteral("<b>Life cycle 1 (0-27)</b> [116:"), QStringLiteral("Challenges Numbers "),
                          QStringLiteral("<b>Life cycle 1 (0-27)</b> [115:1]"),
                          QStringLiteral("Bridge Life Path - Expression "), QStringLiteral("Personal Year Number: "),
                          QStringLiteral("Personal Month Number: "), QStringLiteral("Personal Day Number: "),
                          QStringLiteral("Transits for age 41</font>"), QStringLiteral("[119:0]"),
                          QStringLiteral("Essence for age 41</font>"), QStringLiteral("[120:0]")}));
    // Western reports have no compound number section, and no custom text.
    QVERIFY(!doc.contains(QStringLiteral("Compound Number ")));
    QVERIFY(!doc.contains(QStringLiteral("[custom]")));
    // Challenges read entry 1 + n: 0, 3, 3, 3.
    QCOMPARE(doc.count(QStringLiteral("[115:4]")), 3);
    // Nine personal years from the target year, each with its number and entry.
    QVERIFY(doc.contains(QStringLiteral("<b>2026 (")));
    QVERIFY(doc.contains(QStringLiteral("<b>2034 (")));
    QVERIFY(!doc.contains(QStringLiteral("<b>2035 (")));

    // Markers: paragraphs st_fs, blocks maindoc; pictures of the built-in form.
    QVERIFY(doc.count(QStringLiteral("<p comment=\"st_fs\"   >")) > 30);
    QVERIFY(doc.count(QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>")) > 30);
    QCOMPARE(picturesIn(doc),
             (QStringList{QStringLiteral("res39.jpg"), QStringLiteral("res01.jpg"), QStringLiteral("res02.jpg"),
                          QStringLiteral("res03.jpg"), QStringLiteral("res04.jpg"), QStringLiteral("res05.jpg"),
                          QStringLiteral("res06.jpg"), QStringLiteral("res07.jpg"), QStringLiteral("res08.jpg"),
                          QStringLiteral("res09.jpg"), QStringLiteral("res10.jpg"), QStringLiteral("res11.jpg"),
                          QStringLiteral("res12.jpg"), QStringLiteral("res03.jpg"), QStringLiteral("res13.jpg"),
                          QStringLiteral("res14.jpg"), QStringLiteral("res15.jpg"), QStringLiteral("res15.jpg")}));
    QVERIFY(doc.contains(QStringLiteral("<img src=\"file:////opt/qz/images/doc/res01.jpg\"")));
}

void TestReportWriters::numerologyChartTables()
{
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("Kevin Vale"), QStringLiteral("Kev"), QDate(1990, 3, 5),
                               QDate(2026, 1, 31))));
    CNumerologyReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n));
    const QString doc = r.document();
    // Header spans the characters plus the closing cell; the placeholder is gone.
    QVERIFY(doc.contains(QStringLiteral("colspan=\"11\"><b>Full name</b>")));
    QVERIFY(doc.contains(QStringLiteral("colspan=\"4\"><b>Short name</b>")));
    QVERIFY(!doc.contains(QStringLiteral("__fullname__")));
    QVERIFY(!doc.contains(QStringLiteral("__shortname__")));
    // K and V letters are bold (their digit cells too): KEVIN VALE and KEV.
    QCOMPARE(doc.count(QStringLiteral("<td comment=\"st_ttd\"><b>K</b></td>")), 2);
    QCOMPARE(doc.count(QStringLiteral("<td comment=\"st_ttd\"><b>V</b></td>")), 3);
    QVERIFY(doc.contains(QStringLiteral("<tr><td  colspan=\"5\"><b>Planes of expression</b></td></tr>\r\n")));
    QVERIFY(doc.contains(QStringLiteral("<div style=\"page-break-inside:avoid; page-break-after:auto\">")));
    QVERIFY(doc.contains(QStringLiteral("<tr><td colspan=\"13\" align=\"left\"><b>Personal numbers calendar</b></td></tr>\r\n")));
    QVERIFY(doc.contains(QStringLiteral("<td comment=\"st_ttd\" width=\"50\">2026<br/>(")));
    QCOMPARE(doc.count(QStringLiteral("<td comment=\"st_ttd\" width=\"50\">")), 12);
    QCOMPARE(doc.count(QStringLiteral("<td comment=\"st_ttd\" width=\"60\">")), 24);
    // 31 January + 1 month is the end of February.
    QVERIFY(doc.contains(QStringLiteral("width=\"60\">Feb (")));
    QVERIFY(doc.contains(QStringLiteral("<tr><td colspan=\"101\" align=\"left\"><b>Essence and Transits Cycles</b></td></tr>\r\n")));
    // Ages 0..99, six rows per age.
    QCOMPARE(doc.count(QStringLiteral("<td  comment=\"st_ttd\" width=\"18\" align=\"center\" >")), 600);
    QVERIFY(doc.contains(QStringLiteral("align=\"center\" >99</td>")));
    QVERIFY(!doc.contains(QStringLiteral("align=\"center\" >100</td>")));
}

void TestReportWriters::numerologyMasterCells()
{
    // JOHN SMITH: heart desire 6, personality 11 (=5/14+6/15=11).
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John Smith"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    CNumerologyReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n));
    const QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<td comment=\"st_ttd\">=5/14+6/15=<b>11</b></td>")));
    // Master numbers are bold only in the tables, never in the summary.
    QVERIFY(doc.contains(QStringLiteral("Personality number 11<br />")));
    // Essence values of 22 are bold, years such as 2022 are not touched.
    const int essence = doc.indexOf(QStringLiteral("Essence and Transits Cycles"));
    QVERIFY(doc.indexOf(QStringLiteral("align=\"center\" ><b>22</b></td>"), essence) > essence);

    // With letters keeping their master values, K shows 11 in its own digit row.
    calculatorFlags().setReduceMasterLetters(false);
    CNumerology k;
    QVERIFY(k.calculate(person(QStringLiteral("Kate Ann"), QStringLiteral("Kate"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    CNumerologyReport rk;
    rk.setTexts(&m_texts);
    QVERIFY(rk.build(k));
    QVERIFY(rk.document().contains(QStringLiteral("<td comment=\"st_ttd\"><b>11</b></td>")));
}

void TestReportWriters::numerologyChaldean_data()
{
    QTest::addColumn<bool>("layoutForm");
    QTest::newRow("built-in") << false;
    QTest::newRow("layout") << true;
}

void TestReportWriters::numerologyChaldean()
{
    QFETCH(bool, layoutForm);
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7), true)));
    QVERIFY(n.expressionRaw >= 10 && n.expressionRaw <= 99);
    const CReportLayout layout = CReportLayout::createDefault();
    CNumerologyReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n, layoutForm ? &layout : nullptr));
    const QString doc = r.document();
    QVERIFY(doc.contains(layoutForm ? QStringLiteral("<title>Chaldean Numerology Report</title>")
                                    : QStringLiteral("<title>Qzarel Chaldean Numerology Report</title>")));
    QVERIFY(doc.contains(QStringLiteral("Chaldean Numerology Chart for")));
    const QString compound = QStringLiteral("[122:%1]").arg(n.expressionRaw);
    QVERIFY(doc.contains(QStringLiteral("Compound Number %1</font>").arg(n.expressionRaw)));
    QVERIFY(doc.contains(compound));

    if (layoutForm) {
        // In a layout the compound number needs a text that is not blank.
        m_texts.blanks.insert(qMakePair(122, n.expressionRaw), QStringLiteral(" "));
        m_texts.blanks.insert(qMakePair(122, 0), QString());
        QVERIFY(r.build(n, &layout));
        QVERIFY(!r.document().contains(QStringLiteral("Compound Number ")));
        // ... which the item's own text for the value can give.
        CReportLayout custom = layout;
        for (CReportFieldItem &item : custom.lists[RKNumerology]) {
            if (item.id == 25) {
                item.useDefaultText[n.expressionRaw] = false;
                item.customTexts[n.expressionRaw] = QStringLiteral("<html><body>mine</body></html>");
            }
        }
        QVERIFY(r.build(n, &custom));
        QVERIFY(r.document().contains(QStringLiteral("Compound Number ")));
    }
}

void TestReportWriters::numerologyAgeGate_data()
{
    QTest::addColumn<QDate>("target");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("age");
    QTest::newRow("age 99 on the birthday") << QDate(2084, 11, 29) << true << 99;
    QTest::newRow("age 99 the day before 100") << QDate(2085, 11, 28) << true << 99;
    QTest::newRow("age 100") << QDate(2085, 11, 29) << false << 100;
    QTest::newRow("before birth") << QDate(1980, 1, 1) << false << -6;
    QTest::newRow("age 0") << QDate(1985, 11, 29) << true << 0;
}

void TestReportWriters::numerologyAgeGate()
{
    QFETCH(QDate, target);
    QFETCH(bool, shown);
    QFETCH(int, age);
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29), target)));
    QCOMPARE(CNumerologyReport::ageAtTarget(n), age);
    const CReportLayout layout = CReportLayout::createDefault();
    for (const CReportLayout *l : {static_cast<const CReportLayout *>(nullptr), &layout}) {
        CNumerologyReport r;
        r.setTexts(&m_texts);
        QVERIFY(r.build(n, l));
        const QString doc = r.document();
        QCOMPARE(doc.contains(QStringLiteral("Transits for age %1</font>").arg(age)), shown);
        QCOMPARE(doc.contains(QStringLiteral("[119:0]")), shown);
        // The essence table covers ages 0..99 whatever the age.
        QCOMPARE(doc.count(QStringLiteral("<td  comment=\"st_ttd\" width=\"18\" align=\"center\" >")), 600);
    }
}

void TestReportWriters::numerologyLayoutForm()
{
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    CNumerologyReport r;
    r.setTexts(&m_texts);

    // An empty numerology list gives just the skeleton.
    const CReportLayout empty = layoutWith(RKNumerology, {});
    QVERIFY(r.build(n, &empty));
    CReportTools skeleton;
    skeleton.beginDocument(QStringLiteral("Numerology Report"));
    skeleton.endDocument();
    QCOMPARE(r.document(), skeleton.document());

    // Fields print in list order, with their captions; absent fields do not print.
    const CReportLayout order = layoutWith(RKNumerology, {3, 0, 1, 35, 99});
    QVERIFY(r.build(n, &order));
    const QString doc = r.document();
    QVERIFY(inOrder(doc, {QStringLiteral("Cap3 8</font>"), QStringLiteral("[104:8]"),
                          QStringLiteral("Numerology Chart for</font>"), QStringLiteral("Cap1 9</font>"),
                          QStringLiteral("[101:9]"), QStringLiteral("Cap35 </font>"), QStringLiteral("[custom]")}));
    QVERIFY(!doc.contains(QStringLiteral("[102:")));
    QVERIFY(!doc.contains(QStringLiteral("[900:0]")));
    // The summary lists only the fields of the layout.
    QVERIFY(doc.contains(QStringLiteral("Life path number ")));
    QVERIFY(doc.contains(QStringLiteral("Expression number 8")));
    QVERIFY(!doc.contains(QStringLiteral("Birthday 29")));
    QVERIFY(!doc.contains(QStringLiteral("Maturity number")));
    // Every field opens with a blank paragraph.
    QCOMPARE(doc.count(QStringLiteral("<p comment=\"st_fs\"   ><br /></p>")), 4);

    // Custom style: caption, fonts and colours of the item, custom text for one value.
    CReportLayout styled = layoutWith(RKNumerology, {1});
    CReportFieldItem &item = styled.lists[RKNumerology][0];
    item.defaultStyle = false;
    item.headerColor = QColor(0x11, 0x22, 0x33);
    item.useDefaultText[9] = false;
    item.customTexts[9] = QStringLiteral("<html><body><!-- md --><br>Nine is mine</body></html>");
    QVERIFY(r.build(n, &styled));
    QVERIFY(r.document().contains(QStringLiteral("<font style=\"font-size: 18px; font-family:'Arial', sans-serif; color:#112233;\">Cap1 9</font>")));
    QVERIFY(r.document().contains(QStringLiteral("Nine is mine")));
    QVERIFY(!r.document().contains(QStringLiteral("[101:9]")));
    QVERIFY(r.document().contains(QStringLiteral("[101:0]")));
}

void TestReportWriters::numerologyLayoutPictures_data()
{
    QTest::addColumn<QString>("hideAll");
    QTest::addColumn<bool>("customStyle");
    QTest::addColumn<QString>("hideImage");
    QTest::addColumn<int>("pictures");
    QTest::newRow("shown") << QString() << false << QString() << 2;
    QTest::newRow("hide all") << "TRUE" << false << QString() << 0;
    QTest::newRow("hide all beats items") << "TRUE" << true << "FALSE" << 0;
    QTest::newRow("hide all FALSE") << "FALSE" << false << QString() << 2;
    QTest::newRow("custom item hides its own") << QString() << true << "TRUE" << 1;
    QTest::newRow("default style ignores hide-image") << QString() << false << "TRUE" << 2;
}

void TestReportWriters::numerologyLayoutPictures()
{
    QFETCH(QString, hideAll);
    QFETCH(bool, customStyle);
    QFETCH(QString, hideImage);
    QFETCH(int, pictures);
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    CReportLayout layout = layoutWith(RKNumerology, {1, 2});
    if (!hideAll.isEmpty())
        layout.options.insert(QStringLiteral("RTNumerology-hide-images"), hideAll);
    CReportFieldItem &first = layout.lists[RKNumerology][0];
    first.defaultStyle = !customStyle;
    if (!hideImage.isEmpty())
        first.options.insert(QStringLiteral("hide-image"), hideImage);
    CNumerologyReport r;
    r.setTexts(&m_texts);
    r.setImagesFolder(kImages);
    QVERIFY(r.build(n, &layout));
    QCOMPARE(picturesIn(r.document()).size(), pictures);
}

void TestReportWriters::numerologyRefusesEmptyNames()
{
    CNumerology n;
    NumerologyInput in = person(QStringLiteral("Brt Smth"), QStringLiteral("Brt"), QDate(1985, 11, 29), QDate(2026, 1, 1));
    in.calcOnly = true;
    QVERIFY(n.calculate(in));
    CNumerologyReport r;
    r.setTexts(&m_texts);
    r.beginDocument(QStringLiteral("previous"));
    const QString before = r.document();
    QVERIFY(!r.build(n));
    QCOMPARE(r.lastError(), QStringLiteral("Error! Incorrect full or short name!"));
    QCOMPARE(r.document(), before);
}

void TestReportWriters::numerologyBridgeSecondValues()
{
    // JOHN SMITH: life path 9, expression 8, so the life path - expression code is 98.
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    QCOMPARE(n.bridgeLifePathExpressionCode, 98);
    const QString code = QString::number(n.bridgeLifePathExpressionCode);
    const QString heartCode = QString::number(n.bridgeHeartPersonalityCode);
    CNumerologyReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n));
    const QString doc = r.document();
    // The built-in form heads each second value with it, and has no empty block.
    QVERIFY(inOrder(doc, {QStringLiteral("Bridge Life Path - Expression "), QStringLiteral("[128:"),
                          QStringLiteral("<font style=\" color:#000000;\">") + code + QStringLiteral("</font></h2>"),
                          QStringLiteral("[129:") + code + QLatin1Char(']'),
                          QStringLiteral("Bridge Heart's Desire - Personality "),
                          QStringLiteral("<font style=\" color:#000000;\">") + heartCode + QStringLiteral("</font></h2>"),
                          QStringLiteral("[131:") + heartCode + QLatin1Char(']')}));
    QVERIFY(!doc.contains(QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n"
                                         "</td></tr></table>")));

    // Layouts: the built-in lists leave these captions empty; both styles show the value.
    CReportLayout layout = layoutWith(RKNumerology, {32, 34});
    for (CReportFieldItem &item : layout.lists[RKNumerology])
        item.caption.clear();
    QVERIFY(r.build(n, &layout));
    QVERIFY(inOrder(r.document(), {QStringLiteral(">") + code + QStringLiteral("</font></h2>"),
                                   QStringLiteral("[129:") + code + QLatin1Char(']'),
                                   QStringLiteral(">") + heartCode + QStringLiteral("</font></h2>")}));
    layout.lists[RKNumerology][0].defaultStyle = false;
    layout.lists[RKNumerology][1].defaultStyle = false;
    QVERIFY(r.build(n, &layout));
    const QString styled = r.document();
    QVERIFY(styled.contains(QStringLiteral("color:#000000;\">") + code + QStringLiteral("</font></h2>")));
    QVERIFY(!styled.contains(QStringLiteral("\"> </font></h2>")));
    QVERIFY(styled.contains(QStringLiteral("[131:") + heartCode + QLatin1Char(']')));
}

void TestReportWriters::numerologyPlanesLetterCounts()
{
    // Eleven A's: the cell reads A11=11, 11 and only the cell's value is a master number.
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("Aaaaaaaaaaa Bob"), QStringLiteral("Bob"), QDate(1985, 11, 29),
                               QDate(2026, 12, 7))));
    int cellA = -1;
    for (int i = 0; i < 20; ++i)
        if (n.planesCellTexts[i] == QLatin1String("A11"))
            cellA = i;
    QVERIFY(cellA >= 0);
    QCOMPARE(n.planesCells[cellA], QStringLiteral("A11=11, 11"));
    CNumerologyReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n));
    const int planes = r.document().indexOf(QStringLiteral("Planes of expression"));
    const QString table = r.document().mid(planes, r.document().indexOf(QStringLiteral("</table>"), planes) - planes);
    QVERIFY2(table.contains(QStringLiteral("<td comment=\"st_ttd\">A11=<b>11</b>, 11</td>")), qPrintable(table));
    QVERIFY(!table.contains(QStringLiteral("A<b>11")));
    QVERIFY(!table.contains(QStringLiteral(", <b>11</b>")));
}

void TestReportWriters::psychomatrix()
{
    CNumerologyPMatrix m;
    QVERIFY(m.calculate(QStringLiteral("John Smith"), QDate(1985, 11, 29)));
    CPMatrixReport r;
    r.setTexts(&m_texts);
    r.setImagesFolder(kImages);
    QVERIFY(r.build(m, QStringLiteral("John Smith"), QStringLiteral("John")));
    QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<title>Qzarel Numerology Report</title>")));
    QVERIFY(doc.contains(QStringLiteral("Numerology Psychomatrix Chart for")));
    QVERIFY(doc.contains(QStringLiteral("JOHN SMITH (John), Nov 29 1985")));
    // Summary: cells 3, 2, 2, 0, ... lines 7, 3, 4 ...
    QVERIFY(inOrder(doc, {QStringLiteral("Character (1) - 3<br />\r\n"), QStringLiteral("Energy (2) - 2<br />\r\n"),
                          QStringLiteral("Health (4) - 0<br />\r\n"), QStringLiteral("Purposeful (1-4-7) - 3<br />\r\n"),
                          QStringLiteral("Sexual life (3-5-7) - 4<br />\r\n")}));
    // Text levels: count 3 -> entry 4, count 0 -> entry 1; line sum 8 -> entry 7.
    QVERIFY(inOrder(doc, {QStringLiteral("Character (1) - 3</font>"), QStringLiteral("[204:0]"), QStringLiteral("[204:4]"),
                          QStringLiteral("Health (4) - 0</font>"), QStringLiteral("[207:1]"),
                          QStringLiteral("Spirituality (1-5-9) - 8</font>"), QStringLiteral("[216:0]"),
                          QStringLiteral("[216:7]")}));
    QStringList expected;
    for (int i = 16; i <= 32; ++i)
        expected << QStringLiteral("res%1.jpg").arg(i);
    QCOMPARE(picturesIn(doc), expected);

    // A layout holding only the custom text.
    const CReportLayout custom = layoutWith(RKPsychoMatrix, {18});
    QVERIFY(r.build(m, QStringLiteral("John Smith"), QStringLiteral("John"), &custom));
    doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<title>Numerology Report</title>")));
    QCOMPARE(doc.count(QStringLiteral("<h2>")), 1);
    QVERIFY(doc.contains(QStringLiteral("Cap18 </font>")));
    QVERIFY(doc.contains(QStringLiteral("[custom]")));
    QVERIFY(!doc.contains(QStringLiteral("Psychomatrix Chart")));

    // Hiding all pictures of the kind.
    CReportLayout all = CReportLayout::createDefault();
    QVERIFY(r.build(m, QStringLiteral("John Smith"), QStringLiteral("John"), &all));
    QCOMPARE(picturesIn(r.document()).size(), 17);
    all.options.insert(QStringLiteral("RTPsychoMatrix-hide-images"), QStringLiteral("TRUE"));
    QVERIFY(r.build(m, QStringLiteral("John Smith"), QStringLiteral("John"), &all));
    QVERIFY(picturesIn(r.document()).isEmpty());
}

void TestReportWriters::compatibility()
{
    CNumerology a, b;
    CNumerologyPMatrix ma, mb;
    QVERIFY(a.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29), QDate(2026, 1, 1))));
    QVERIFY(b.calculate(person(QStringLiteral("Mary Jones"), QStringLiteral("Mary"), QDate(1987, 3, 1), QDate(2026, 1, 1))));
    ma.calculate(QStringLiteral("John Smith"), a.birthDate);
    mb.calculate(QStringLiteral("Mary Jones"), b.birthDate);
    CCompNumerology c;
    QVERIFY(c.calculate(a, b, ma, mb));

    // Without any texts the overview table and summary lines are complete.
    m_texts.empty = true;
    CCompatibilityReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(a, b, ma, mb, c));
    const QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<table class=maindoc width=\"500\" style=\"border-style: solid; color:#000000; "
                                        "border: 0px; border-collapse:collapse;\">\r\n")));
    QVERIFY(doc.contains(QStringLiteral("JOHN SMITH<br />and<br />MARY JONES")));
    QVERIFY(doc.contains(QStringLiteral("<tr class=\"tab2\" style = \"border-bottom: 2px solid #117711\">")));
    QVERIFY(doc.contains(QStringLiteral("<td style=\"padding: 5px 20px 5px 20px;\" comment=\"lc_fs\">Life path</td>"
                                        "<td  comment=\"lc_fs\" >") + c.lifePathPercentText));
    QVERIFY(doc.contains(QStringLiteral("<tr class=\"tab1\" style = \"border-bottom: 1px solid  #aaaaaa\">")));
    QVERIFY(doc.contains(QStringLiteral("comment=\"lc_fs\">Marriage stability term</td><td  comment=\"lc_fs\" >")
                         + c.marriageTermText + QStringLiteral(" years</td>")));
    QVERIFY(inOrder(doc, {QStringLiteral("Core numbers Compatibility"), QStringLiteral(">Birthday<"),
                          QStringLiteral(">Name<"), QStringLiteral("Psycho-matrix Compatibility"),
                          QStringLiteral(">Family<"), QStringLiteral(">Carnal interests<")}));
    QVERIFY(inOrder(doc, {QStringLiteral("Life path compatibility = ") + c.lifePathPercentText + QStringLiteral("<br/>\r\n"),
                          QStringLiteral("Life path compatibility code - ") + QString::number(c.lifePathCode)
                              + QStringLiteral("<br/><br/>\r\n\r\n"),
                          QStringLiteral("Birthday - 29 (11) / 1<br/>\r\n"),
                          QStringLiteral("Name compatibility code - "), QStringLiteral("Family Compatibility = "),
                          QStringLiteral("Marriage stability term ") + c.marriageTermText + QStringLiteral(" years<br/><br/>\r\n"),
                          QStringLiteral("Character Compatibility (1) - 3 / "),
                          QStringLiteral("Energy Compatibility (2) - 2 / "), QStringLiteral("<br/><br/><br/><br/><br/>\r\n"),
                          QStringLiteral("Values (3-5-7) - "), QStringLiteral("<br/><br/><br/><br/>\r\n")}));

    // With texts: each field reads its table by its code; the detailed birthday at 10 + code.
    m_texts.empty = false;
    QVERIFY(r.build(a, b, ma, mb, c));
    const QString withTexts = r.document();
    QVERIFY(inOrder(withTexts, {QStringLiteral("[402:0]"), QStringLiteral("[404:%1]").arg(c.lifePathTextCode),
                                QStringLiteral("[401:%1]").arg(c.birthdayTextCode),
                                QStringLiteral("[402:%1]").arg(10 + c.birthdayCode),
                                QStringLiteral("[403:%1]").arg(c.nameTextCode), QStringLiteral("[402:1]"),
                                QStringLiteral("[405:0]"), QStringLiteral("[405:%1]").arg(c.characterCode),
                                QStringLiteral("[406:%1]").arg(c.energyCode), QStringLiteral("[402:2]"),
                                QStringLiteral("[402:3]")}));
    QVERIFY(!withTexts.contains(QStringLiteral("[custom]")));
}

void TestReportWriters::compatibilityPictures()
{
    CNumerology a, b;
    CNumerologyPMatrix ma, mb;
    QVERIFY(a.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29), QDate(2026, 1, 1))));
    QVERIFY(b.calculate(person(QStringLiteral("Mary Jones"), QStringLiteral("Mary"), QDate(1987, 3, 1), QDate(2026, 1, 1))));
    ma.calculate(QStringLiteral("John Smith"), a.birthDate);
    mb.calculate(QStringLiteral("Mary Jones"), b.birthDate);
    CCompNumerology c;
    c.calculate(a, b, ma, mb);
    CCompatibilityReport r;
    r.setTexts(&m_texts);
    r.setImagesFolder(kImages);
    QVERIFY(r.build(a, b, ma, mb, c));
    QCOMPARE(picturesIn(r.document()),
             (QStringList{QStringLiteral("res35.jpg"), QStringLiteral("res37.jpg"), QStringLiteral("res34.jpg"),
                          QStringLiteral("res36.jpg"), QStringLiteral("res38.jpg"), QStringLiteral("res17.jpg"),
                          QStringLiteral("res33.jpg")}));
    CReportLayout layout = CReportLayout::createDefault();
    QVERIFY(r.build(a, b, ma, mb, c, &layout));
    QVERIFY(r.document().contains(QStringLiteral("<title>Numerology Compatibility Report</title>")));
    const QStringList inLayout = picturesIn(r.document());
    QCOMPARE(inLayout.size(), 7);
    QVERIFY(inLayout.contains(QStringLiteral("res16.jpg")));
    QVERIFY(!inLayout.contains(QStringLiteral("res38.jpg")));
    // Fields print in the order of the list.
    const CReportLayout ordered = layoutWith(RKLoveCompatibility, {3, 1, 11});
    QVERIFY(r.build(a, b, ma, mb, c, &ordered));
    QVERIFY(inOrder(r.document(), {QStringLiteral("Cap3 </font>"), QStringLiteral("[403:%1]").arg(c.nameTextCode),
                                   QStringLiteral("Cap1 </font>"), QStringLiteral("[404:%1]").arg(c.lifePathTextCode),
                                   QStringLiteral("Cap11 </font>"), QStringLiteral("[custom]")}));
    QVERIFY(!r.document().contains(QStringLiteral("Core numbers Compatibility")));
    QCOMPARE(picturesIn(r.document()), (QStringList{QStringLiteral("res34.jpg"), QStringLiteral("res35.jpg")}));

    layout.options.insert(QStringLiteral("RTLoveCompatibility-hide-images"), QStringLiteral("TRUE"));
    QVERIFY(r.build(a, b, ma, mb, c, &layout));
    QVERIFY(picturesIn(r.document()).isEmpty());
}

void TestReportWriters::compatibilityCustomIntroduction()
{
    CNumerology a, b;
    CNumerologyPMatrix ma, mb;
    QVERIFY(a.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29), QDate(2026, 1, 1))));
    QVERIFY(b.calculate(person(QStringLiteral("Mary Jones"), QStringLiteral("Mary"), QDate(1987, 3, 1), QDate(2026, 1, 1))));
    ma.calculate(QStringLiteral("John Smith"), a.birthDate);
    mb.calculate(QStringLiteral("Mary Jones"), b.birthDate);
    CCompNumerology c;
    QVERIFY(c.calculate(a, b, ma, mb));

    // A custom text at value 0 of a custom-style field replaces the introduction only.
    CReportLayout layout = layoutWith(RKLoveCompatibility, {1, 8});
    for (CReportFieldItem &item : layout.lists[RKLoveCompatibility]) {
        item.defaultStyle = false;
        item.useDefaultText[0] = false;
        item.customTexts[0] = QStringLiteral("<html><body>Own words %1</body></html>").arg(item.id);
    }
    CCompatibilityReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(a, b, ma, mb, c, &layout));
    const QString doc = r.document();
    QVERIFY(inOrder(doc, {QStringLiteral("Cap1 </font>"), QStringLiteral("Life path compatibility = ") + c.lifePathPercentText,
                          QStringLiteral("Life path compatibility code - "), QStringLiteral("Own words 1"),
                          QStringLiteral("[404:%1]").arg(c.lifePathTextCode), QStringLiteral("Cap8 </font>"),
                          QStringLiteral("Character Compatibility (1) - 3 / "), QStringLiteral("Own words 8"),
                          QStringLiteral("[405:%1]").arg(c.characterCode)}));
    // Field 8's standard introduction is the one replaced.
    QVERIFY(!doc.contains(QStringLiteral("[405:0]")));
}

void TestReportWriters::celebrities()
{
    CelebrityTable table;
    auto set = [&](int i, const char *name, int day, int month, int year, int lp, int bd, int ex) {
        CelebrityRecord &r = table.record(i);
        r.name = QLatin1String(name);
        r.packedDate = CelebrityRecord::packDate(day, month, year);
        r.lifePath = lp;
        r.birthDayNumber = bd;
        r.expression = ex;
    };
    set(7, "Seven Person", 15, 6, 1950, 9, 6, 3);
    set(150, "Late Entry", 29, 2, 1960, 2, 11, 8);
    set(199, "Last One", 1, 1, 2000, 4, 1, 5);
    set(200, "Never Matched", 29, 11, 1985, 9, 11, 8);

    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29), QDate(2026, 1, 1))));
    n.matchCelebrities(table);
    CCelebritiesReport r;
    r.setTexts(&m_texts);
    r.setImagesFolder(kImages);
    QVERIFY(r.build(n, table));
    const QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<title>Qzarel Numerology Celebrities Report</title>")));
    QVERIFY(doc.contains(QStringLiteral("Date Number 9<br />Name Number 8")));
    // Month first; pictures from the doc2 folder named by index.
    QVERIFY(inOrder(doc, {QStringLiteral("Celebrities with same Life Path</font>"),
                          QStringLiteral("<img src=\"file:////opt/qz/images/doc2/007.jpg\""),
                          QStringLiteral("Seven Person, 6/15/1950</font>"), QStringLiteral("[602:7]"),
                          QStringLiteral("Celebrities with same Birth day</font>"),
                          QStringLiteral("Late Entry, 2/29/1960</font>"), QStringLiteral("[603:150]"),
                          QStringLiteral("Celebrities with same Expression number</font>"),
                          QStringLiteral("Late Entry, 2/29/1960</font>"), QStringLiteral("[604:150]")}));
    QVERIFY(!doc.contains(QStringLiteral("Never Matched")));
    QVERIFY(!doc.contains(QStringLiteral("Last One")));

    // No match: the heading stays, with no entries under it.
    CelebrityTable none;
    n.matchCelebrities(none);
    QVERIFY(r.build(n, none));
    QVERIFY(r.document().contains(QStringLiteral("Celebrities with same Life Path</font>")));
    QVERIFY(!r.document().contains(QStringLiteral("[602:")));

    // Layout with pictures hidden.
    n.matchCelebrities(table);
    CReportLayout layout = CReportLayout::createDefault();
    layout.options.insert(QStringLiteral("RTCelebrities-hide-images"), QStringLiteral("TRUE"));
    QVERIFY(r.build(n, table, &layout));
    QVERIFY(r.document().contains(QStringLiteral("<title>Celebrities Report</title>")));
    QVERIFY(r.document().contains(QStringLiteral("Seven Person, 6/15/1950")));
    QVERIFY(!r.document().contains(QStringLiteral("007.jpg")));
}

void TestReportWriters::pet()
{
    CNumerology n;
    QVERIFY(!n.calculatePet(QStringLiteral("   "), QDate(2020, 5, 5), QDate(2026, 1, 1)));
    CPetReport r;
    r.setTexts(&m_texts);
    QVERIFY(!r.build(n, QStringLiteral("   "), QDate(2026, 1, 1)));
    QCOMPARE(r.lastError(), QStringLiteral("Error! Incorrect pet name!"));
    QVERIFY(r.document().isEmpty());

    QVERIFY(n.calculatePet(QStringLiteral("Rex"), QDate(2020, 5, 5), QDate(2026, 12, 7)));
    QVERIFY(r.build(n, QStringLiteral("Rex"), QDate(2026, 12, 7)));
    const QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<title>Pet Numerology Report</title>")));
    QVERIFY(inOrder(doc, {QStringLiteral("Pet Numerology Chart</font>"),
                          QStringLiteral("Pet number %1<br />\r\n").arg(n.petNumber),
                          QStringLiteral("Pet Birthday Code %1<br />\r\n").arg(n.petBirthdayCode),
                          QStringLiteral("Forecast Day Code %1<br />\r\n").arg(n.petForecastDayCode),
                          QStringLiteral("Pet number %1</font>").arg(n.petNumber), QStringLiteral("[301:0]"),
                          QStringLiteral("[301:%1]").arg(n.petNumber), QStringLiteral("Day Forecast for 7 Dec 2026</font>"),
                          QStringLiteral("[302:%1]").arg(n.petForecastDayCode)}));

    // Layout form: fields in list order, the custom text, unknown ids skipped.
    const CReportLayout layout = layoutWith(RKPet, {2, 3, 0, 9, 1});
    QVERIFY(r.build(n, QStringLiteral("Rex"), QDate(2026, 12, 7), &layout));
    const QString inLayout = r.document();
    QVERIFY(inLayout.contains(QStringLiteral("<title>Pet Numerology Report</title>")));
    QVERIFY(inOrder(inLayout, {QStringLiteral("Cap2 7 Dec 2026</font>"), QStringLiteral("[302:%1]").arg(n.petForecastDayCode),
                               QStringLiteral("Cap3 </font>"), QStringLiteral("[custom]"),
                               QStringLiteral("Pet Numerology Chart</font>"), QStringLiteral("Pet Birthday Code "),
                               QStringLiteral("Cap1 %1</font>").arg(n.petNumber), QStringLiteral("[301:0]"),
                               QStringLiteral("[301:%1]").arg(n.petNumber)}));
    QCOMPARE(inLayout.count(QStringLiteral("<p comment=\"st_fs\"   ><br /></p>")), 5);
}

void TestReportWriters::summariesMatchHeadings()
{
    // A pet whose number shows a compound form (n/nn) in its display text.
    CNumerology pet;
    QVERIFY(pet.calculatePet(QStringLiteral("Daisy"), QDate(2020, 5, 5), QDate(2026, 12, 7)));
    QCOMPARE(pet.expressionText, QStringLiteral("4/22"));
    CPetReport pr;
    pr.setTexts(&m_texts);
    QVERIFY(pr.build(pet, QStringLiteral("Daisy"), QDate(2026, 12, 7)));
    QVERIFY(inOrder(pr.document(), {QStringLiteral("Pet number %1<br />\r\n").arg(pet.petNumber),
                                    QStringLiteral("Pet number %1</font>").arg(pet.petNumber)}));
    QVERIFY(!pr.document().contains(QStringLiteral("Pet number ") + pet.expressionText));

    // Celebrities: the Chaldean JOHN SMITH has expression 8 shown as 8/17 elsewhere.
    CNumerology n;
    QVERIFY(n.calculate(person(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1985, 11, 29),
                               QDate(2026, 1, 1), true)));
    QCOMPARE(n.expressionText, QStringLiteral("8/17"));
    CelebrityTable table;
    n.matchCelebrities(table);
    CCelebritiesReport cr;
    cr.setTexts(&m_texts);
    QVERIFY(cr.build(n, table));
    QVERIFY(cr.document().contains(QStringLiteral("Date Number 9<br />Name Number 8</p>")));
}

void TestReportWriters::expressCompoundRule_data()
{
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("blankCompound");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("absent");
    QTest::newRow("chaldean with text") << true << false << "Compound Number " << "People with double-digit";
    QTest::newRow("chaldean blank text") << true << true << QString() << "Compound Number ";
    QTest::newRow("western") << false << false << "People with double-digit name number " << "Compound Number ";
}

void TestReportWriters::expressCompoundRule()
{
    QFETCH(bool, chaldean);
    QFETCH(bool, blankCompound);
    QFETCH(QString, expected);
    QFETCH(QString, absent);
    CNumerology n;
    QVERIFY(n.calculateExpress(QStringLiteral("Morning Star Bakery"), QDate(2001, 3, 5), chaldean));
    QVERIFY(n.expressionRaw >= 10 && n.expressionRaw <= 99);
    if (blankCompound)
        m_texts.blanks.insert(qMakePair(122, n.expressionRaw), QStringLiteral(" "));
    CExpressReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n, QStringLiteral("Morning Star Bakery")));
    const QString doc = r.document();
    QVERIFY(inOrder(doc, {QStringLiteral("Express Numerology chart for Morning Star Bakery"),
                          QStringLiteral("Date Number ") + n.lifePathText,
                          QStringLiteral("<br />Name Number ") + n.expressionText,
                          QStringLiteral("Your name number: ") + n.expressionText,
                          QStringLiteral("[501:%1]").arg(n.expression)}));
    if (!expected.isEmpty())
        QVERIFY(doc.contains(expected + QString::number(n.expressionRaw) + QStringLiteral("</font>")));
    QVERIFY(!doc.contains(absent));
    QVERIFY(doc.contains(QStringLiteral("[%1:%2]").arg(chaldean ? 122 : 121).arg(n.expressionRaw)) == !blankCompound);
    QVERIFY(inOrder(doc, {QStringLiteral("Your date number: %1").arg(n.lifePath), QStringLiteral("[501:%1]").arg(n.lifePath)}));

    // A name without anything to count is refused.
    CNumerology none;
    none.calculateExpress(QStringLiteral("!!!"), QDate(), false);
    QVERIFY(!r.build(none, QStringLiteral("!!!")));
    QVERIFY(!r.lastError().isEmpty());
}

void TestReportWriters::expressWithoutDate()
{
    CNumerology n;
    QVERIFY(n.calculateExpress(QStringLiteral("Morning Star Bakery"), QDate(), false));
    CExpressReport r;
    r.setTexts(&m_texts);
    QVERIFY(r.build(n, QStringLiteral("Morning Star Bakery")));
    const QString doc = r.document();
    QVERIFY(doc.contains(QStringLiteral("<p comment=\"st_fs\"   >Name Number ") + n.expressionText + QStringLiteral("</p>")));
    QVERIFY(!doc.contains(QStringLiteral("Date Number")));
    QVERIFY(!doc.contains(QStringLiteral("Your date number")));

    // With a date both lines stand in one paragraph, one break between them.
    QVERIFY(n.calculateExpress(QStringLiteral("Morning Star Bakery"), QDate(2001, 3, 5), false));
    QVERIFY(r.build(n, QStringLiteral("Morning Star Bakery")));
    QVERIFY(r.document().contains(QStringLiteral(">Date Number ") + n.lifePathText + QStringLiteral("<br />Name Number ")
                                  + n.expressionText + QStringLiteral("</p>")));
}

void TestReportWriters::storeTexts()
{
    // The program's texts: the shipped data file, read through the writers' source.
    const QString data = QStringLiteral(QZ_BIN_DIR "/eng.dat");
    if (!QFile::exists(data))
        QSKIP("eng.dat is not built");
    QVERIFY(loadInterpretationTexts(data));
    const CReportTexts &store = CReportTexts::store();
    QVERIFY(!store.text(101, 9).isEmpty());
    QCOMPARE(store.text(101, 9), interpretationText(101, 9));
    QCOMPARE(store.text(900, 0), generalText(0));
    QVERIFY(!store.text(900, 0).isEmpty());
    // Celebrity texts by celebrity index, records 100..199 included.
    QCOMPARE(store.text(602, 150), celebrityText(CelebrityTextKind::LifePath, 150));
    QCOMPARE(store.text(604, 3), celebrityText(CelebrityTextKind::Expression, 3));
    QVERIFY(!store.text(603, 150).isEmpty());
    QVERIFY(store.text(602, 999).isEmpty());
    QVERIFY(store.text(777, 1).isEmpty());
    QCOMPARE(store.customText(), customText());
    clearInterpretationTexts();
    QVERIFY(store.text(101, 9).isEmpty());
}

QTEST_MAIN(TestReportWriters)
#include "tst_reportwriters.moc"
