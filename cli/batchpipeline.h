#pragma once

#include "cli/cliargs.h"

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

class CNumerology;
class CNumerologyPMatrix;

/** Counts of one batch run. */
struct BatchResult {
    int written = 0; ///< profiles written
    int failed = 0;  ///< lines answered with an error object
};

/**
 * The processing side of qznum-cli batch: lines go in as they are read, in
 * chunks to a few worker threads (each with its own engine), and their JSON
 * lines and error lines come out in input order. With one thread everything
 * runs on the caller's thread. At most a few chunks per thread are in flight,
 * so memory stays bounded whatever the input's length.
 */
class BatchPipeline
{
public:
    BatchPipeline(const EngineOptions &options, int threads, std::FILE *out, std::FILE *err);
    ~BatchPipeline();
    BatchPipeline(const BatchPipeline &) = delete;
    BatchPipeline &operator=(const BatchPipeline &) = delete;

    /** One input line; @p error set means the line is answered with it unread. */
    void add(int lineNumber, const QString &text, const QString &error = QString());
    /** Processes and writes everything added; the totals. */
    BatchResult finish();

    /** Lines per chunk handed to a worker. */
    static constexpr int ChunkLines = 256;

    struct Line {
        int number;
        QString text;
        QString error;
    };
    /** A run of lines and, once processed, their JSON lines and error lines. */
    struct Chunk {
        std::vector<Line> lines;
        QByteArray out;
        QByteArray err;
        BatchResult result;
    };
    /** Processes @p chunk's lines with the given engine (reused from line to line). */
    static void process(const EngineOptions &options, Chunk &chunk, CNumerology &engine,
                        CNumerologyPMatrix &matrix);

private:

    void submit();
    void workerLoop();
    // Writes the finished chunks that are next in order; with @p lock held.
    void writeReady(std::unique_lock<std::mutex> &lock);
    void write(const Chunk &chunk);
    // A used chunk back to the spares, its buffers' room kept.
    void recycle(std::unique_ptr<Chunk> chunk);

    EngineOptions m_options;
    int m_threads;
    std::FILE *m_outFile;
    std::FILE *m_errFile;
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
