#include "cli/batchrunner.h"

#include "cli/batchlinereader.h"
#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"


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

constexpr int FlushSize = 1 << 20;

} // namespace

BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const EngineOptions &options)
{
    BatchResult result;
    CNumerology engine;
    CNumerologyPMatrix matrix;
    QByteArray buffer;
    buffer.reserve(FlushSize + 65536);
    JsonWriter json(buffer);
    BatchLineReader reader(in);
    BatchLineReader::Line line;
    QString error;
    NumerologyInput input;
    while (reader.next(line)) {
        const int lineNumber = line.number;
        const bool unreadable = !line.error.isEmpty();
        if (!unreadable && line.text.trimmed().isEmpty())
            continue;
        if (unreadable)
            error = line.error;
        if (unreadable || !batchLine(line.text, options, &input, &error) ||
            !computePerson(engine, matrix, input, options.masters, &error)) {
            ++result.failed;
            std::fprintf(err, "qznum-cli: line %d: %s\n", lineNumber,
                         error.toUtf8().constData());
            json.beginObject().field("line", lineNumber).field("error", error).endObject();
        } else {
            ++result.written;
            writeProfileJson(json, engine, &matrix);
        }
        json.newline();
        if (buffer.size() >= FlushSize) {
            std::fwrite(buffer.constData(), 1, static_cast<size_t>(buffer.size()), out);
            buffer.truncate(0);
        }
    }
    std::fwrite(buffer.constData(), 1, static_cast<size_t>(buffer.size()), out);
    std::fflush(out);
    return result;
}
