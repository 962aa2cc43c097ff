// Name advisor, pet numbers, celebrity matching and the cleaning of typed names.

#include "engine/calculatorflags.h"
#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/namecleaning.h"

#include <QtTest>

class TestAdvisorPet : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { calculatorFlags() = CalculatorFlags::defaults(); }

    void express_data();
    void express();
    void expressIgnoresEarlierState();
    void expressRejectsEmptyName();
    void pet_data();
    void pet();
    void petNameErrors();
    void celebrities();
    void celebrityFailureLeavesNoMatches();
    void celebrityRecords();
    void cleaning_data();
    void cleaning();
    void shortName_data();
    void shortName();
};

void TestAdvisorPet::express_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<QString>("lifePathText");
    QTest::addColumn<QString>("expressionText");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("heartDesire");
    const QDate d(1985, 11, 29);
    QTest::newRow("pythagorean") << "100110" << false << d << 9 << "11+11+5=27=9" << "8" << 8
                                 << "6/15";
    QTest::newRow("life-path options ignored") << "001110" << false << d << 9 << "11+11+5=27=9"
                                               << "8" << 8 << "6/15";
    QTest::newRow("chaldean compound") << "100110" << true << d << 9 << "11+11+5=27=9" << "8/17"
                                       << 17 << "8";
    QTest::newRow("no date") << "100110" << false << QDate() << 0 << "" << "8" << 8 << "6/15";
    QTest::newRow("raw words") << "100010" << false << QDate(2000, 1, 1) << 4 << "1+1+2=4"
                               << "8/44" << 44 << "6/15";
}

void TestAdvisorPet::express()
{
    QFETCH(QString, flags);
    QFETCH(bool, chaldean);
    QFETCH(QDate, date);
    QFETCH(int, lifePath);
    QFETCH(QString, lifePathText);
    QFETCH(QString, expressionText);
    QFETCH(int, raw);
    QFETCH(QString, heartDesire);
    QVERIFY(calculatorFlags().fromText(flags));
    CNumerology n;
    QVERIFY(n.calculateExpress(QStringLiteral("John Smith"), date, chaldean));
    QCOMPARE(n.lifePath, lifePath);
    QCOMPARE(n.lifePathText, lifePathText);
    QCOMPARE(n.expressionText, expressionText);
    QCOMPARE(n.expressionRaw, raw);
    QCOMPARE(n.heartDesireText, heartDesire);
    QCOMPARE(n.fullNameUpper, QStringLiteral("JOHN SMITH"));
    QCOMPARE(n.chaldeanMode, chaldean ? 1 : 0);
    QVERIFY(!n.planesCells[19].isEmpty());
}

void TestAdvisorPet::expressIgnoresEarlierState()
{
    // A universal-rule profile before must not change the advisor's English rule.
    CNumerology n;
    NumerologyInput in;
    in.fullName = in.shortName = QStringLiteral("Raymond");
    in.birthDate = in.targetDate = QDate(1985, 11, 29);
    in.phonetic = 1;
    QVERIFY(n.calculate(in));
    QCOMPARE(n.heartDesireText, QStringLiteral("5"));
    QVERIFY(n.calculateExpress(QStringLiteral("Raymond"), QDate(), false));
    QCOMPARE(n.heartDesireText, QStringLiteral("7"));
    QVERIFY(n.shortNameUpper.isEmpty());
}

void TestAdvisorPet::expressRejectsEmptyName()
{
    CNumerology n;
    QVERIFY(!n.calculateExpress(QStringLiteral("  "), QDate(2000, 1, 1), false));
    QCOMPARE(n.lastError(), QStringLiteral("Enter your data before calculation!"));
    QVERIFY(!n.calculateExpress(QStringLiteral("---"), QDate(), false));
    QCOMPARE(n.lastError(), CNumerology::IncorrectNameMessage);
    QVERIFY(n.calculateExpress(QStringLiteral("123"), QDate(), false));
    QCOMPARE(n.expression, 6);
}

void TestAdvisorPet::pet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expressionText");
    QTest::addColumn<QString>("calc");
    QTest::addColumn<int>("forecast");
    // Born 1 Jan 2020: B = fr(4 + 1 + 1) = 6; forecast 1 Jun 2024: F = fr(8 + 6 + 1) = 6.
    QTest::newRow("Rex") << "Rex" << "100110" << 2 << "2" << "=2" << 5;
    QTest::newRow("digits only") << "101" << "100110" << 2 << "2" << "=2" << 5;
    QTest::newRow("two words") << "Mr Big" << "100110" << 4 << "4/13" << "=4+9" << 7;
    QTest::newRow("words reduced whatever the flag") << "Mr Big" << "100010" << 4 << "4/13"
                                                     << "=4+9" << 7;
    QTest::newRow("master letters kept") << "KV" << "100100" << 6 << "6/33" << "=33" << 9;
    QTest::newRow("lower case is upper-cased") << "rex" << "100110" << 2 << "2" << "=2" << 5;
}

