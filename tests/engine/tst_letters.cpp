// Letter values, the vowel rule, name splitting, reductions and the flag array.

#include "engine/calculatorflags.h"
#include "engine/numerologymath.h"

#include <QtTest>

using namespace qz;

class TestLetters : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { calculatorFlags() = CalculatorFlags::defaults(); }

    void letterValues_data();
    void letterValues();
    void chaldeanHasNoNine();
    void masterLettersInWords();
    void classify_data();
    void classify();
    void wordSums_data();
    void wordSums();
    void partSums_data();
    void partSums();
    void reduce_data();
    void reduce();
    void reduceCounts_data();
    void reduceCounts();
    void otherReductions_data();
    void otherReductions();
    void compat_data();
    void compat();
    void masters_data();
    void masters();
    void planeClasses_data();
    void planeClasses();
    void flags();
};

void TestLetters::letterValues_data()
{
    QTest::addColumn<QChar>("ch");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("reduceMasters");
    QTest::addColumn<int>("value");
    const QChar eAcute(0x00C9);
    const QChar cyrillicA(0x0410);
    struct Row { const char *tag; QChar ch; bool chaldean; bool reduce; int value; };
    const Row rows[] = {
        {"pyth A", QLatin1Char('A'), false, true, 1},
        {"pyth J", QLatin1Char('J'), false, true, 1},
        {"pyth S", QLatin1Char('S'), false, true, 1},
        {"pyth I", QLatin1Char('I'), false, true, 9},
        {"pyth R", QLatin1Char('R'), false, true, 9},
        {"pyth Z", QLatin1Char('Z'), false, true, 8},
        {"pyth K reduced", QLatin1Char('K'), false, true, 2},
        {"pyth V reduced", QLatin1Char('V'), false, true, 4},
        {"pyth K kept", QLatin1Char('K'), false, false, 11},
        {"pyth V kept", QLatin1Char('V'), false, false, 22},
        {"pyth T not a master", QLatin1Char('T'), false, false, 2},
        {"pyth S not a master", QLatin1Char('S'), false, false, 1},
        {"chal A", QLatin1Char('A'), true, true, 1},
        {"chal F", QLatin1Char('F'), true, true, 8},
        {"chal O", QLatin1Char('O'), true, true, 7},
        {"chal Z", QLatin1Char('Z'), true, true, 7},
        {"chal H", QLatin1Char('H'), true, true, 5},
        {"chal X", QLatin1Char('X'), true, true, 5},
        {"chal W", QLatin1Char('W'), true, true, 6},
        {"chal K ignores master option", QLatin1Char('K'), true, false, 2},
        {"digit pyth", QLatin1Char('7'), false, true, 7},
        {"digit chal", QLatin1Char('9'), true, true, 9},
        {"zero digit", QLatin1Char('0'), false, true, 0},
        {"space", QLatin1Char(' '), false, true, 0},
        {"hyphen", QLatin1Char('-'), true, true, 0},
        {"lower case", QLatin1Char('a'), false, true, 0},
        {"accented", eAcute, false, true, 0},
        {"cyrillic", cyrillicA, true, true, 0},
    };
    for (const Row &r : rows)
        QTest::newRow(r.tag) << r.ch << r.chaldean << r.reduce << r.value;
}

void TestLetters::letterValues()
{
    QFETCH(QChar, ch);
    QFETCH(bool, chaldean);
    QFETCH(bool, reduceMasters);
    QFETCH(int, value);
    QCOMPARE(letterValue(ch, chaldean, reduceMasters), value);
}

void TestLetters::chaldeanHasNoNine()
{
    for (char c = 'A'; c <= 'Z'; ++c) {
        const int v = letterValue(QLatin1Char(c), true, true);
        QVERIFY2(v >= 1 && v <= 8, qPrintable(QStringLiteral("letter %1").arg(QLatin1Char(c))));
    }
}

void TestLetters::masterLettersInWords()
{
    QCOMPARE(wordValue(u"KV", false, false), 33);
    QCOMPARE(wordValue(u"KV", false, true), 6);
    QCOMPARE(wordValue(u"JOHN", false, true), 20);
    QCOMPARE(wordValue(u"SMITH", false, true), 24);
    QCOMPARE(wordValue(u"", false, true), 0);
}

