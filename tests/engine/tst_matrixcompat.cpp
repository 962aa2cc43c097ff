// Psychomatrix and love compatibility.

#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <QtTest>

class TestMatrixCompat : public QObject
{
    Q_OBJECT

private slots:
    void matrix_data();
    void matrix();
    void matrixSummary();
    void matrixSections();
    void matrixInvalidDate();
    void textLevels_data();
    void textLevels();
    void lifePathGroups_data();
    void lifePathGroups();
    void tables_data();
    void tables();
    void compatibility();
    void emptyLinesGiveNoFamily();
    void cellCodesCapAtSix();
    void lifePathZeroIsSafe();
};

void TestMatrixCompat::matrix_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QVector<int>>("cells");
    QTest::addColumn<QVector<int>>("lines");
    QTest::addColumn<QVector<int>>("working");
    QTest::newRow("29 Nov 1985") << QDate(1985, 11, 29)
                                 << QVector<int>{0, 3, 2, 2, 0, 2, 1, 0, 1, 3}
                                 << QVector<int>{7, 3, 4, 3, 5, 6, 8, 4}
                                 << QVector<int>{36, 9, 32, 5};
    // Single-digit day: zeros are counted in entry 0 only.
    QTest::newRow("5 Mar 2001") << QDate(2001, 3, 5) << QVector<int>{2, 5, 2, 1, 0, 1, 0, 0, 0, 0}
                                << QVector<int>{8, 1, 0, 5, 3, 1, 6, 2}
                                << QVector<int>{11, 2, 1, 1};
    // N3 = 12 - 18 is negative: neither it nor its digit sum is a digit to count.
    QTest::newRow("9 Jan 2000") << QDate(2000, 1, 9) << QVector<int>{3, 2, 2, 1, 0, 0, 0, 0, 0, 1}
                                << QVector<int>{5, 0, 1, 2, 2, 2, 3, 1}
                                << QVector<int>{12, 3, -6, -6};
}

void TestMatrixCompat::matrix()
{
    QFETCH(QDate, date);
    QFETCH(QVector<int>, cells);
    QFETCH(QVector<int>, lines);
    QFETCH(QVector<int>, working);
    CNumerologyPMatrix m;
    QVERIFY(m.calculate(QStringLiteral("Test"), date));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(m.cells[i], cells.at(i));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(m.lines[i], lines.at(i));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m.workingNumbers[i], working.at(i));
    // The digit 0 never enters a line sum.
    int total = 0;
    for (int i = 0; i < 8; ++i)
        total += m.lines[i];
    const int c[10] = {m.cells[0], m.cells[1], m.cells[2], m.cells[3], m.cells[4],
                       m.cells[5], m.cells[6], m.cells[7], m.cells[8], m.cells[9]};
    QCOMPARE(total, 3 * (c[1] + c[3] + c[7] + c[9]) + 2 * (c[2] + c[4] + c[6] + c[8]) + 4 * c[5]);
}

void TestMatrixCompat::matrixSummary()
{
    CNumerologyPMatrix m;
    QVERIFY(m.calculate(QStringLiteral("Test"), QDate(1985, 11, 29)));
    QVERIFY(m.summary.startsWith(QStringLiteral("Character (1) - 3<br />\r\nEnergy (2) - 2<br />\r\n")));
    QVERIFY(m.summary.endsWith(QStringLiteral("Sexual life (3-5-7) - 4<br />\r\n")));
    QVERIFY(m.summary.contains(QStringLiteral("Purposeful (1-4-7) - 3<br />")));
    QVERIFY(m.summary.contains(QStringLiteral("Self appraisal (1-2-3) - 7<br />")));
    QCOMPARE(m.summary.count(QStringLiteral("<br />\r\n")), 17);
    QCOMPARE(m.sectionValue(10), m.lines[CNumerologyPMatrix::Line147]);
    QCOMPARE(m.sectionValue(13), m.lines[CNumerologyPMatrix::Line123]);
    QCOMPARE(m.sectionValue(17), m.lines[CNumerologyPMatrix::Line357]);
    QCOMPARE(m.sectionValue(0), 0);
    QCOMPARE(m.sectionValue(18), 0);
    QCOMPARE(CNumerologyPMatrix::sectionLabel(11), QStringLiteral("Family formation (2-5-8) - "));
    QVERIFY(CNumerologyPMatrix::sectionLabel(0).isEmpty());
}

void TestMatrixCompat::matrixSections()
{
    CNumerologyPMatrix m;
    // Fixed order, each at most once, codes outside 1..17 ignored.
    QVERIFY(m.calculate(QStringLiteral("Test"), QDate(1985, 11, 29), {12, 3, 3, 0, 18, 40, -1}));
    QCOMPARE(m.summary, QStringLiteral("Interest (3) - 2<br />\r\nStability (3-6-9) - 6<br />\r\n"));
    QVERIFY(m.calculate(QStringLiteral("Test"), QDate(1985, 11, 29), QVector<int>()));
    QVERIFY(m.summary.isEmpty());
    QCOMPARE(m.cells[1], 3); // the numbers do not depend on the sections
}

