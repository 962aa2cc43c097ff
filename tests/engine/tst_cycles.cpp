// Personal year, month and day, the forecast lists and calendar, age, transits
// and essence.

#include "engine/calculatorflags.h"
#include "engine/cnumerology.h"
#include "engine/numerologymath.h"

#include <QtTest>

namespace {

CNumerology person(const QString &full, const QDate &birth, const QDate &target,
                   bool chaldean = false)
{
    CNumerology n;
    NumerologyInput in;
    in.fullName = full;
    in.shortName = full;
    in.birthDate = birth;
    in.targetDate = target;
    in.chaldean = chaldean;
    in.calcOnly = true;
    n.calculate(in);
    return n;
}

QVector<int> numbers(const QVector<ForecastEntry> &entries)
{
    QVector<int> out;
    for (const ForecastEntry &e : entries)
        out.append(e.number);
    return out;
}

} // namespace

class TestCycles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { calculatorFlags() = CalculatorFlags::defaults(); }

    void personalNumbers_data();
    void personalNumbers();
    void forecastLists();
    void calendar();
    void age_data();
    void age();
    void transits_data();
    void transits();
    void essence_data();
    void essence();
    void zeroValueNameStops();
    void essenceValuesAreCounted();
};

void TestCycles::personalNumbers_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("2024-01-31") << QDate(2024, 1, 31) << 3 << 4 << 8;
    QTest::newRow("2024-02-29") << QDate(2024, 2, 29) << 3 << 5 << 7;
    QTest::newRow("2031-07-01") << QDate(2031, 7, 1) << 1 << 8 << 9;
    QTest::newRow("before birth") << QDate(1900, 1, 1) << 5 << 6 << 7;
}

void TestCycles::personalNumbers()
{
    QFETCH(QDate, date);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    // Born 29 November: D = 11, M = 11, base fr(2 + 2) = 4.
    const CNumerology n = person(QStringLiteral("John Smith"), QDate(1985, 11, 29), date);
    QCOMPARE(n.personalYearBase, 4);
    QCOMPARE(n.personalYearFor(date), year);
    QCOMPARE(n.personalMonthFor(date), month);
    QCOMPARE(n.personalDayFor(date), day);
    QCOMPARE(n.personalYearText, QString::number(year));
    QCOMPARE(n.personalYear, year);
}

void TestCycles::forecastLists()
{
    const CNumerology n = person(QStringLiteral("John Smith"), QDate(1985, 11, 29),
                                 QDate(2024, 1, 31));
    const QVector<ForecastEntry> years = n.forecastYears();
    QCOMPARE(numbers(years), (QVector<int>{3, 4, 5, 6, 7, 8, 9, 1, 2}));
    QCOMPARE(years.last().date.year(), 2032);

    const QVector<ForecastEntry> months = n.forecastMonths();
    QCOMPARE(numbers(months), (QVector<int>{4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6}));
    // addMonths from the 31st: the next entry is the last day of February.
    QCOMPARE(months.at(1).date, QDate(2024, 2, 29));
    QCOMPARE(months.at(3).date, QDate(2024, 4, 30));

    const QVector<ForecastEntry> days = n.forecastDays();
    QCOMPARE(numbers(days), (QVector<int>{8, 6, 7, 8, 9, 1, 2, 3, 4}));
    QCOMPARE(days.at(1).date, QDate(2024, 2, 1));
}

void TestCycles::calendar()
{
    const CNumerology n = person(QStringLiteral("John Smith"), QDate(1985, 11, 29),
                                 QDate(2024, 1, 31));
    const QVector<CalendarCell> years = n.calendarYears();
    const QVector<CalendarCell> months = n.calendarMonths();
    const QVector<CalendarCell> days = n.calendarDays();
    QCOMPARE(years.size(), 12);
    QCOMPARE(months.size(), 12);
    QCOMPARE(days.size(), 12);
    QCOMPARE(years.at(0).text, QStringLiteral("2024\n(3)"));
    QCOMPARE(years.at(11).text, QStringLiteral("2035\n(5)"));
    QCOMPARE(months.at(0).text, QStringLiteral("Jan (4)"));
    QCOMPARE(months.at(1).text, QStringLiteral("Feb (5)"));
    QCOMPARE(months.at(11).text, QStringLiteral("Dec (6)"));
    QCOMPARE(days.at(0).text, QStringLiteral("31 (8)"));
    QCOMPARE(days.at(1).text, QStringLiteral("1 (6)"));
    QCOMPARE(days.at(11).text, QStringLiteral("11 (7)"));
}

void TestCycles::age_data()
{
    QTest::addColumn<QDate>("target");
    QTest::addColumn<int>("age");
    QTest::newRow("day before birthday") << QDate(2024, 11, 28) << 38;
    QTest::newRow("on the birthday") << QDate(2024, 11, 29) << 39;
    QTest::newRow("later month") << QDate(2024, 12, 1) << 39;
    QTest::newRow("earlier month") << QDate(2024, 10, 30) << 38;
    QTest::newRow("day of birth") << QDate(1985, 11, 29) << 0;
    QTest::newRow("before birth") << QDate(1985, 11, 28) << -1;
}

void TestCycles::age()
{
    QFETCH(QDate, target);
    QFETCH(int, age);
    const CNumerology n = person(QStringLiteral("Ann"), QDate(1985, 11, 29), target);
    QCOMPARE(n.ageAt(target), age);
}

