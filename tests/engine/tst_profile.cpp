// The core profile: worked examples, life-path methods, name numbers, karmic
// values, planes of expression, validation and reset.

#include "engine/calculatorflags.h"
#include "engine/cnumerology.h"

#include <QtTest>

#include <cstring>

namespace {

NumerologyInput input(const QString &full, const QString &shortName, const QDate &birth,
                      const QDate &target = QDate(2024, 1, 1))
{
    NumerologyInput in;
    in.fullName = full;
    in.shortName = shortName;
    in.birthDate = birth;
    in.targetDate = target;
    return in;
}

// Every text of a profile, in a fixed order, for comparing two engines whole.
QStringList allTexts(const NumerologyProfile &p)
{
    QStringList texts = {
        p.physicalTransit, p.mentalTransit, p.spiritualTransit, p.lifePathText, p.birthdayText,
        p.expressionText, p.minorExpressionText, p.heartDesireText, p.minorHeartDesireText,
        p.personalityText, p.minorPersonalityText, p.maturityText, p.rationalThoughtText,
        p.karmicDebtsText, p.karmicLessonsText, p.challengesText, p.pinnaclesText,
        p.bridgeLifePathExpressionText, p.bridgeHeartPersonalityText, p.balanceText,
        p.personalYearText, p.hiddenPassionText, p.subconsciousConfidenceText,
        p.pinnacleSpansText, p.lifePathPeriodsText, p.lifePathPeriodSpansText, p.vowelDigits,
        p.consonantDigits, p.expressionCalc, p.heartDesireCalc, p.personalityCalc,
        p.shortVowelDigits, p.shortConsonantDigits, p.minorExpressionCalc,
        p.minorHeartDesireCalc, p.minorPersonalityCalc, p.fullNameUpper, p.shortNameUpper,
    };
    for (int i = 0; i < NumerologyProfile::PlanesCellCount; ++i)
        texts << p.planesCellTexts[i] << p.planesCells[i];
    return texts;
}

void setFlags(const char *text)
{
    QVERIFY(calculatorFlags().fromText(QString::fromLatin1(text)));
}

} // namespace

class TestProfile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { calculatorFlags() = CalculatorFlags::defaults(); }

    void johnSmithWorkedExample();
    void johnSmithPlanes();
    void lifePathMethods_data();
    void lifePathMethods();
    void karmicDebts_data();
    void karmicDebts();
    void wordsAndMasters_data();
    void wordsAndMasters();
    void chaldeanAndPhonetic_data();
    void chaldeanAndPhonetic();
    void lettersAndPassion_data();
    void lettersAndPassion();
    void letterMarksSteerRows();
    void validation_data();
    void validation();
    void periodTable_data();
    void periodTable();
    void resetKeepsNames();
    void reusedEngineForgetsEarlierPerson();
    void reusedEngineMatchesFreshOneAfterEveryKindOfRun();
    void numbersAloneMatchTheWholeProfile_data();
    void numbersAloneMatchTheWholeProfile();
};