void TestMatrixCompat::matrixInvalidDate()
{
    CNumerologyPMatrix m;
    QVERIFY(m.calculate(QStringLiteral("Test"), QDate(1985, 11, 29)));
    QVERIFY(!m.calculate(QStringLiteral("Test"), QDate()));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(m.cells[i], 0);
    QVERIFY(m.summary.isEmpty());
}

void TestMatrixCompat::textLevels_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("level");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("5") << 5 << 6;
    QTest::newRow("6") << 6 << 7;
    QTest::newRow("9 shares 6's text") << 9 << 7;
    QTest::newRow("negative") << -2 << 1;
}

void TestMatrixCompat::textLevels()
{
    QFETCH(int, count);
    QFETCH(int, level);
    QCOMPARE(CNumerologyPMatrix::textLevel(count), level);
}

void TestMatrixCompat::lifePathGroups_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("percent");
    QTest::newRow("2 and 2 (11 and 2)") << 2 << 2 << 90;
    QTest::newRow("3 and 8: empty third group") << 3 << 8 << 35;
    QTest::newRow("8 and 1 in '1,5'") << 8 << 1 << 50;
    QTest::newRow("9 and 7 in '2,7'") << 9 << 7 << 50;
    QTest::newRow("7 and 4") << 7 << 4 << 75;
    QTest::newRow("4 and 9") << 4 << 9 << 35;
    QTest::newRow("1 and 1") << 1 << 1 << 90;
    QTest::newRow("6 and 4") << 6 << 4 << 75;
    QTest::newRow("0 has no row") << 0 << 3 << 50;
    QTest::newRow("partner 0") << 3 << 0 << 50;
    QTest::newRow("10 has no row") << 10 << 3 << 50;
}

void TestMatrixCompat::lifePathGroups()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, percent);
    QCOMPARE(CCompNumerology::lifePathPercentFor(a, b), percent);
}

void TestMatrixCompat::tables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("percent");
    QTest::newRow("birthday 3") << "birthday" << 3 << 0 << 70;
    QTest::newRow("birthday 6") << "birthday" << 6 << 0 << 95;
    QTest::newRow("birthday 9") << "birthday" << 9 << 0 << 50;
    QTest::newRow("birthday 0") << "birthday" << 0 << 0 << 50;
    QTest::newRow("name 1-9") << "name" << 1 << 9 << 95;
    QTest::newRow("name 9-1 same cell") << "name" << 9 << 1 << 95;
    QTest::newRow("name 2-4") << "name" << 2 << 4 << 95;
    QTest::newRow("name 3-8") << "name" << 3 << 8 << 50;
    QTest::newRow("name 9-9") << "name" << 9 << 9 << 60;
    QTest::newRow("name 0") << "name" << 0 << 5 << 50;
    QTest::newRow("values equal") << "values" << 2 << 2 << 100;
    QTest::newRow("values capped at 5") << "values" << 9 << 5 << 100;
    QTest::newRow("values 4 apart") << "values" << 1 << 5 << 40;
    QTest::newRow("values 5 apart") << "values" << 0 << 7 << 30;
    QTest::newRow("values 1 apart") << "values" << 4 << 9 << 90;
}

void TestMatrixCompat::tables()
{
    QFETCH(QString, table);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, percent);
    if (table == QLatin1String("birthday"))
        QCOMPARE(CCompNumerology::birthdayPercentFor(x), percent);
    else if (table == QLatin1String("name"))
        QCOMPARE(CCompNumerology::namePercentFor(x, y), percent);
    else
        QCOMPARE(CCompNumerology::valuesPercentFor(x, y), percent);
}

namespace {

void setLines(CNumerologyPMatrix &m, int l123, int l147, int l159, int l258, int l369, int l357)
{
    m.lines[CNumerologyPMatrix::Line123] = l123;
    m.lines[CNumerologyPMatrix::Line147] = l147;
    m.lines[CNumerologyPMatrix::Line159] = l159;
    m.lines[CNumerologyPMatrix::Line258] = l258;
    m.lines[CNumerologyPMatrix::Line369] = l369;
    m.lines[CNumerologyPMatrix::Line357] = l357;
}

} // namespace