void TestCycles::transits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<QString>("physical");
    QTest::addColumn<QString>("mental");
    QTest::addColumn<QString>("spiritual");
    const QString blank(12, QLatin1Char(' '));
    QTest::newRow("one word fills all three") << "Ann" << false << false << "ANNNNNNNNNNA"
                                              << "ANNNNNNNNNNA" << "ANNNNNNNNNNA";
    QTest::newRow("one word, missed ones skipped") << "Ann" << true << false << "ANNNNNNNNNNA"
                                                   << blank << blank;
    QTest::newRow("two words: mental copies the last") << "Ann Lee" << false << false
                                                       << "ANNNNNNNNNNA" << "LLLEEEEEEEEE"
                                                       << "LLLEEEEEEEEE";
    QTest::newRow("two words, missed skipped") << "Ann Lee" << true << false << "ANNNNNNNNNNA"
                                               << blank << "LLLEEEEEEEEE";
    QTest::newRow("three words") << "John Paul Smith" << false << false << "JOOOOOOHHHHH"
                                 << "PPPPPPPAUUUL" << "SMMMMIIIIIII";
    QTest::newRow("middle words joined") << "A B C D" << true << false << "AAAAAAAAAAAA"
                                         << "BBCCCBBCCCBB" << "DDDDDDDDDDDD";
    QTest::newRow("empty first word becomes X") << " Ann" << false << false << "XXXXXXXXXXXX"
                                                << "ANNNNNNNNNNA" << "ANNNNNNNNNNA";
    QTest::newRow("non-letters are dropped") << "An-n" << false << false << "ANNNNNNNNNNA"
                                             << "ANNNNNNNNNNA" << "ANNNNNNNNNNA";
    QTest::newRow("chaldean values") << "Fox" << false << true << "FFFFFFFFOOOO" << "FFFFFFFFOOOO"
                                     << "FFFFFFFFOOOO";
}

void TestCycles::transits()
{
    QFETCH(QString, name);
    QFETCH(bool, skip);
    QFETCH(bool, chaldean);
    QFETCH(QString, physical);
    QFETCH(QString, mental);
    QFETCH(QString, spiritual);
    calculatorFlags().setSkipMissedTransits(skip);
    const CNumerology n = person(name, QDate(1985, 11, 29), QDate(2024, 1, 1), chaldean);
    QCOMPARE(n.physicalTransit.size(), 128);
    QCOMPARE(n.mentalTransit.size(), 128);
    QCOMPARE(n.spiritualTransit.size(), 128);
    QCOMPARE(n.physicalTransit.left(12), physical);
    QCOMPARE(n.mentalTransit.left(12), mental);
    QCOMPARE(n.spiritualTransit.left(12), spiritual);
}

void TestCycles::essence_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("value");
    QTest::newRow("16 stays") << "G A H" << false << 0 << 16 << 16;
    QTest::newRow("19 stays") << "I A I" << false << 0 << 19 << 19;
    QTest::newRow("13 reduces") << "D A H" << false << 0 << 13 << 4;
    QTest::newRow("22 is a master") << "E H I" << false << 0 << 22 << 22;
    QTest::newRow("three times A") << "Ann" << false << 0 << 3 << 3;
    QTest::newRow("three times N") << "Ann" << false << 1 << 15 << 6;
    QTest::newRow("physical alone") << "Ann" << true << 1 << 5 << 5;
    QTest::newRow("two words skipped") << "Ann Lee" << true << 0 << 4 << 4;
    QTest::newRow("two words copied") << "Ann Lee" << false << 0 << 7 << 7;
}

void TestCycles::essence()
{
    QFETCH(QString, name);
    QFETCH(bool, skip);
    QFETCH(int, age);
    QFETCH(int, raw);
    QFETCH(int, value);
    calculatorFlags().setSkipMissedTransits(skip);
    const CNumerology n = person(name, QDate(1985, 11, 29), QDate(2024, 1, 1));
    QCOMPARE(n.essenceRaw[age], raw);
    QCOMPARE(n.essence[age], value);
    if (raw == 13)
        QVERIFY(n.valueCounters[13] > 0); // 13 is met and counted on the way
}

void TestCycles::zeroValueNameStops()
{
    // Accented letters are letters worth 0: their transit cannot fill and stays blank.
    const QString name = QString(QChar(0x00C9)) + QChar(0x00C9) + QStringLiteral(" SMITH");
    const CNumerology n = person(name, QDate(1985, 11, 29), QDate(2024, 1, 1));
    QCOMPARE(n.physicalTransit, QString(128, QLatin1Char(' ')));
    QCOMPARE(n.spiritualTransit.left(5), QStringLiteral("SMMMM"));
    QCOMPARE(n.essenceRaw[0], 2); // S in both the mental and the spiritual transit
}

void TestCycles::essenceValuesAreCounted()
{
    // With an empty short name the last counts of a calculation are those of the
    // maturity and of every year's essence: check them one reduction at a time.
    for (const char *name : {"John Paul Smith", "Ann", "G A H"}) {
        CNumerology n;
        NumerologyInput in;
        in.fullName = QString::fromLatin1(name);
        in.birthDate = QDate(1985, 11, 29);
        in.targetDate = QDate(2024, 1, 1);
        in.calcOnly = true;
        QVERIFY(n.calculate(in));
        int expected[128] = {};
        qz::reduceNumber(n.maturityRaw, false, expected, 128);
        for (int age = 0; age < 128; ++age)
            if (n.essenceRaw[age] != 16 && n.essenceRaw[age] != 19)
                qz::reduceNumber(n.essenceRaw[age], false, expected, 128);
        for (int v = 0; v < 128; ++v)
            QCOMPARE(n.valueCounters[v], expected[v]);
    }
}

QTEST_GUILESS_MAIN(TestCycles)
#include "tst_cycles.moc"
