// The shipped celebrity records agree with the engine and take part in matching.

#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/namecleaning.h"
#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"

#include <QtTest>

class TestCelebrityData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void numbersAgreeWithTheEngine();
    void everyCelebrityMatchesItself();
};

void TestCelebrityData::initTestCase()
{
    QVERIFY2(loadInterpretationTexts(QStringLiteral(QZ_BIN_DIR "/eng.dat")), "build/bin/eng.dat is missing");
    if (celebrityRecordCount() == 0)
        QSKIP("the shipped data holds no celebrity records yet");
}

void TestCelebrityData::numbersAgreeWithTheEngine()
{
    QStringList wrong;
    for (int i = 0; i < kCelebrityCount; ++i) {
        if (!hasCelebrity(i))
            continue;
        const QDate born = celebrityBirthDate(i);
        if (!born.isValid()) {
            wrong << QStringLiteral("%1 %2: no valid birth date").arg(i).arg(celebrityName(i));
            continue;
        }
        const CelebrityNumbers n = computeCelebrityNumbers(celebrityName(i), born);
        if (n.lifePath != celebrityLifePath(i) || n.birthDay != celebrityBirthDayNumber(i)
            || n.expression != celebrityExpression(i)) {
            wrong << QStringLiteral("%1 %2: stored %3/%4/%5, engine %6/%7/%8")
                         .arg(i)
                         .arg(celebrityName(i))
                         .arg(celebrityLifePath(i))
                         .arg(celebrityBirthDayNumber(i))
                         .arg(celebrityExpression(i))
                         .arg(n.lifePath)
                         .arg(n.birthDay)
                         .arg(n.expression);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// A person typed with a celebrity's own name and birth date shares all three
// numbers, so the engine must list that celebrity in every list.
void TestCelebrityData::everyCelebrityMatchesItself()
{
    CelebrityTable table;
    fillCelebrityTable(table);
    QStringList unmatched;
    for (int i = 0; i < kCelebrityCount; ++i) {
        if (!hasCelebrity(i))
            continue;
        NumerologyInput input;
        input.fullName = qz::cleanName(celebrityName(i));
        input.shortName = qz::defaultShortName(input.fullName);
        input.birthDate = celebrityBirthDate(i);
        input.targetDate = QDate(2026, 1, 1);
        input.calcOnly = true;
        CNumerology engine;
        engine.calculateCelebrities(input, table);
        if (!engine.celebrityLifePathMatches.contains(i) || !engine.celebrityBirthDayMatches.contains(i)
            || !engine.celebrityExpressionMatches.contains(i))
            unmatched << QStringLiteral("%1 %2").arg(i).arg(celebrityName(i));
    }
    QVERIFY2(unmatched.isEmpty(), qPrintable(unmatched.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestCelebrityData)
#include "tst_celebritydata.moc"