void TestProfile::johnSmithWorkedExample()
{
    CNumerology n;
    QVERIFY(n.calculate(input(QStringLiteral("John Smith"), QStringLiteral("John Smith"),
                              QDate(1985, 11, 29))));
    QVERIFY(n.lastError().isEmpty());
    QCOMPARE(n.fullNameUpper, QStringLiteral("JOHN SMITH"));
    QCOMPARE(n.lifePath, 9);
    QCOMPARE(n.lifePathText, QStringLiteral("11/11+11+5/23=27=9"));
    QCOMPARE(n.birthdayText, QStringLiteral("29 (11)"));
    QCOMPARE(n.challengesText, QStringLiteral("0, 3, 3, 3"));
    QCOMPARE(n.pinnaclesText, QStringLiteral("4/22, 7, 2/11, 7"));
    QCOMPARE(n.personalYearBase, 4);
    QCOMPARE(n.personalYearText, QStringLiteral("3"));
    QCOMPARE(n.pinnacleSpansText, QStringLiteral("0-27-36-45-E"));
    QCOMPARE(n.lifePathPeriodsText, QStringLiteral("2, 2, 5"));
    QCOMPARE(n.lifePathPeriodSpansText, QStringLiteral("0-27,28-54,55-E"));
    QCOMPARE(n.expression, 8);
    QCOMPARE(n.expressionRaw, 8);
    QCOMPARE(n.expressionText, QStringLiteral("8"));
    QCOMPARE(n.expressionCalc, QStringLiteral("=2/20+6/24=8"));
    QCOMPARE(n.heartDesireText, QStringLiteral("6/15"));
    QCOMPARE(n.heartDesireCalc, QStringLiteral("=6+9=15=6"));
    QCOMPARE(n.personalityText, QStringLiteral("11"));
    QCOMPARE(n.personalityCalc, QStringLiteral("=5/14+6/15=11"));
    QCOMPARE(n.minorExpressionText, QStringLiteral("8"));
    QCOMPARE(n.minorHeartDesireText, QStringLiteral("6/15"));
    QCOMPARE(n.minorPersonalityText, QStringLiteral("11"));
    QCOMPARE(n.karmicLessonsText, QStringLiteral("3, 7"));
    QCOMPARE(n.hiddenPassionText, QStringLiteral("1, 8"));
    QCOMPARE(n.subconsciousConfidenceText, QStringLiteral("7"));
    QCOMPARE(n.maturityText, QStringLiteral("8/17"));
    QCOMPARE(n.rationalThoughtText, QStringLiteral("4/31"));
    QCOMPARE(n.balanceText, QStringLiteral("2"));
    QCOMPARE(n.bridgeLifePathExpressionText, QStringLiteral("1"));
    QCOMPARE(n.bridgeHeartPersonalityText, QStringLiteral("4"));
    QCOMPARE(n.bridgeLifePathExpressionCode, 98);
    QCOMPARE(n.bridgeHeartPersonalityCode, 62);
    QCOMPARE(n.karmicDebtsText, QStringLiteral("-"));
    QCOMPARE(n.vowelDigits, QStringLiteral(" 6     9  "));
    QCOMPARE(n.consonantDigits, QStringLiteral("1 85 14 28"));
    QCOMPARE(n.shortVowelDigits, n.vowelDigits);
    QCOMPARE(n.shortConsonantDigits, n.consonantDigits);
    QCOMPARE(n.challenges[0] + n.challenges[1] + n.challenges[2] + n.challenges[3], 9);
    QCOMPARE(n.letterCounts['H' - 'A'], 2);
    QCOMPARE(n.targetYear, 2024);
}

void TestProfile::johnSmithPlanes()
{
    CNumerology n;
    QVERIFY(n.calculate(input(QStringLiteral("John Smith"), QStringLiteral("John"),
                              QDate(1985, 11, 29))));
    const QStringList expected = {
        QString(), QString(), QStringLiteral("I1O1=6/15, 2"), QString(), QStringLiteral("6, 2"),
        QStringLiteral("H2J1N1=22, 4"), QString(), QStringLiteral("S1T1=3, 2"), QString(),
        QStringLiteral("7/25, 6"),
        QString(), QStringLiteral("M1=4, 1"), QString(), QString(), QStringLiteral("4, 1"),
        QStringLiteral("22, 4"), QStringLiteral("4, 1"), QStringLiteral("9, 4"),
        QStringLiteral("0, 0"), QStringLiteral("0, 0")};
    for (int i = 0; i < 20; ++i)
        QCOMPARE(n.planesCells[i], expected.at(i));
    QCOMPARE(n.planesCellTexts[5], QStringLiteral("H2J1N1"));
    QVERIFY(n.planesCellTexts[4].isEmpty()); // totals carry no letters
    QCOMPARE(n.planeNumbers[0], 22);
    QCOMPARE(n.planeClassCounts[4], 4);
    QCOMPARE(n.planeClassCounts[10], 0);
}

