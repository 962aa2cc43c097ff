#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <cstdio>
#include <cstring>

namespace {

// Computes one person: profile then psychomatrix. False with the engine's
// message when the names give a tested number of 0.
bool computePerson(CNumerology &engine, CNumerologyPMatrix &matrix, const NumerologyInput &input,
                   bool masters, QString *error)
{
    engine.setExtendedMasters(masters ? 1 : 0);
    if (!engine.calculate(input)) {
        *error = engine.lastError();
        return false;
    }
    matrix.calculate(input.fullName, input.birthDate);
    return true;
}

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

// One CSV field list "full,short,birth[,target]"; false with a message.
bool batchLine(const QString &line, const EngineOptions &defaults, NumerologyInput *input,
               QString *error)
{
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() < 3 || fields.size() > 4) {
        *error = QStringLiteral("expected full,short,birth[,target] but got %1 fields")
                     .arg(fields.size());
        return false;
    }
    QDate birth;
    if (!parseIsoDate(fields.at(2), &birth, error))
        return false;
    EngineOptions options = defaults;
    if (fields.size() == 4 && !fields.at(3).trimmed().isEmpty() &&
        !parseIsoDate(fields.at(3), &options.target, error))
        return false;
    if (fields.at(0).trimmed().isEmpty()) {
        *error = QStringLiteral("empty full name");
        return false;
    }
    *input = personInput(fields.at(0), fields.at(1), birth, options);
    return true;
}

} // namespace

int cmdBatch(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse(engineValueOptions(), engineSwitches(), &error))
        cliFail(error);
    const EngineOptions options = engineOptions(args);

    CNumerology engine;
    CNumerologyPMatrix matrix;
    QByteArray out;
    out.reserve(1 << 20);
    JsonWriter json(out);
    static char buffer[8192];
    int lineNumber = 0;
    bool failed = false;
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        ++lineNumber;
        size_t len = std::strlen(buffer);
        bool tooLong = false;
        if (len == sizeof buffer - 1 && buffer[len - 1] != '\n') {
            // Overlong line: skip the rest of it instead of growing a buffer.
            tooLong = true;
            int c;
            while ((c = std::fgetc(stdin)) != EOF && c != '\n') {
            }
        }
        while (len > 0 && (buffer[len - 1] == '\n' || buffer[len - 1] == '\r'))
            buffer[--len] = '\0';
        const QString line = QString::fromUtf8(buffer, static_cast<int>(len));
        if (!tooLong && line.trimmed().isEmpty())
            continue;
        NumerologyInput input;
        if (tooLong)
            error = QStringLiteral("line longer than %1 bytes").arg(sizeof buffer - 2);
        if (tooLong || !batchLine(line, options, &input, &error) ||
            !computePerson(engine, matrix, input, options.masters, &error)) {
            failed = true;
            std::fprintf(stderr, "qznum-cli: line %d: %s\n", lineNumber,
                         error.toLocal8Bit().constData());
            json.beginObject().field("line", lineNumber).field("error", error).endObject();
        } else {
            writeProfileJson(json, engine, &matrix);
        }
        json.newline();
        if (out.size() > (1 << 20) - 65536) {
            std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
            out.resize(0);
        }
    }
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    std::fflush(stdout);
    return failed ? 2 : 0;
}