void TestAdvisorPet::pet()
{
    QFETCH(QString, name);
    QFETCH(QString, flags);
    QFETCH(int, number);
    QFETCH(QString, expressionText);
    QFETCH(QString, calc);
    QFETCH(int, forecast);
    QVERIFY(calculatorFlags().fromText(flags));
    CNumerology n;
    // A Chaldean calculation before: pets always use Pythagorean values.
    QVERIFY(n.calculateExpress(QStringLiteral("Rex"), QDate(), true));
    QVERIFY(n.calculatePet(name, QDate(2020, 1, 1), QDate(2024, 6, 1)));
    QCOMPARE(n.chaldeanMode, 0);
    QCOMPARE(n.petNumber, number);
    QCOMPARE(n.petBirthdayCode, 6);
    QCOMPARE(n.petForecastDayCode, 6);
    QCOMPARE(n.petDayForecast, forecast);
    QCOMPARE(n.expressionText, expressionText);
    QCOMPARE(n.expressionCalc, calc);
    QCOMPARE(n.birthdayText, QStringLiteral("6"));
    QCOMPARE(n.personalYearText, QString::number(forecast));
}

void TestAdvisorPet::petNameErrors()
{
    CNumerology n;
    QVERIFY(!n.calculatePet(QStringLiteral("   "), QDate(2020, 1, 1), QDate(2024, 6, 1)));
    QCOMPARE(n.lastError(), QStringLiteral("Error! Incorrect pet name!"));
    QVERIFY(!n.calculatePet(QStringLiteral("0"), QDate(2020, 1, 1), QDate(2024, 6, 1)));
    QVERIFY(!n.calculatePet(QString(), QDate(2020, 1, 1), QDate(2024, 6, 1)));
    QVERIFY(n.calculatePet(QStringLiteral("Rex"), QDate(2020, 1, 1), QDate(2024, 6, 1)));
    QVERIFY(n.lastError().isEmpty());
}

namespace {

void putRecord(CelebrityTable &table, int index, int lifePath, int birthDay, int expression,
               int day, int month, int year)
{
    CelebrityRecord &r = table.record(index);
    r.lifePath = lifePath;
    r.birthDayNumber = birthDay;
    r.expression = expression;
    r.name = QStringLiteral("Person %1").arg(index);
    r.packedDate = CelebrityRecord::packDate(day, month, year);
}

NumerologyInput johnSmith()
{
    NumerologyInput in;
    in.fullName = QStringLiteral("John Smith");
    in.shortName = QStringLiteral("John");
    in.birthDate = QDate(1985, 11, 29);
    in.targetDate = QDate(2024, 1, 1);
    return in;
}

} // namespace

void TestAdvisorPet::celebrities()
{
    // John Smith: life path 9, expression 8, born on the 29th.
    CelebrityTable table;
    putRecord(table, 0, 9, 11, 3, 29, 6, 1950);
    putRecord(table, 1, 5, 2, 8, 2, 3, 1960);
    putRecord(table, 2, 9, 0, 8, 29, 1, 1970);  // birth-day number 0: no day match
    putRecord(table, 3, 4, 11, 5, 29, 2, 1944); // same day, different month and year
    putRecord(table, 4, 11, 7, 7, 7, 7, 1977);
    putRecord(table, 199, 9, 11, 8, 29, 12, 1999);
    putRecord(table, 200, 9, 11, 8, 29, 12, 2000); // beyond the matched records
    putRecord(table, 255, 9, 11, 8, 29, 12, 2001);

    CNumerology n;
    QVERIFY(n.calculateCelebrities(johnSmith(), table));
    QCOMPARE(n.lifePath, 9);
    QCOMPARE(n.expression, 8);
    QCOMPARE(n.celebrityLifePathMatches, (QVector<int>{0, 2, 199}));
    QCOMPARE(n.celebrityBirthDayMatches, (QVector<int>{0, 3, 199}));
    QCOMPARE(n.celebrityExpressionMatches, (QVector<int>{1, 2, 199}));

    // An empty table matches nobody, even for numbers of 0.
    CelebrityTable empty;
    n.lifePath = 0;
    n.matchCelebrities(empty);
    QVERIFY(n.celebrityLifePathMatches.isEmpty());
    QVERIFY(n.celebrityBirthDayMatches.isEmpty());
    QVERIFY(n.celebrityExpressionMatches.isEmpty());
}

void TestAdvisorPet::celebrityFailureLeavesNoMatches()
{
    CelebrityTable table;
    putRecord(table, 0, 9, 11, 8, 29, 6, 1950);
    CNumerology n;
    QVERIFY(n.calculateCelebrities(johnSmith(), table));
    NumerologyInput bad = johnSmith();
    bad.fullName = QStringLiteral("Bcd");
    QVERIFY(!n.calculateCelebrities(bad, table));
    QVERIFY(n.celebrityLifePathMatches.isEmpty());
    QVERIFY(n.celebrityBirthDayMatches.isEmpty());
}