void TestProfile::lifePathMethods_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("karmic");
    const QDate jan4(1970, 1, 4);
    const QDate nov29(1985, 11, 29);
    QTest::newRow("part sums") << "100110" << jan4 << 4 << "4+1+8/17=13=4" << "13";
    QTest::newRow("no method set behaves like part sums")
        << "000110" << jan4 << 4 << "4+1+8/17=13=4" << "13";
    // Method 2 gives 22 while method 1 gives 4: the master wins, and the
    // karmic 13 met by the losing method is not reported.
    QTest::newRow("plain sum master wins") << "110110" << jan4 << 22 << "1975=22" << "-";
    QTest::newRow("digit sum master wins") << "101110" << jan4 << 22 << "22" << "-";
    QTest::newRow("digit sum alone") << "001110" << jan4 << 22 << "22" << "-";
    QTest::newRow("plain sum alone") << "010110" << nov29 << 9 << "2025=9" << "-";
    QTest::newRow("all three agree: the part-sum chain is written")
        << "111110" << QDate(1990, 11, 29) << 5 << "11/11+11+1/19=23=5" << "-";
    QTest::newRow("sum of 59") << "010110" << QDate(30, 12, 17) << 5 << "59=5/14" << "14";
}

void TestProfile::lifePathMethods()
{
    QFETCH(QString, flags);
    QFETCH(QDate, birth);
    QFETCH(int, lifePath);
    QFETCH(QString, text);
    QFETCH(QString, karmic);
    setFlags(flags.toLatin1().constData());
    CNumerology n;
    QVERIFY(n.calculate(input(QStringLiteral("John Smith"), QStringLiteral("John Smith"), birth)));
    QCOMPARE(n.lifePath, lifePath);
    QCOMPARE(n.lifePathText, text);
    QCOMPARE(n.karmicDebtsText, karmic);
}

void TestProfile::karmicDebts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("debts");
    QTest::addColumn<QString>("lifePathText");
    QTest::newRow("name 13 and life path 16") << "D I" << QDate(1980, 6, 1) << "13, 16"
                                              << "1+6+9/18=16=7";
    QTest::newRow("birth day 19 counts") << "John Smith" << QDate(1985, 11, 19) << "19"
                                         << "1/10+11+5/23=17=8";
    QTest::newRow("none") << "John Smith" << QDate(1985, 11, 29) << "-" << "11/11+11+5/23=27=9";
}

void TestProfile::karmicDebts()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(QString, debts);
    QFETCH(QString, lifePathText);
    CNumerology n;
    QVERIFY(n.calculate(input(name, name, birth)));
    QCOMPARE(n.karmicDebtsText, debts);
    QCOMPARE(n.lifePathText, lifePathText);
    QStringList listed;
    for (int i = 0; i < n.karmicDebtCount; ++i)
        listed << QString::number(n.karmicDebts[i]);
    QCOMPARE(listed.isEmpty() ? QStringLiteral("-") : listed.join(QStringLiteral(", ")), debts);
}

void TestProfile::wordsAndMasters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("masters");
    QTest::addColumn<int>("expression");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("calc");
    QTest::newRow("words reduced") << "John Smith" << "100110" << 0 << 8 << "8" << "=2/20+6/24=8";
    QTest::newRow("raw words") << "John Smith" << "100010" << 0 << 8 << "8/44"
                               << "=2/20+6/24=44=8";
    QTest::newRow("raw words, masters to 99") << "John Smith" << "100010" << 1 << 44 << "44"
                                              << "=2/20+6/24=44";
    QTest::newRow("KV reduced letters") << "KV" << "100110" << 0 << 6 << "6" << "=6=6";
    QTest::newRow("KV master letters") << "KV" << "100100" << 0 << 33 << "33" << "=33=33";
}