void TestMatrixCompat::compatibility()
{
    CNumerology a, b;
    a.lifePath = 11;
    b.lifePath = 2;
    a.birthDate = QDate(1985, 11, 29);
    b.birthDate = QDate(1990, 5, 1);
    a.expression = 8;
    a.expressionRaw = 44;
    b.expression = 3;
    b.expressionRaw = 12;
    CNumerologyPMatrix ma, mb;
    setLines(ma, 7, 3, 8, 5, 6, 4);
    setLines(mb, 7, 3, 8, 5, 6, 9);
    ma.cells[1] = 3;
    mb.cells[1] = 0;
    ma.cells[2] = 2;
    mb.cells[2] = 2;

    CCompNumerology c;
    QVERIFY(c.calculate(a, b, ma, mb));
    QCOMPARE(c.lifePathA, 2);
    QCOMPARE(c.lifePathB, 2);
    QCOMPARE(c.lifePathPercent, 90);
    QCOMPARE(c.lifePathCode, 4);
    QCOMPARE(c.lifePathTextCode, 22);
    QCOMPARE(c.lifePathCalcText, QStringLiteral("11+2=4"));
    QCOMPARE(c.lifePathPercentText, QStringLiteral("90%"));
    // Birth days 29 and 1: 2 (29, 11, 2) and 1 give code 3.
    QCOMPARE(c.birthdayCode, 3);
    QCOMPARE(c.birthdayPercent, 70);
    QCOMPARE(c.birthdayTextCode, 12);
    QCOMPARE(c.birthdayCalcText, QStringLiteral("29+1=3"));
    // Products 5*6*4 = 120 and 5*6*9 = 270; 3*7*8 = 168 each.
    QCOMPARE(c.homeProductA, 120);
    QCOMPARE(c.homeProductB, 270);
    QCOMPARE(c.spiritProductA, 168);
    QCOMPARE(c.spiritProductB, 168);
    QCOMPARE(c.homeStability, (120 * 270 + 180) / 365);
    QCOMPARE(c.homeStability, 89);
    QCOMPARE(c.spiritualStability, 77);
    QCOMPARE(c.marriageTerm, 166);
    QCOMPARE(c.familyPercent, 100);
    QCOMPARE(c.marriageTermText, QStringLiteral("166"));
    QCOMPARE(c.homeProductBText, QStringLiteral("270"));
    QCOMPARE(c.familyPercentText, QStringLiteral("100%"));
    // 3-5-7 lines 4 and 9 (capped at 5): one apart.
    QCOMPARE(c.valuesPercent, 90);
    QCOMPARE(c.characterCode, 14);
    QCOMPARE(c.energyCode, 33);
    QCOMPARE(c.nameA, 8);
    QCOMPARE(c.nameB, 3);
    QCOMPARE(c.nameCode, 2);
    QCOMPARE(c.namePercent, 50);
    QCOMPARE(c.nameTextCode, 38);
    QCOMPARE(c.nameCalcText, QStringLiteral("44+12=2"));
    QCOMPARE(c.totalPercent, (90 + 2 * 90 + 2 * 100 + 70 + 50) / 7);
    QCOMPARE(c.totalPercentText, QStringLiteral("84%"));
}

void TestMatrixCompat::emptyLinesGiveNoFamily()
{
    CNumerology a, b;
    a.lifePath = b.lifePath = 1;
    a.birthDate = b.birthDate = QDate(2000, 1, 1);
    a.expression = b.expression = 1;
    CNumerologyPMatrix ma, mb;
    setLines(ma, 1, 1, 1, 0, 1, 1);
    setLines(mb, 1, 1, 1, 1, 1, 1);
    CCompNumerology c;
    c.calculate(a, b, ma, mb);
    QCOMPARE(c.homeProductA, 0);
    QCOMPARE(c.homeStability, 0);
    QCOMPARE(c.spiritualStability, 0); // (1 + 180) / 365
    QCOMPARE(c.marriageTerm, 0);
    QCOMPARE(c.familyPercent, 0);
    QCOMPARE(c.familyPercentText, QStringLiteral("0%"));
}

void TestMatrixCompat::cellCodesCapAtSix()
{
    CNumerology a, b;
    CNumerologyPMatrix ma, mb;
    CCompNumerology c;
    ma.cells[1] = 7;
    mb.cells[1] = 9;
    c.calculate(a, b, ma, mb);
    const int capped = c.characterCode;
    QCOMPARE(capped, 77);
    ma.cells[1] = 6;
    mb.cells[1] = 6;
    c.calculate(a, b, ma, mb);
    QCOMPARE(c.characterCode, capped);
}

void TestMatrixCompat::lifePathZeroIsSafe()
{
    CNumerology a, b;
    a.lifePath = 0;
    b.lifePath = 5;
    CNumerologyPMatrix ma, mb;
    CCompNumerology c;
    QVERIFY(c.calculate(a, b, ma, mb));
    QCOMPARE(c.lifePathPercent, 50);
    QCOMPARE(c.lifePathA, 0);
    QCOMPARE(c.lifePathCode, 5);
    QCOMPARE(c.namePercent, 50);
    QCOMPARE(c.birthdayPercent, 50);
    c.reset();
    QCOMPARE(c.lifePathPercent, 50);
    QVERIFY(c.totalPercentText.isEmpty());
}

QTEST_GUILESS_MAIN(TestMatrixCompat)
#include "tst_matrixcompat.moc"