void TestLetters::classify_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("result");
    const int E = PhoneticEnglish, U = PhoneticUniversal;
    struct Row { const char *tag; const char *word; int pos; int mode; int result; };
    const Row rows[] = {
        {"plain vowel", "JOHN", 1, E, 1},
        {"plain consonant", "JOHN", 0, E, -1},
        {"lone Y", "Y", 0, E, 1},
        {"Y before vowel at start (YES)", "YES", 0, E, -1},
        {"Y last after consonant (MARY)", "MARY", 3, E, 1},
        {"Y between vowel and letter (RAYMOND)", "RAYMOND", 2, E, -1},
        {"Y last after vowel (KAY)", "KAY", 2, E, -1},
        {"Y last after consonant (SKY)", "SKY", 2, E, 1},
        {"Y before non-letter after vowel", "AY1", 1, E, -1},
        {"Y at start before consonant (YVES)", "YVES", 0, E, 1},
        {"Y after non-letter before vowel", "O'YA", 2, E, -1},
        {"Y after non-letter before consonant", "O'YT", 2, E, 1},
        {"Y between consonants (LYNN)", "LYNN", 1, E, 1},
        {"Y after Y", "SYYT", 2, E, -1},
        {"W last after vowel (ANDREW)", "ANDREW", 5, E, 1},
        {"W first (WILLIAM)", "WILLIAM", 0, E, -1},
        {"W before vowel (EDWARD)", "EDWARD", 2, E, -1},
        {"W after non-letter", "O'WEN", 2, E, -1},
        {"W before non-letter", "AW1", 1, E, 1},
        {"W before H", "OWH", 1, E, -1},
        {"W before Y", "OWY", 1, E, -1},
        {"W before consonant (BOWL)", "BOWL", 2, E, 1},
        {"lower case is upper-cased", "mary", 3, E, 1},
        {"digit", "A1", 1, E, 0},
        {"accented", "\xc3\x89", 0, E, 0},
        {"position out of range", "AB", 5, E, 0},
        {"negative position", "AB", -1, E, 0},
        {"universal Y vowel", "RAYMOND", 2, U, 1},
        {"universal Y at start", "YES", 0, U, 1},
        {"universal W consonant", "BOWL", 2, U, -1},
        {"universal W last", "ANDREW", 5, U, -1},
        {"universal vowel", "EDWARD", 0, U, 1},
        {"unknown mode", "A", 0, 2, 0},
        {"negative mode", "B", 0, -1, 0},
    };
    for (const Row &r : rows)
        QTest::newRow(r.tag) << QString::fromUtf8(r.word) << r.pos << r.mode << r.result;
}

void TestLetters::classify()
{
    QFETCH(QString, word);
    QFETCH(int, pos);
    QFETCH(int, mode);
    QFETCH(int, result);
    QCOMPARE(classifyLetter(word, pos, mode), result);
}

void TestLetters::wordSums_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<int>>("sums");
    QTest::newRow("two words") << QStringLiteral("JOHN SMITH") << QVector<int>{20, 24};
    QTest::newRow("double space keeps an empty word") << QStringLiteral("A  B")
                                                      << QVector<int>{1, 0, 2};
    QTest::newRow("spaces only") << QStringLiteral("  ") << QVector<int>{0, 0, 0};
    QTest::newRow("empty name") << QString() << QVector<int>{0};
    QTest::newRow("digits and punctuation") << QStringLiteral("R2-D2") << QVector<int>{17};
}

void TestLetters::wordSums()
{
    QFETCH(QString, name);
    QFETCH(QVector<int>, sums);
    QCOMPARE(nameWordSums(name, false, true), sums);
    QCOMPARE(nameWords(name).size(), sums.size());
}