void TestProfile::wordsAndMasters()
{
    QFETCH(QString, name);
    QFETCH(QString, flags);
    QFETCH(int, masters);
    QFETCH(int, expression);
    QFETCH(QString, text);
    QFETCH(QString, calc);
    setFlags(flags.toLatin1().constData());
    CNumerology n;
    n.setExtendedMasters(masters);
    NumerologyInput in = input(name, name, QDate(1985, 11, 29));
    in.calcOnly = true; // KV has no vowels
    QVERIFY(n.calculate(in));
    QCOMPARE(n.expression, expression);
    QCOMPARE(n.expressionText, text);
    QCOMPARE(n.expressionCalc, calc);
    QCOMPARE(n.extendedMasters, masters);
}

void TestProfile::chaldeanAndPhonetic_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<int>("phonetic");
    QTest::addColumn<QString>("expressionCalc");
    QTest::addColumn<QString>("heartDesireText");
    QTest::newRow("chaldean") << "John Smith" << true << 0 << "=9/18+8/17=17=8" << "8";
    QTest::newRow("english Y") << "Raymond" << false << 0 << "=9/36=9" << "7";
    QTest::newRow("universal Y") << "Raymond" << false << 1 << "=9/36=9" << "5";
}

void TestProfile::chaldeanAndPhonetic()
{
    QFETCH(QString, name);
    QFETCH(bool, chaldean);
    QFETCH(int, phonetic);
    QFETCH(QString, expressionCalc);
    QFETCH(QString, heartDesireText);
    CNumerology n;
    NumerologyInput in = input(name, name, QDate(1985, 11, 29));
    in.chaldean = chaldean;
    in.phonetic = phonetic;
    QVERIFY(n.calculate(in));
    QCOMPARE(n.chaldeanMode, chaldean ? 1 : 0);
    QCOMPARE(n.expressionCalc, expressionCalc);
    QCOMPARE(n.heartDesireText, heartDesireText);
}

void TestProfile::lettersAndPassion_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lessons");
    QTest::addColumn<QString>("passion");
    QTest::addColumn<QString>("confidence");
    QTest::newRow("ties list several digits") << "ABC" << "4, 5, 6, 7, 8, 9" << "1, 2, 3" << "3";
    QTest::newRow("empty name lists all nine") << "" << "1, 2, 3, 4, 5, 6, 7, 8, 9"
                                               << "1, 2, 3, 4, 5, 6, 7, 8, 9" << "0";
    QTest::newRow("every digit present") << "ABCDEFGHI" << "-" << "1, 2, 3, 4, 5, 6, 7, 8, 9"
                                         << "9";
    QTest::newRow("single winner") << "AAB" << "3, 4, 5, 6, 7, 8, 9" << "1" << "2";
}

void TestProfile::lettersAndPassion()
{
    QFETCH(QString, name);
    QFETCH(QString, lessons);
    QFETCH(QString, passion);
    QFETCH(QString, confidence);
    CNumerology n;
    NumerologyInput in = input(name, name, QDate(1985, 11, 29));
    in.calcOnly = true;
    QVERIFY(n.calculate(in));
    QCOMPARE(n.karmicLessonsText, lessons);
    QCOMPARE(n.hiddenPassionText, passion);
    QCOMPARE(n.subconsciousConfidenceText, confidence);
}

