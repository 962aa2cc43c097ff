#include "cli/batchrunner.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <cstring>

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

BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const EngineOptions &options,
                     int threads)
{
    BatchPipeline pipeline(options, threads, out, err);
    char line[8192];
    int lineNumber = 0;
    while (std::fgets(line, sizeof line, in)) {
        ++lineNumber;
        size_t len = std::strlen(line);
        bool tooLong = false;
        if (len == sizeof line - 1 && line[len - 1] != '\n') {
            // Overlong line: skip the rest of it instead of growing a buffer.
            tooLong = true;
            int c;
            while ((c = std::fgetc(in)) != EOF && c != '\n') {
            }
        }
        while (len > 0 && (line[len - 1] == '\n' || line[len - 1] == '\r'))
            line[--len] = '\0';
        const QString text = QString::fromUtf8(line, static_cast<int>(len));
        if (!tooLong && text.trimmed().isEmpty())
            continue;
        if (tooLong)
            pipeline.add(lineNumber, QString(), QStringLiteral("line longer than %1 bytes").arg(sizeof line - 2));
        else
            pipeline.add(lineNumber, text);
    }
    return pipeline.finish();
}
