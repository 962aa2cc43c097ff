#include "texts/celebritynumbers.h"

#include "engine/calculatorflags.h"
#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/namecleaning.h"
#include "texts/interpretationtexts.h"

CelebrityNumbers computeCelebrityNumbers(const QString &name, const QDate &born)
{
    CalculatorFlags &flags = calculatorFlags();
    const CalculatorFlags saved = flags;
    flags = CalculatorFlags::defaults();

    NumerologyInput input;
    input.fullName = qz::cleanName(name);
    input.shortName = qz::defaultShortName(input.fullName);
    input.birthDate = born;
    input.targetDate = born;
    input.calcOnly = true;
    CNumerology engine;
    engine.setExtendedMasters(0);
    engine.calculate(input);
    flags = saved;

    CelebrityNumbers numbers;
    numbers.lifePath = qMax(engine.lifePath, 0);
    numbers.birthDay = engine.birthdayNumber;
    numbers.expression = engine.expression;
    return numbers;
}

void fillCelebrityTable(CelebrityTable &table)
{
    table.clear();
    for (int i = 0; i < CelebrityTable::Capacity && i < kCelebrityCapacity; ++i) {
        CelebrityRecord &record = table.record(i);
        record.lifePath = celebrityLifePath(i);
        record.birthDayNumber = celebrityBirthDayNumber(i);
        record.expression = celebrityExpression(i);
        record.name = celebrityName(i);
        record.secondLine = celebritySecondLine(i);
        record.packedDate = celebrityPackedDate(i);
    }
}
