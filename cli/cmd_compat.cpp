#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

namespace {

void computeOrFail(CNumerology &engine, CNumerologyPMatrix &matrix, const NumerologyInput &input,
                   bool masters, const char *who)
{
    engine.setExtendedMasters(masters ? 1 : 0);
    if (!engine.calculate(input))
        cliFail(QLatin1String(who) + QStringLiteral(": ") + engine.lastError());
    matrix.calculate(input.fullName, input.birthDate);
}

} // namespace

int cmdCompat(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    const QStringList values =
        QStringList{QStringLiteral("--a-full"), QStringLiteral("--a-short"),
                    QStringLiteral("--a-birth"), QStringLiteral("--b-full"),
                    QStringLiteral("--b-short"), QStringLiteral("--b-birth")} +
        engineValueOptions();
    if (!args.parse(values, engineSwitches(), &error))
        cliFail(error);
    const QString aFull = requiredValue(args, QStringLiteral("--a-full"));
    const QDate aBirth = requiredDate(args, QStringLiteral("--a-birth"));
    const QString bFull = requiredValue(args, QStringLiteral("--b-full"));
    const QDate bBirth = requiredDate(args, QStringLiteral("--b-birth"));
    EngineOptions options = engineOptions(args);
    // Letter marks address one name; they make no sense for two people at once.
    options.fullMarks.clear();
    options.shortMarks.clear();

    CNumerology a, b;
    CNumerologyPMatrix ma, mb;
    computeOrFail(a, ma, personInput(aFull, args.value(QStringLiteral("--a-short")), aBirth, options),
                  options.masters, "person A");
    computeOrFail(b, mb, personInput(bFull, args.value(QStringLiteral("--b-short")), bBirth, options),
                  options.masters, "person B");
    CCompNumerology c;
    c.calculate(a, b, ma, mb);

    QByteArray out;
    JsonWriter json(out);
    json.beginObject();
    json.field("lifePathPercent", c.lifePathPercent);
    json.field("lifePathA", c.lifePathA);
    json.field("lifePathB", c.lifePathB);
    json.field("lifePathCode", c.lifePathCode);
    json.field("homeProductA", c.homeProductA);
    json.field("homeProductB", c.homeProductB);
    json.field("spiritProductA", c.spiritProductA);
    json.field("spiritProductB", c.spiritProductB);
    json.field("homeStability", c.homeStability);
    json.field("spiritualStability", c.spiritualStability);
    json.field("marriageTerm", c.marriageTerm);
    json.field("nameCode", c.nameCode);
    json.field("namePercent", c.namePercent);
    json.field("valuesPercent", c.valuesPercent);
    json.field("characterCode", c.characterCode);
    json.field("energyCode", c.energyCode);
    json.field("lifePathTextCode", c.lifePathTextCode);
    json.field("birthdayA", c.birthdayA);
    json.field("birthdayB", c.birthdayB);
    json.field("birthdayCode", c.birthdayCode);
    json.field("birthdayPercent", c.birthdayPercent);
    json.field("birthdayTextCode", c.birthdayTextCode);
    json.field("nameA", c.nameA);
    json.field("nameB", c.nameB);
    json.field("nameTextCode", c.nameTextCode);
    json.field("familyPercent", c.familyPercent);
    json.field("totalPercent", c.totalPercent);
    json.field("lifePathCalcText", c.lifePathCalcText);
    json.field("lifePathPercentText", c.lifePathPercentText);
    json.field("birthdayCalcText", c.birthdayCalcText);
    json.field("birthdayPercentText", c.birthdayPercentText);
    json.field("homeProductAText", c.homeProductAText);
    json.field("homeProductBText", c.homeProductBText);
    json.field("spiritProductAText", c.spiritProductAText);
    json.field("spiritProductBText", c.spiritProductBText);
    json.field("homeStabilityText", c.homeStabilityText);
    json.field("spiritualStabilityText", c.spiritualStabilityText);
    json.field("marriageTermText", c.marriageTermText);
    json.field("familyPercentText", c.familyPercentText);
    json.field("valuesPercentText", c.valuesPercentText);
    json.field("nameCalcText", c.nameCalcText);
    json.field("namePercentText", c.namePercentText);
    json.field("totalPercentText", c.totalPercentText);
    json.endObject().newline();
    cliWrite(out);
    return 0;
}