void TestProfile::letterMarksSteerRows()
{
    CNumerology n;
    NumerologyInput in = input(QStringLiteral("Mary Ann"), QStringLiteral("Mary"),
                               QDate(1985, 11, 29));
    QVERIFY(n.calculate(in));
    QCOMPARE(n.vowelDigits, QStringLiteral(" 1 7 1  "));
    QCOMPARE(n.heartDesireText, QStringLiteral("9"));

    // Y turned into a consonant, the first N into a vowel; the short name's own
    // marks make its M a vowel.
    in.fullNameMarks = {0, 0, 0, 2, 0, 0, 1};
    in.shortNameMarks = {1};
    QVERIFY(n.calculate(in));
    QCOMPARE(n.vowelDigits, QStringLiteral(" 1   15 "));
    QCOMPARE(n.consonantDigits, QStringLiteral("4 97   5"));
    QCOMPARE(n.heartDesireCalc, QStringLiteral("=1+6=7"));
    QCOMPARE(n.personalityCalc, QStringLiteral("=2/20+5=7"));
    QCOMPARE(n.shortVowelDigits, QStringLiteral("41 7"));
    QCOMPARE(n.minorHeartDesireCalc, QStringLiteral("=3/12=3"));
    QCOMPARE(n.fullNameMarks, in.fullNameMarks);
}

void TestProfile::validation_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("ok");
    QTest::newRow("good") << "John Smith" << "John" << true;
    QTest::newRow("spaces only") << "   " << "John" << false;
    QTest::newRow("no vowels") << "Bcd Fgh" << "John" << false;
    QTest::newRow("short name without vowels") << "John Smith" << "Smth" << false;
    QTest::newRow("empty short name") << "John Smith" << "" << false;
    QTest::newRow("vowels only: personality 0") << "Aeo" << "John" << false;
    QTest::newRow("short name of vowels: minor personality is not tested")
        << "John Smith" << "Ae" << true;
    QTest::newRow("non-Latin letters count nothing") << "\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd"
                                                      << "John" << false;
}

void TestProfile::validation()
{
    QFETCH(QString, full);
    QFETCH(QString, shortName);
    QFETCH(bool, ok);
    CNumerology n;
    NumerologyInput in = input(full, shortName, QDate(1985, 11, 29));
    QCOMPARE(n.calculate(in), ok);
    QCOMPARE(n.lastError(), ok ? QString() : CNumerology::IncorrectNameMessage);
    QCOMPARE(CNumerology::IncorrectNameMessage, QStringLiteral("Error! Incorrect full or short name!"));
    // The life path is computed before the names whatever the outcome.
    QCOMPARE(n.lifePath, 9);
    // Only computing never fails.
    in.calcOnly = true;
    QVERIFY(n.calculate(in));
}

void TestProfile::periodTable_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<QString>("spans");
    QTest::addColumn<QString>("periodSpans");
    QTest::newRow("L = 4 uses 59") << QDate(2000, 1, 1) << 4 << "0-32-41-50-E" << "0-23,24-59,60-E";
    QTest::newRow("L = 5") << QDate(2000, 1, 2) << 5 << "0-31-40-49-E" << "0-31,32-58,59-E";
    QTest::newRow("master 11 uses L = 2") << QDate(1990, 11, 29) << 5 << "0-31-40-49-E"
                                          << "0-31,32-58,59-E";
    QTest::newRow("L = 1") << QDate(2000, 1, 7) << 1 << "0-35-44-53-E" << "0-26,27-53,54-E";
}

void TestProfile::periodTable()
{
    QFETCH(QDate, birth);
    QFETCH(int, lifePath);
    QFETCH(QString, spans);
    QFETCH(QString, periodSpans);
    CNumerology n;
    QVERIFY(n.calculate(input(QStringLiteral("John Smith"), QStringLiteral("John"), birth)));
    QCOMPARE(n.lifePath, lifePath);
    QCOMPARE(n.pinnacleSpansText, spans);
    QCOMPARE(n.lifePathPeriodSpansText, periodSpans);
}