void TestLetters::partSums_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<int>>("marks");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVector<int>>("vowels");
    QTest::addColumn<QVector<int>>("consonants");
    const QString john = QStringLiteral("JOHN SMITH");
    QTest::newRow("no marks") << john << QVector<int>() << 0 << QVector<int>{6, 9}
                              << QVector<int>{14, 15};
    QTest::newRow("H forced vowel") << john << QVector<int>{0, 0, 1} << 0 << QVector<int>{14, 9}
                                    << QVector<int>{6, 15};
    QTest::newRow("O forced consonant") << john << QVector<int>{0, 2} << 0 << QVector<int>{0, 9}
                                        << QVector<int>{20, 15};
    // Positions count the separating space: index 7 is the I of SMITH.
    QTest::newRow("mark in second word") << john << QVector<int>{0, 0, 0, 0, 0, 0, 0, 2} << 0
                                         << QVector<int>{6, 0} << QVector<int>{14, 24};
    QTest::newRow("marked space adds nothing") << john << QVector<int>{0, 0, 0, 0, 1} << 0
                                               << QVector<int>{6, 9} << QVector<int>{14, 15};
    QTest::newRow("marked digit counts") << QStringLiteral("A1") << QVector<int>{0, 1} << 0
                                         << QVector<int>{2} << QVector<int>{0};
    QTest::newRow("unmarked digit never taken") << QStringLiteral("A1") << QVector<int>() << 0
                                                << QVector<int>{1} << QVector<int>{0};
    QTest::newRow("other mark values are no override") << john << QVector<int>{7, 7, 7} << 0
                                                       << QVector<int>{6, 9}
                                                       << QVector<int>{14, 15};
    QTest::newRow("universal Y") << QStringLiteral("RAYMOND") << QVector<int>() << 1
                                 << QVector<int>{14} << QVector<int>{22};
    QTest::newRow("english Y") << QStringLiteral("RAYMOND") << QVector<int>() << 0
                               << QVector<int>{7} << QVector<int>{29};
}

void TestLetters::partSums()
{
    QFETCH(QString, name);
    QFETCH(QVector<int>, marks);
    QFETCH(int, mode);
    QFETCH(QVector<int>, vowels);
    QFETCH(QVector<int>, consonants);
    QCOMPARE(namePartSums(name, true, marks, mode, false, true), vowels);
    QCOMPARE(namePartSums(name, false, marks, mode, false, true), consonants);
}

void TestLetters::reduce_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("result");
    QTest::newRow("1985") << 1985 << false << 5;
    QTest::newRow("29 keeps 11") << 29 << false << 11;
    QTest::newRow("49 via 13") << 49 << false << 4;
    QTest::newRow("38 gives 11") << 38 << false << 11;
    QTest::newRow("9999") << 9999 << false << 9;
    QTest::newRow("10000 out of range") << 10000 << false << 0;
    QTest::newRow("zero") << 0 << false << 0;
    QTest::newRow("negative") << -5 << false << 0;
    QTest::newRow("77 standard") << 77 << false << 5;
    QTest::newRow("77 extended") << 77 << true << 77;
    QTest::newRow("44 standard") << 44 << false << 8;
    QTest::newRow("44 extended") << 44 << true << 44;
    QTest::newRow("33 standard") << 33 << false << 33;
    QTest::newRow("99 extended") << 99 << true << 99;
    QTest::newRow("9998 via 35") << 9998 << false << 8;
    QTest::newRow("128 just above the table") << 128 << false << 11;
    QTest::newRow("2009 to 11") << 2009 << false << 11;
}

void TestLetters::reduce()
{
    QFETCH(int, n);
    QFETCH(bool, extended);
    QFETCH(int, result);
    QCOMPARE(reduceNumber(n, extended), result);
    const int keep = reduceKeepMasters(n, extended);
    QCOMPARE(keep, n > 9999 ? keep : result); // the same without counting, for 1..9999
}

void TestLetters::reduceCounts_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QVector<int>>("counted");
    QTest::newRow("1985 counts only 5") << 1985 << false << QVector<int>{5};
    QTest::newRow("49 counts 13 and 4") << 49 << false << QVector<int>{4, 13};
    QTest::newRow("77 standard counts 14 and 5") << 77 << false << QVector<int>{5, 14};
    QTest::newRow("77 extended counts 77") << 77 << true << QVector<int>{77};
    QTest::newRow("19 counts 19 and 1") << 19 << false << QVector<int>{1, 19};
    QTest::newRow("10000 counts nothing") << 10000 << false << QVector<int>();
    QTest::newRow("9999 counts 9") << 9999 << false << QVector<int>{9};
    QTest::newRow("16 counts 16 and 7") << 16 << false << QVector<int>{7, 16};
}

