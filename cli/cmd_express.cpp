#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "engine/cnumerology.h"
#include "engine/namecleaning.h"

namespace {

QString cleanedOrRaw(const QString &text, bool raw)
{
    return raw ? text : qz::cleanName(text.left(300));
}

} // namespace

int cmdExpress(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse({QStringLiteral("--name"), QStringLiteral("--date"), QStringLiteral("--flags")},
                    {QStringLiteral("--chaldean"), QStringLiteral("--masters"),
                     QStringLiteral("--raw")},
                    &error))
        cliFail(error);
    const QString typed = requiredValue(args, QStringLiteral("--name"));
    const QString name = args.has(QStringLiteral("--raw")) ? typed : qz::cleanAdvisorName(typed);
    const QDate date = optionalDate(args, QStringLiteral("--date"), QDate());
    if (args.has(QStringLiteral("--flags")) &&
        !calculatorFlags().fromText(args.value(QStringLiteral("--flags"))))
        cliFail(QStringLiteral("--flags needs six characters 0 or 1 (e.g. 100110), not '%1'")
                    .arg(args.value(QStringLiteral("--flags"))));
    if (name.trimmed().isEmpty())
        cliFail(QStringLiteral("Enter your data before calculation!"));

    CNumerology engine;
    engine.setExtendedMasters(args.has(QStringLiteral("--masters")) ? 1 : 0);
    if (!engine.calculateExpress(name, date, args.has(QStringLiteral("--chaldean"))))
        cliFail(engine.lastError());

    QByteArray out;
    JsonWriter json(out);
    json.beginObject();
    json.field("fullNameUpper", engine.fullNameUpper);
    json.field("chaldeanMode", engine.chaldeanMode);
    json.field("birthDate", date);
    if (date.isValid()) {
        json.field("lifePath", engine.lifePath);
        json.field("lifePathText", engine.lifePathText);
    } else {
        json.key("lifePath").null();
        json.key("lifePathText").null();
    }
    json.field("expression", engine.expression);
    json.field("expressionText", engine.expressionText);
    json.field("expressionRaw", engine.expressionRaw);
    json.field("expressionCalc", engine.expressionCalc);
    json.field("heartDesire", engine.heartDesire);
    json.field("heartDesireText", engine.heartDesireText);
    json.field("heartDesireCalc", engine.heartDesireCalc);
    json.field("personality", engine.personality);
    json.field("personalityText", engine.personalityText);
    json.field("personalityCalc", engine.personalityCalc);
    json.field("vowelDigits", engine.vowelDigits);
    json.field("consonantDigits", engine.consonantDigits);
    json.field("karmicLessonsText", engine.karmicLessonsText);
    json.field("planesCellTexts", engine.planesCellTexts, NumerologyProfile::PlanesCellCount);
    json.field("planesCells", engine.planesCells, NumerologyProfile::PlanesCellCount);
    json.field("planeNumbers", engine.planeNumbers, 4);
    json.endObject().newline();
    cliWrite(out);
    return 0;
}

int cmdPet(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse({QStringLiteral("--name"), QStringLiteral("--birth"), QStringLiteral("--target"),
                     QStringLiteral("--flags")},
                    {QStringLiteral("--raw")}, &error))
        cliFail(error);
    const QString name = cleanedOrRaw(requiredValue(args, QStringLiteral("--name")),
                                      args.has(QStringLiteral("--raw")));
    const QDate birth = requiredDate(args, QStringLiteral("--birth"));
    const QDate target = optionalDate(args, QStringLiteral("--target"), QDate::currentDate());
    if (args.has(QStringLiteral("--flags")) &&
        !calculatorFlags().fromText(args.value(QStringLiteral("--flags"))))
        cliFail(QStringLiteral("--flags needs six characters 0 or 1 (e.g. 100110), not '%1'")
                    .arg(args.value(QStringLiteral("--flags"))));

    CNumerology engine;
    if (!engine.calculatePet(name, birth, target))
        cliFail(engine.lastError());

    QByteArray out;
    JsonWriter json(out);
    json.beginObject();
    json.field("fullNameUpper", engine.fullNameUpper);
    json.field("birthDate", engine.birthDate);
    json.field("targetDate", engine.targetDate);
    json.field("petNumber", engine.petNumber);
    json.field("petBirthdayCode", engine.petBirthdayCode);
    json.field("petForecastDayCode", engine.petForecastDayCode);
    json.field("petDayForecast", engine.petDayForecast);
    json.field("expressionText", engine.expressionText);
    json.field("expressionCalc", engine.expressionCalc);
    json.field("expressionRaw", engine.expressionRaw);
    json.field("birthdayText", engine.birthdayText);
    json.field("personalYearText", engine.personalYearText);
    json.endObject().newline();
    cliWrite(out);
    return 0;
}
