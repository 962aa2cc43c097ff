#include "cli/batchpipeline.h"

#include "cli/batchprogress.h"
#include "cli/batchrunner.h"
#include "cli/csvcell.h"
#include "cli/jsonwriter.h"
#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

#include <algorithm>

namespace {

// True for an empty cell or one of white space only.
bool isBlank(const QString &text)
{
    for (QChar c : text)
        if (!c.isSpace())
            return false;
    return true;
}

// The person of one row; false with a message.
bool batchPerson(const QStringList &fields, const BatchColumns &columns, const BatchOptions &batch,
                 NumerologyInput *input, QString *error)
{
    if (!columns.fromHeader && (fields.size() < 3 || fields.size() > 4)) {
        *error = QStringLiteral("expected full,short,birth[,target] but got %1 fields")
                     .arg(fields.size());
        return false;
    }
    // A row shorter than the header leaves its last cells empty.
    static const QString none;
    const auto cell = [&fields](int i) -> const QString & {
        return i >= 0 && i < fields.size() ? fields.at(i) : none;
    };
    QDate birth;
    if (!parseBatchDate(cell(columns.birth), batch.dateOrder, &birth, error))
        return false;
    QDate target = batch.engine.target;
    const QString &targetCell = cell(columns.target);
    if (!isBlank(targetCell) && !parseBatchDate(targetCell, batch.dateOrder, &target, error))
        return false;
    const QString &full = cell(columns.full);
    if (isBlank(full)) {
        *error = QStringLiteral("empty full name");
        return false;
    }
    *input = personInput(full, cell(columns.shortName), birth, batch.engine);
    input->targetDate = target;
    input->skipPlanesAndTransits = !batch.fields.needsPlanesAndTransits();
    input->skipTexts = !batch.fields.needsTexts();
    return true;
}

} // namespace

void BatchPipeline::process(const BatchOptions &options, const BatchColumns &columns, Chunk &chunk,
                            CNumerology &engine, CNumerologyPMatrix &matrix)
{
    NumerologyInput input;
    QString error;
    const bool withMatrix = options.fields.needsMatrix();
    const bool json = options.format == BatchFormat::Jsonl;
    const char delimiter = options.format == BatchFormat::Tsv ? '\t' : ',';
    for (int i = 0; i < chunk.count; ++i) {
        const Row &row = chunk.lines[static_cast<size_t>(i)];
        if (!row.error.isEmpty() || !error.isEmpty())
            error = row.error;
        const bool ok = error.isEmpty() && batchPerson(row.fields, columns, options, &input, &error) &&
                        computePerson(engine, matrix, input, options.engine.masters, &error, withMatrix);
        if (!ok) {
            ++chunk.result.failed;
            chunk.err += "qznum-cli: line " + QByteArray::number(row.number) + ": " + error.toUtf8() + '\n';
        } else {
            ++chunk.result.written;
        }
        if (json) {
            JsonWriter out(chunk.out);
            if (ok)
                options.fields.writeJson(out, engine, withMatrix ? &matrix : nullptr);
            else
                out.beginObject().field("line", row.number).field("error", error).endObject();
            out.newline();
            continue;
        }
        if (ok) {
            options.fields.appendRow(chunk.out, delimiter, row.number, engine, &matrix);
            continue;
        }
        char number[16];
        chunk.out.append(number, static_cast<int>(JsonWriter::writeDecimal(number, row.number) - number));
        chunk.out += QByteArray(options.fields.count() + 1, delimiter);
        const QByteArray message = error.toUtf8();
        appendCsvCell(chunk.out, message.constData(), message.size(), delimiter);
        chunk.out += '\n';
    }
}

BatchPipeline::BatchPipeline(const BatchOptions &options, const BatchColumns &columns, int threads,
                             std::FILE *out, std::FILE *err, BatchProgress *progress)
    : m_options(options)
    , m_columns(columns)
    , m_threads(std::max(1, threads))
    , m_outFile(out)
    , m_errFile(err)
    , m_progress(progress)
{
    if (m_threads == 1) {
        m_engine = std::make_unique<CNumerology>();
        m_matrix = std::make_unique<CNumerologyPMatrix>();
    } else {
        m_workers.reserve(static_cast<size_t>(m_threads));
        for (int i = 0; i < m_threads; ++i)
            m_workers.emplace_back([this] { workerLoop(); });
    }
}

