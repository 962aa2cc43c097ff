#pragma once

#include "cli/batchdate.h"
#include "cli/cliargs.h"
#include "cli/profilefieldselection.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class BatchProgress;
class CNumerology;
class CNumerologyPMatrix;

/** What batch writes: JSON lines, or one CSV or TSV row per input row. */
enum class BatchFormat { Jsonl, Csv, Tsv };

/** Whether the first row names the columns: decided by its names, or told. */
enum class HeaderMode { Auto, Yes, No };

/** The options of one batch run. */
struct BatchOptions {
    EngineOptions engine;
    BatchFormat format = BatchFormat::Jsonl;
    ProfileFieldSelection fields;
    DateOrder dateOrder = DateOrder::Iso;
    HeaderMode header = HeaderMode::Auto;
    char inputDelimiter = ',';
};

/** Where the person's values stand in a row; -1 for a column the input lacks. */
struct BatchColumns {
    int full = 0;
    int shortName = 1;
    int birth = 2;
    int target = 3;
    bool fromHeader = false; ///< false: rows must have 3 or 4 fields
};

/** Counts of one batch run. */
struct BatchResult {
    int written = 0; ///< profiles written
    int failed = 0;  ///< lines answered with an error object
    QString fatal;   ///< why the run could not start (a bad header), or empty
};

/**
 * The processing side of qznum-cli batch: rows go in as they are read, in
 * chunks to a few worker threads (each with its own engine), and their JSON
 * lines or CSV rows and error lines come out in input order. With one thread everything
 * runs on the caller's thread. At most a few chunks per thread are in flight,
 * so memory stays bounded whatever the input's length.
 */
class BatchPipeline
{
public:
    BatchPipeline(const BatchOptions &options, const BatchColumns &columns, int threads,
                  std::FILE *out, std::FILE *err, BatchProgress *progress = nullptr);
    ~BatchPipeline();
    BatchPipeline(const BatchPipeline &) = delete;
    BatchPipeline &operator=(const BatchPipeline &) = delete;

    /**
     * One input row; @p error set means the row is answered with it unread.
     * The row takes @p fields and hands back the list of an earlier row, whose
     * strings the reader then refills without allocating.
     */
    void add(int lineNumber, QStringList &fields, const QString &error = QString());
    /** Processes and writes everything added; the totals. */
    BatchResult finish();

    /** Lines per chunk handed to a worker. */
    static constexpr int ChunkLines = 256;

    struct Row {
        int number;
        QStringList fields;
        QString error;
    };
    /** A run of rows and, once processed, their output and error lines. */
    struct Chunk {
        std::vector<Row> lines; ///< kept across runs; the first count are this run's
        int count = 0;
        QByteArray out;
        QByteArray err;
        BatchResult result;
    };
    /** Processes @p chunk's rows with the given engine (reused from row to row). */
    static void process(const BatchOptions &options, const BatchColumns &columns, Chunk &chunk,
                        CNumerology &engine, CNumerologyPMatrix &matrix);

private:

    void submit();
    void workerLoop();
    // Writes the finished chunks that are next in order; with @p lock held.
    void writeReady(std::unique_lock<std::mutex> &lock);
    void write(const Chunk &chunk);
    // A used chunk back to the spares, its buffers' room kept.
    void recycle(std::unique_ptr<Chunk> chunk);

    BatchOptions m_options;
    BatchColumns m_columns;
    int m_threads;
    std::FILE *m_outFile;
    std::FILE *m_errFile;
    BatchProgress *m_progress;
    std::unique_ptr<Chunk> m_current;
    std::vector<std::unique_ptr<Chunk>> m_spare; ///< guarded by m_mutex
    std::unique_ptr<CNumerology> m_engine;        ///< the one-thread engine
    std::unique_ptr<CNumerologyPMatrix> m_matrix;
    BatchResult m_total;

    std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_chunkDone;
    std::deque<std::pair<long long, std::unique_ptr<Chunk>>> m_todo;
    std::map<long long, std::unique_ptr<Chunk>> m_done;
    long long m_submitted = 0;
    long long m_written = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};
