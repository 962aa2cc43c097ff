#include "cli/batchrunner.h"

#include "cli/batchlinereader.h"

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

BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const EngineOptions &options,
                     int threads)
{
    BatchPipeline pipeline(options, threads, out, err);
    BatchLineReader reader(in);
    BatchLineReader::Line line;
    while (reader.next(line)) {
        if (!line.error.isEmpty())
            pipeline.add(line.number, QString(), line.error);
        else if (!line.text.trimmed().isEmpty())
            pipeline.add(line.number, line.text);
    }
    return pipeline.finish();
}