void TestLetters::reduceCounts()
{
    QFETCH(int, n);
    QFETCH(bool, extended);
    QFETCH(QVector<int>, counted);
    int counters[128] = {};
    reduceNumber(n, extended, counters, 128);
    QVector<int> seen;
    for (int i = 0; i < 128; ++i) {
        QVERIFY(counters[i] == 0 || counters[i] == 1);
        if (counters[i])
            seen.append(i);
    }
    QCOMPARE(seen, counted);

    // A smaller counter array is never written beyond its given size.
    int small[14] = {};
    reduceNumber(n, extended, small, 10);
    for (int i = 10; i < 14; ++i)
        QCOMPARE(small[i], 0);
    for (int v : counted)
        if (v < 10)
            QCOMPARE(small[v], 1);
}

void TestLetters::otherReductions_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("result");
    QTest::newRow("digit 11") << "toDigit" << 11 << false << 2;
    QTest::newRow("digit 22") << "toDigit" << 22 << false << 4;
    QTest::newRow("digit 38") << "toDigit" << 38 << false << 2;
    QTest::newRow("digit 10") << "toDigit" << 10 << false << 1;
    QTest::newRow("digit 0") << "toDigit" << 0 << false << 0;
    QTest::newRow("digit negative unchanged") << "toDigit" << -7 << false << -7;
    QTest::newRow("digit 10000 steps to 0") << "toDigit" << 10000 << false << 0;
    QTest::newRow("digit 12345 uses four digits") << "toDigit" << 12345 << false << 5;
    QTest::newRow("digit 9999") << "toDigit" << 9999 << false << 9;
    QTest::newRow("keep 0") << "keep" << 0 << false << 0;
    QTest::newRow("keep negative") << "keep" << -3 << false << 0;
    QTest::newRow("keep 38") << "keep" << 38 << false << 11;
    QTest::newRow("keep 10000") << "keep" << 10000 << false << 0;
    QTest::newRow("once 59") << "once" << 59 << false << 14;
    QTest::newRow("once 11") << "once" << 11 << false << 11;
    QTest::newRow("once 44 standard") << "once" << 44 << false << 8;
    QTest::newRow("once 44 extended") << "once" << 44 << true << 44;
    QTest::newRow("once 5") << "once" << 5 << false << 5;
    QTest::newRow("sum4 12345") << "sum4" << 12345 << false << 14;
    QTest::newRow("sum4 1985") << "sum4" << 1985 << false << 23;
}

void TestLetters::otherReductions()
{
    QFETCH(QString, function);
    QFETCH(int, n);
    QFETCH(bool, extended);
    QFETCH(int, result);
    int got = -999;
    if (function == QLatin1String("toDigit"))
        got = reduceToDigit(n);
    else if (function == QLatin1String("keep"))
        got = reduceKeepMasters(n, extended);
    else if (function == QLatin1String("once"))
        got = digitSumOnce(n, extended);
    else if (function == QLatin1String("sum4"))
        got = digitSum4(n);
    QCOMPARE(got, result);
}

void TestLetters::compat_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("reduced");
    QTest::addColumn<int>("step");
    QTest::newRow("11") << 11 << 2 << 11;
    QTest::newRow("22") << 22 << 4 << 22;
    QTest::newRow("33") << 33 << 6 << 33;
    QTest::newRow("29 via 11") << 29 << 2 << 11;
    QTest::newRow("38 via 11") << 38 << 2 << 11;
    QTest::newRow("44 not a master here") << 44 << 8 << 8;
    QTest::newRow("99") << 99 << 9 << 18;
    QTest::newRow("9") << 9 << 9 << 9;
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("negative") << -5 << 0 << -5;
}

