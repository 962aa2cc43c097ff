#include "cli/batchrunner.h"
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

namespace {

QStringList profileValueOptions()
{
    return QStringList{QStringLiteral("--full"), QStringLiteral("--short"),
                       QStringLiteral("--birth")} +
           engineValueOptions();
}

} // namespace

int cmdProfile(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse(profileValueOptions(), engineSwitches(), &error))
        cliFail(error);
    const QString full = requiredValue(args, QStringLiteral("--full"));
    const QDate birth = requiredDate(args, QStringLiteral("--birth"));
    const EngineOptions options = engineOptions(args);
    const NumerologyInput input =
        personInput(full, args.value(QStringLiteral("--short")), birth, options);

    CNumerology engine;
    CNumerologyPMatrix matrix;
    if (!computePerson(engine, matrix, input, options.masters, &error))
        cliFail(error);
    QByteArray out;
    out.reserve(8192);
    JsonWriter json(out);
    writeProfileJson(json, engine, &matrix);
    json.newline();
    cliWrite(out);
    return 0;
}

int cmdBatch(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse(engineValueOptions(), engineSwitches(), &error))
        cliFail(error);
    const EngineOptions options = engineOptions(args);
    const BatchResult result = runBatch(stdin, stdout, stderr, options);
    return result.failed > 0 ? 2 : 0;
}
