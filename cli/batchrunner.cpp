#include "cli/batchrunner.h"

#include "cli/batchprogress.h"
#include "cli/batchrecordreader.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

bool computePerson(CNumerology &engine, CNumerologyPMatrix &matrix, const NumerologyInput &input,
                   bool masters, QString *error, bool withMatrix)
{
    engine.setExtendedMasters(masters ? 1 : 0);
    if (!engine.calculate(input)) {
        *error = engine.lastError();
        return false;
    }
    if (withMatrix)
        matrix.calculate(input.fullName, input.birthDate);
    return true;
}

namespace {

const char *const ColumnNames[] = {"full", "short", "birth", "target"};

// A row that names a "full" or "birth" column and holds no date is a header.
bool looksLikeHeader(const QStringList &fields, DateOrder order)
{
    bool named = false;
    for (const QString &field : fields) {
        const QString name = field.trimmed().toLower();
        named = named || name == QLatin1String("full") || name == QLatin1String("birth");
        QDate date;
        QString error;
        if (parseBatchDate(field, order, &date, &error))
            return false;
    }
    return named;
}

// The columns a header names; false with a message when one is missing or doubled.
bool headerColumns(const QStringList &fields, BatchColumns *columns, QString *error)
{
    int found[4] = {-1, -1, -1, -1};
    for (int i = 0; i < fields.size(); ++i) {
        const QString name = fields.at(i).trimmed().toLower();
        for (int k = 0; k < 4; ++k) {
            if (name != QLatin1String(ColumnNames[k]))
                continue;
            if (found[k] >= 0) {
                *error = QStringLiteral("the header names the column '%1' twice").arg(name);
                return false;
            }
            found[k] = i;
        }
    }
    for (int k : {0, 2}) {
        if (found[k] < 0) {
            *error = QStringLiteral("the header row has no '%1' column (it names: %2)")
                         .arg(QLatin1String(ColumnNames[k]), fields.join(QStringLiteral(", ")));
            return false;
        }
    }
    columns->full = found[0];
    columns->shortName = found[1];
    columns->birth = found[2];
    columns->target = found[3];
    columns->fromHeader = true;
    return true;
}

void writeCsvHeader(std::FILE *out, const BatchOptions &options)
{
    const char delimiter = options.format == BatchFormat::Tsv ? '\t' : ',';
    QByteArray header = "line";
    for (int c = 0; c < options.fields.count(); ++c)
        header += delimiter + options.fields.name(c).toLatin1();
    header += delimiter;
    header += "error\n";
    std::fwrite(header.constData(), 1, static_cast<size_t>(header.size()), out);
}

} // namespace

BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const BatchOptions &options,
                     int threads, BatchProgress *progress)
{
    BatchRecordReader reader(in, options.inputDelimiter);
    BatchRecordReader::Record record;
    bool more = reader.next(record);
    while (more && record.blank)
        more = reader.next(record);

    BatchColumns columns;
    bool headerRead = false;
    if (more && !record.error.isEmpty() && options.header == HeaderMode::Yes) {
        BatchResult failed;
        failed.fatal = QStringLiteral("the header row (line %1): %2").arg(record.number).arg(record.error);
        return failed;
    }
    if (more && record.error.isEmpty() &&
        (options.header == HeaderMode::Yes ||
         (options.header == HeaderMode::Auto && looksLikeHeader(record.fields, options.dateOrder)))) {
        BatchResult failed;
        if (!headerColumns(record.fields, &columns, &failed.fatal))
            return failed;
        headerRead = true;
    }
    if (options.format != BatchFormat::Jsonl)
        writeCsvHeader(out, options);

    BatchPipeline pipeline(options, columns, threads, out, err, progress);
    if (headerRead)
        more = reader.next(record);
    long long rows = 0;
    for (; more; more = reader.next(record)) {
        if (!record.error.isEmpty())
            pipeline.add(record.number, record.fields, record.error);
        else if (!record.blank)
            pipeline.add(record.number, record.fields);
        if (progress)
            progress->rowsRead(++rows);
    }
    const BatchResult result = pipeline.finish();
    if (progress)
        progress->clear();
    return result;
}

BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const EngineOptions &options,
                     int threads)
{
    BatchOptions batch;
    batch.engine = options;
    return runBatch(in, out, err, batch, threads);
}