void TestLetters::compat()
{
    QFETCH(int, n);
    QFETCH(int, reduced);
    QFETCH(int, step);
    QCOMPARE(compatReduce(n), reduced);
    QCOMPARE(compatStep(n), step);
}

void TestLetters::masters_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<bool>("extended");
    QTest::newRow("11") << 11 << true << true;
    QTest::newRow("22") << 22 << true << true;
    QTest::newRow("33") << 33 << true << true;
    QTest::newRow("44") << 44 << false << true;
    QTest::newRow("99") << 99 << false << true;
    QTest::newRow("110") << 110 << false << false;
    QTest::newRow("12") << 12 << false << false;
    QTest::newRow("0") << 0 << false << false;
}

void TestLetters::masters()
{
    QFETCH(int, n);
    QFETCH(bool, standard);
    QFETCH(bool, extended);
    QCOMPARE(isMasterNumber(n, false), standard);
    QCOMPARE(isMasterNumber(n, true), extended);
    QCOMPARE(isFinalNumber(n, false), standard || (n >= 0 && n <= 9));
    QCOMPARE(isKarmicDebt(n), n == 13 || n == 14 || n == 16 || n == 19);
}

void TestLetters::planeClasses_data()
{
    QTest::addColumn<QChar>("ch");
    QTest::addColumn<int>("cls");
    const struct { char c; int cls; } rows[] = {
        {'A', 0}, {'H', 4}, {'J', 4}, {'N', 4}, {'P', 4}, {'G', 8}, {'L', 8},
        {'E', 1}, {'W', 5}, {'D', 9}, {'M', 9},
        {'I', 2}, {'O', 2}, {'R', 2}, {'Z', 2}, {'B', 6}, {'S', 6}, {'T', 6}, {'X', 6},
        {'K', 3}, {'F', 7}, {'Q', 7}, {'U', 7}, {'Y', 7}, {'C', 11}, {'V', 11},
        {'a', 0}, {'1', -1}, {' ', -1},
    };
    for (const auto &r : rows)
        QTest::newRow(QByteArray(1, r.c).constData()) << QChar(QLatin1Char(r.c)) << r.cls;
    QTest::newRow("accented") << QChar(0x00C9) << -1;
}

void TestLetters::planeClasses()
{
    QFETCH(QChar, ch);
    QFETCH(int, cls);
    QCOMPARE(letterPlaneClass(ch), cls);
    // No letter falls in class 10 (Emotional, Grounded).
    for (char c = 'A'; c <= 'Z'; ++c)
        QVERIFY(letterPlaneClass(QLatin1Char(c)) != 10);
}

void TestLetters::flags()
{
    CalculatorFlags f;
    QCOMPARE(f.toText(), QStringLiteral("100110"));
    QVERIFY(f.lifePathPartSum() && !f.lifePathPlainSum() && !f.lifePathDigitSum());
    QVERIFY(f.wordsToDigit() && f.reduceMasterLetters() && !f.skipMissedTransits());

    QVERIFY(!f.fromText(QStringLiteral("10011")));
    QVERIFY(!f.fromText(QStringLiteral("1001100")));
    QVERIFY(!f.fromText(QStringLiteral("10a110")));
    QCOMPARE(f, CalculatorFlags::defaults());
    QVERIFY(f.fromText(QStringLiteral("011001")));
    QVERIFY(!f.lifePathPartSum() && f.lifePathPlainSum() && f.lifePathDigitSum());
    QVERIFY(!f.wordsToDigit() && !f.reduceMasterLetters() && f.skipMissedTransits());

    // Stored bytes: exactly six, or the flags stay as they are.
    CalculatorFlags g;
    QVERIFY(!g.fromBytes(QByteArray("\x00\x01\x00\x01\x01", 5)));
    QCOMPARE(g, CalculatorFlags::defaults());
    QVERIFY(g.fromBytes(QByteArray("\x00\x02\x00\x00\x01\x01", 6)));
    QCOMPARE(g.toText(), QStringLiteral("010011"));
    QCOMPARE(g.toBytes(), QByteArray("\x00\x01\x00\x00\x01\x01", 6));
}

QTEST_GUILESS_MAIN(TestLetters)
#include "tst_letters.moc"
