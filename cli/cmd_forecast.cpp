#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "engine/cnumerology.h"
#include "engine/numerologymath.h"

namespace {

void writeEntries(JsonWriter &json, const char *name, const QVector<ForecastEntry> &entries)
{
    json.key(name).beginArray();
    for (const ForecastEntry &e : entries)
        json.beginObject().field("date", e.date).field("number", e.number).endObject();
    json.endArray();
}

void writeCells(JsonWriter &json, const char *name, const QVector<CalendarCell> &cells)
{
    json.key(name).beginArray();
    for (const CalendarCell &c : cells)
        json.beginObject()
            .field("date", c.date)
            .field("number", c.number)
            .field("text", c.text)
            .endObject();
    json.endArray();
}

} // namespace

int cmdForecast(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    QStringList values = engineValueOptions();
    values << QStringLiteral("--birth") << QStringLiteral("--full");
    if (!args.parse(values, engineSwitches(), &error))
        cliFail(error);
    const QDate birth = requiredDate(args, QStringLiteral("--birth"));
    const EngineOptions options = engineOptions(args);
    const bool withName = args.has(QStringLiteral("--full"));
    NumerologyInput input = personInput(args.value(QStringLiteral("--full")), QString(), birth,
                                        options);
    // Personal numbers need only the birth date; a name adds the transits.
    input.calcOnly = true;
    CNumerology engine;
    engine.setExtendedMasters(options.masters ? 1 : 0);
    engine.calculate(input);

    const QDate target = engine.targetDate;
    const int age = engine.ageAt(target);
    QByteArray out;
    JsonWriter json(out);
    json.beginObject();
    json.field("birthDate", engine.birthDate);
    json.field("targetDate", target);
    json.field("targetYear", engine.targetYear);
    json.field("personalYearBase", engine.personalYearBase);
    json.field("personalYear", engine.personalYearFor(target));
    json.field("personalMonth", engine.personalMonthFor(target));
    json.field("personalDay", engine.personalDayFor(target));
    json.field("personalYearText", engine.personalYearText);
    json.field("age", age);
    writeEntries(json, "years", engine.forecastYears());
    writeEntries(json, "months", engine.forecastMonths());
    writeEntries(json, "days", engine.forecastDays());
    json.key("calendar").beginObject();
    writeCells(json, "years", engine.calendarYears());
    writeCells(json, "months", engine.calendarMonths());
    writeCells(json, "days", engine.calendarDays());
    json.endObject();
    if (withName) {
        json.field("fullNameUpper", engine.fullNameUpper);
        json.field("physicalTransit", engine.physicalTransit);
        json.field("mentalTransit", engine.mentalTransit);
        json.field("spiritualTransit", engine.spiritualTransit);
        json.field("essence", engine.essence, NumerologyProfile::TransitLength);
        json.field("essenceRaw", engine.essenceRaw, NumerologyProfile::TransitLength);
        json.key("atAge");
        if (age >= 0 && age <= 99) {
            json.beginObject();
            json.field("physical", QString(engine.physicalTransit.at(age)));
            json.field("mental", QString(engine.mentalTransit.at(age)));
            json.field("spiritual", QString(engine.spiritualTransit.at(age)));
            json.field("essence", engine.essence[age]);
            json.field("essenceRaw", engine.essenceRaw[age]);
            json.endObject();
        } else {
            json.null();
        }
    }
    json.endObject().newline();
    cliWrite(out);
    return 0;
}
