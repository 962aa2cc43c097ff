#include "cli/batchprogress.h"
#include "cli/batchrunner.h"
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <QThread>

#include <algorithm>
#include <memory>

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

namespace {

// The value of @p option among @p choices (lower case), @p fallback when absent; fails otherwise.
int choice(const CliArgs &args, const QString &option, const QStringList &choices, int fallback)
{
    if (!args.has(option))
        return fallback;
    const int index = choices.indexOf(args.value(option).trimmed().toLower());
    if (index < 0)
        cliFail(QStringLiteral("%1 must be %2, not '%3'")
                    .arg(option, choices.join(QStringLiteral(" or ")), args.value(option)));
    return index;
}

} // namespace

int cmdBatch(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    const QStringList valueOptions{QStringLiteral("--threads"), QStringLiteral("--format"),
                                   QStringLiteral("--fields"), QStringLiteral("--input-format"),
                                   QStringLiteral("--date-order")};
    const QStringList switches{QStringLiteral("--header"), QStringLiteral("--no-header"),
                               QStringLiteral("--list-fields")};
    if (!args.parse(engineValueOptions() + valueOptions, engineSwitches() + switches, &error))
        cliFail(error);
    if (args.has(QStringLiteral("--list-fields"))) {
        cliWrite(ProfileFieldSelection::allNames().join(QLatin1Char('\n')).toUtf8() + '\n');
        return 0;
    }
    BatchOptions options;
    options.engine = engineOptions(args);
    int threads = QThread::idealThreadCount();
    if (args.has(QStringLiteral("--threads"))) {
        bool ok = false;
        threads = args.value(QStringLiteral("--threads")).toInt(&ok);
        if (!ok || threads < 1 || threads > 256)
            cliFail(QStringLiteral("--threads wants a number of threads from 1 to 256"));
    }
    options.format = static_cast<BatchFormat>(
        choice(args, QStringLiteral("--format"), {QStringLiteral("jsonl"), QStringLiteral("csv"), QStringLiteral("tsv")}, 0));
    options.inputDelimiter =
        choice(args, QStringLiteral("--input-format"), {QStringLiteral("csv"), QStringLiteral("tsv")}, 0) == 1 ? '\t' : ',';
    options.dateOrder = static_cast<DateOrder>(
        choice(args, QStringLiteral("--date-order"), {QStringLiteral("ymd"), QStringLiteral("dmy"), QStringLiteral("mdy")}, 0));
    if (args.has(QStringLiteral("--header")) && args.has(QStringLiteral("--no-header")))
        cliFail(QStringLiteral("--header and --no-header exclude each other"));
    options.header = args.has(QStringLiteral("--header"))      ? HeaderMode::Yes
                     : args.has(QStringLiteral("--no-header")) ? HeaderMode::No
                                                               : HeaderMode::Auto;
    if (args.has(QStringLiteral("--fields")) && !options.fields.parse(args.value(QStringLiteral("--fields")), &error))
        cliFail(error);

    std::unique_ptr<BatchProgress> progress;
    if (BatchProgress::isTerminal(stderr))
        progress = std::make_unique<BatchProgress>(stdin, stderr);
    const BatchResult result = runBatch(stdin, stdout, stderr, options, std::max(1, threads), progress.get());
    if (!result.fatal.isEmpty())
        cliFail(result.fatal);
    return result.failed > 0 ? 2 : 0;
}