void TestProfile::resetKeepsNames()
{
    CNumerology n;
    QVERIFY(n.calculate(input(QStringLiteral("John Smith"), QStringLiteral("John"),
                              QDate(1985, 11, 29))));
    n.reset();
    QCOMPARE(n.fullNameUpper, QStringLiteral("JOHN SMITH"));
    QCOMPARE(n.shortNameUpper, QStringLiteral("JOHN"));
    QCOMPARE(n.lifePath, -1);
    QCOMPARE(n.expression, 0);
    QVERIFY(n.lifePathText.isEmpty());
    QVERIFY(n.expressionCalc.isEmpty());
    QVERIFY(n.physicalTransit.isEmpty());
    QVERIFY(n.vowelDigits.isEmpty());
    for (int i = 0; i < 20; ++i)
        QVERIFY(n.planesCells[i].isEmpty());
    for (int i = 0; i < 128; ++i) {
        QCOMPARE(n.valueCounters[i], 0);
        QCOMPARE(n.essence[i], 0);
        QCOMPARE(n.essenceRaw[i], 0);
    }
    QCOMPARE(n.birthDate, QDate::currentDate());
    QCOMPARE(n.targetDate, QDate::currentDate());
}

void TestProfile::reusedEngineForgetsEarlierPerson()
{
    // One engine, two people: nothing of the first may leak into the second,
    // including texts whose buffers are reused.
    CNumerology reused;
    QVERIFY(reused.calculate(input(QStringLiteral("Alexandra Maria Kowalczyk"),
                                   QStringLiteral("Alexandra"), QDate(1950, 7, 19))));
    const QString keptCopy = reused.expressionCalc;
    QVERIFY(reused.calculate(input(QStringLiteral("D I"), QStringLiteral("D I"),
                                   QDate(1980, 6, 1))));
    CNumerology fresh;
    QVERIFY(fresh.calculate(input(QStringLiteral("D I"), QStringLiteral("D I"),
                                  QDate(1980, 6, 1))));
    QCOMPARE(reused.expressionCalc, fresh.expressionCalc);
    QCOMPARE(reused.planesCells[2], fresh.planesCells[2]);
    QCOMPARE(reused.planesCells[0], fresh.planesCells[0]);
    QCOMPARE(reused.vowelDigits, fresh.vowelDigits);
    QCOMPARE(reused.physicalTransit, fresh.physicalTransit);
    QCOMPARE(reused.karmicDebtsText, QStringLiteral("13, 16"));
    QCOMPARE(reused.maturityText, QStringLiteral("11"));
    QCOMPARE(reused.rationalThoughtText, QStringLiteral("5"));
    QCOMPARE(reused.balanceText, QStringLiteral("4/13"));
    QCOMPARE(reused.planesCells[11], QStringLiteral("D1=4, 1"));
    QCOMPARE(reused.planesCells[2], QStringLiteral("I1=9, 1"));
    QVERIFY(reused.planesCells[0].isEmpty());
    // A copy taken before the second run keeps the first person's text.
    QCOMPARE(keptCopy.left(1), QStringLiteral("="));
    QVERIFY(keptCopy != reused.expressionCalc);
}

