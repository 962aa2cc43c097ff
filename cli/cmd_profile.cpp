#include "cli/batchrunner.h"
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <QThread>

#include <algorithm>

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
    if (!args.parse(engineValueOptions() << QStringLiteral("--threads"), engineSwitches(), &error))
        cliFail(error);
    const EngineOptions options = engineOptions(args);
    int threads = QThread::idealThreadCount();
    if (args.has(QStringLiteral("--threads"))) {
        bool ok = false;
        threads = args.value(QStringLiteral("--threads")).toInt(&ok);
        if (!ok || threads < 1 || threads > 256)
            cliFail(QStringLiteral("--threads wants a number of threads from 1 to 256"));
    }
    const BatchResult result = runBatch(stdin, stdout, stderr, options, std::max(1, threads));
    return result.failed > 0 ? 2 : 0;
}