void TestAdvisorPet::celebrityRecords()
{
    const int packed = CelebrityRecord::packDate(15, 6, 1950);
    QCOMPARE(packed, 15 + 6 * 256 + 1950 * 65536);
    CelebrityRecord r;
    QVERIFY(r.isEmpty());
    r.packedDate = packed;
    QCOMPARE(r.day(), 15);
    QCOMPARE(r.month(), 6);
    QCOMPARE(r.year(), 1950);
    QVERIFY(!r.isEmpty());
    QCOMPARE(CelebrityTable::imageName(4), QStringLiteral("004.jpg"));
    QCOMPARE(CelebrityTable::imageName(123), QStringLiteral("123.jpg"));
    CelebrityTable t;
    t.record(7).name = QStringLiteral("x");
    t.clear();
    QVERIFY(t.record(7).isEmpty());
}

void TestAdvisorPet::cleaning_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("clean");
    QTest::newRow("hyphen and apostrophe") << "Jean-Luc O'Brien" << "Jean Luc OBrien";
    QTest::newRow("accents vanish") << "  Jos\xc3\xa9   M\xc3\xbcller " << "Jose Muller";
    QTest::newRow("caron") << "Dvo\xc5\x99\xc3\xa1k" << "Dvorak";
    QTest::newRow("comma") << "Ana, Maria" << "Ana Maria";
    QTest::newRow("non-Latin script") << "\xe6\x9d\x8e\xe5\xb0\x8f\xe9\xbe\x8d Bruce" << "Bruce";
    QTest::newRow("digits kept") << "R2-D2" << "R2 D2";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("apostrophes only") << "'''" << "";
    QTest::newRow("tabs and newlines") << "Ann\tLee\nSmith" << "Ann Lee Smith";
    // Latin letters without a decomposition are spelled out, not split off.
    QTest::newRow("sharp s") << QStringLiteral("Strau\u00df") << "Strauss";
    QTest::newRow("slashed o") << QStringLiteral("S\u00f8ren \u00d8rsted") << "Soren Orsted";
    QTest::newRow("stroke l") << QStringLiteral("\u0141ukasz Mi\u0142osz") << "Lukasz Milosz";
    QTest::newRow("ligatures") << QStringLiteral("\u00c6lfric \u00e6sc \u0152uvre c\u0153ur") << "AElfric aesc OEuvre coeur";
    QTest::newRow("eth and d stroke") << QStringLiteral("\u00d0\u00f0 \u0110or\u0111e") << "Dd Dorde";
    QTest::newRow("thorn") << QStringLiteral("\u00deor \u00fe") << "THor th";
    QTest::newRow("dotless i") << QStringLiteral("Y\u0131lmaz") << "Yilmaz";
    QTest::newRow("capital sharp s") << QStringLiteral("STRAU\u1e9e") << "STRAUSS";
}

void TestAdvisorPet::cleaning()
{
    QFETCH(QString, raw);
    QFETCH(QString, clean);
    QCOMPARE(qz::cleanName(raw), clean);
}

void TestAdvisorPet::shortName_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("three words") << "Ana Maria Lopez" << "Ana Lopez";
    QTest::newRow("four words") << "Ana Maria Luisa Lopez" << "Ana Lopez";
    QTest::newRow("two words") << "Ana Lopez" << "Ana Lopez";
    QTest::newRow("one word") << "Cher" << "Cher";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("spaces around three words") << "  Ana  Maria Lopez " << "Ana Lopez";
    QTest::newRow("spaces around two words") << " Ana   Lopez " << "Ana Lopez";
}

void TestAdvisorPet::shortName()
{
    QFETCH(QString, full);
    QFETCH(QString, shortName);
    QCOMPARE(qz::defaultShortName(full), shortName);

    // Long input is cut to 300 characters before the spaces are collapsed.
    QCOMPARE(qz::cleanName(QString(400, QLatin1Char('a'))).size(), 300);

    // The name advisor drops commas before cleaning; a person's name turns them into spaces.
    QCOMPARE(qz::cleanAdvisorName(QStringLiteral("Smith,Jr")), QStringLiteral("SmithJr"));
    QCOMPARE(qz::cleanName(QStringLiteral("Smith,Jr")), QStringLiteral("Smith Jr"));
    QCOMPARE(qz::cleanAdvisorName(QStringLiteral(" Caf\u00e9, Bar-Grill ")), QStringLiteral("Cafe Bar Grill"));
    QCOMPARE(qz::cleanAdvisorName(QString(299, QLatin1Char('a')) + QStringLiteral(",,bc")).size(), 299);
}

QTEST_GUILESS_MAIN(TestAdvisorPet)
#include "tst_advisorpet.moc"