void TestProfile::reusedEngineMatchesFreshOneAfterEveryKindOfRun()
{
    // A calculation writes its texts over the buffers of the run before instead
    // of emptying them first: whatever ran before, the result must be the one of
    // a fresh engine, for a valid person and for one that fails validation
    // (whose later texts stay empty).
    const NumerologyInput valid = input(QStringLiteral("Wyatt Yvonne Ng"), QStringLiteral("Wy Ng"),
                                        QDate(1999, 9, 9), QDate(2031, 2, 3));
    const NumerologyInput failing = input(QStringLiteral("Bcd Frt"), QStringLiteral("Bcd"),
                                          QDate(1961, 3, 14));
    const NumerologyInput longName =
        input(QStringLiteral("Maximiliana Theodora Quintessa Vanderbilt Abernathy"),
              QStringLiteral("Maximiliana Abernathy"), QDate(1922, 12, 31));
    for (const bool expected : {true, false}) {
        const NumerologyInput &target = expected ? valid : failing;
        CNumerology fresh;
        QCOMPARE(fresh.calculate(target), expected);

        CNumerology reused;
        QVERIFY(reused.calculate(longName));
        const QStringList before = allTexts(reused); // shared copies of every text
        QVERIFY(reused.calculatePet(QStringLiteral("Rex"), QDate(2015, 5, 5), QDate(2024, 1, 1)));
        QCOMPARE(reused.calculate(target), expected);
        QCOMPARE(allTexts(reused), allTexts(fresh));
        QVERIFY(reused.calculateExpress(QStringLiteral("Morning Star Bakery"), QDate(2000, 1, 2),
                                        true));
        QVERIFY(reused.calculate(longName));
        QCOMPARE(allTexts(reused), before); // the copies were not written through
        QCOMPARE(reused.calculate(target), expected);
        QCOMPARE(allTexts(reused), allTexts(fresh));
        QCOMPARE(reused.lastError(), fresh.lastError());
    }
    CNumerology failed;
    QVERIFY(!failed.calculate(failing));
    QVERIFY(failed.maturityText.isEmpty());
    QVERIFY(failed.physicalTransit.isEmpty());
    QVERIFY(failed.karmicDebtsText.isEmpty());
    QVERIFY(!failed.expressionText.isEmpty()); // computed before validation
}

void TestProfile::numbersAloneMatchTheWholeProfile_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("masters");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<int>("phonetic");
    QTest::addColumn<bool>("skipPlanes");
    QTest::newRow("plain") << "100110" << 0 << "John Quincy Smith" << QDate(1985, 11, 29) << false
                           << 0 << false;
    QTest::newRow("every method, raw words, masters to 99")
        << "111001" << 1 << "Wyatt" << QDate(1999, 9, 29) << false << 0 << false;
    QTest::newRow("chaldean, universal Y")
        << "100110" << 0 << "Yvonne Lyle Rhythm" << QDate(1961, 3, 14) << true << 1 << false;
    QTest::newRow("fails validation") << "100110" << 0 << "Bcd Frt" << QDate(1913, 4, 16) << false
                                      << 0 << false;
    QTest::newRow("no planes") << "100110" << 0 << "Anne Marie Ng" << QDate(2004, 2, 29) << false
                               << 0 << true;
}

void TestProfile::numbersAloneMatchTheWholeProfile()
{
    // Leaving the texts out must not change a single number, nor leave a text
    // of the person computed before.
    QFETCH(QString, flags);
    QFETCH(int, masters);
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(bool, chaldean);
    QFETCH(int, phonetic);
    QFETCH(bool, skipPlanes);
    setFlags(qPrintable(flags));
    NumerologyInput in = input(name, QStringLiteral("Jo"), birth, QDate(2026, 12, 7));
    in.chaldean = chaldean;
    in.phonetic = phonetic;
    in.skipPlanesAndTransits = skipPlanes;
    CNumerology whole;
    whole.setExtendedMasters(masters);
    const bool expected = whole.calculate(in);

    CNumerology numbers;
    QVERIFY(numbers.calculate(input(QStringLiteral("Maximiliana Theodora Quintessa"),
                                    QStringLiteral("Max"), QDate(1922, 12, 31))));
    numbers.setExtendedMasters(masters);
    in.skipTexts = true;
    QCOMPARE(numbers.calculate(in), expected);
    QCOMPARE(numbers.lastError(), whole.lastError());
    QVERIFY(std::memcmp(static_cast<const NumerologyNumbers *>(&numbers),
                        static_cast<const NumerologyNumbers *>(&whole), sizeof(NumerologyNumbers)) == 0);
    QCOMPARE(numbers.fullNameUpper, whole.fullNameUpper);
    QCOMPARE(numbers.shortNameUpper, whole.shortNameUpper);
    numbers.fullNameUpper.clear();
    numbers.shortNameUpper.clear();
    for (const QString &text : allTexts(numbers))
        QVERIFY2(text.isEmpty(), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