BatchPipeline::~BatchPipeline()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_workAvailable.notify_all();
    for (std::thread &t : m_workers)
        t.join();
}

void BatchPipeline::add(int lineNumber, QStringList &fields, const QString &error)
{
    if (!m_current) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_spare.empty()) {
            m_current = std::move(m_spare.back());
            m_spare.pop_back();
        } else {
            m_current = std::make_unique<Chunk>();
            m_current->lines.reserve(ChunkLines);
            // Reserved room survives truncate(0), so a recycled chunk does not reallocate.
            m_current->out.reserve(ChunkLines * 4608);
        }
    }
    Chunk &chunk = *m_current;
    if (chunk.count == static_cast<int>(chunk.lines.size()))
        chunk.lines.emplace_back();
    Row &row = chunk.lines[static_cast<size_t>(chunk.count++)];
    row.number = lineNumber;
    row.fields.swap(fields);
    if (!row.error.isEmpty() || !error.isEmpty())
        row.error = error;
    if (chunk.count >= ChunkLines)
        submit();
}

void BatchPipeline::submit()
{
    if (!m_current || m_current->count == 0)
        return;
    std::unique_ptr<Chunk> chunk = std::move(m_current);
    if (m_threads == 1) {
        process(m_options, m_columns, *chunk, *m_engine, *m_matrix);
        write(*chunk);
        recycle(std::move(chunk));
        return;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    // A bounded number of chunks in flight: wait for the oldest while it is busy.
    const long long limit = 4LL * m_threads;
    while (m_submitted - m_written >= limit) {
        writeReady(lock);
        if (m_submitted - m_written >= limit)
            m_chunkDone.wait(lock);
    }
    m_todo.emplace_back(m_submitted++, std::move(chunk));
    lock.unlock();
    m_workAvailable.notify_one();
    lock.lock();
    writeReady(lock);
}

void BatchPipeline::workerLoop()
{
    CNumerology engine;
    CNumerologyPMatrix matrix;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_workAvailable.wait(lock, [this] { return m_stopping || !m_todo.empty(); });
        if (m_todo.empty())
            return;
        const long long sequence = m_todo.front().first;
        std::unique_ptr<Chunk> chunk = std::move(m_todo.front().second);
        m_todo.pop_front();
        lock.unlock();
        process(m_options, m_columns, *chunk, engine, matrix);
        lock.lock();
        m_done.emplace(sequence, std::move(chunk));
        m_chunkDone.notify_all();
    }
}

void BatchPipeline::writeReady(std::unique_lock<std::mutex> &lock)
{
    for (;;) {
        auto it = m_done.find(m_written);
        if (it == m_done.end())
            return;
        std::unique_ptr<Chunk> chunk = std::move(it->second);
        m_done.erase(it);
        // Only this thread writes; the others may go on meanwhile.
        lock.unlock();
        write(*chunk);
        lock.lock();
        ++m_written;
        lock.unlock();
        recycle(std::move(chunk));
        lock.lock();
    }
}

void BatchPipeline::write(const Chunk &chunk)
{
    if (!chunk.err.isEmpty() && m_progress)
        m_progress->clear();
    if (!chunk.err.isEmpty())
        std::fwrite(chunk.err.constData(), 1, static_cast<size_t>(chunk.err.size()), m_errFile);
    std::fwrite(chunk.out.constData(), 1, static_cast<size_t>(chunk.out.size()), m_outFile);
    m_total.written += chunk.result.written;
    m_total.failed += chunk.result.failed;
}

void BatchPipeline::recycle(std::unique_ptr<Chunk> chunk)
{
    chunk->count = 0; // the rows keep their lists for the reader to refill
    chunk->out.truncate(0);
    chunk->err.truncate(0);
    chunk->result = BatchResult();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_spare.push_back(std::move(chunk));
}

BatchResult BatchPipeline::finish()
{
    submit();
    if (m_threads > 1) {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (m_written < m_submitted) {
            writeReady(lock);
            if (m_written < m_submitted)
                m_chunkDone.wait(lock);
        }
    }
    std::fflush(m_outFile);
    return m_total;
}
