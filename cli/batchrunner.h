#pragma once

#include "cli/batchpipeline.h"
#include "cli/cliargs.h"

#include <cstdio>

class CNumerology;
class CNumerologyPMatrix;

/**
 * Computes one person (profile, then psychomatrix unless @p withMatrix is
 * false). False with the engine's message when a tested name number is 0.
 */
bool computePerson(CNumerology &engine, CNumerologyPMatrix &matrix, const NumerologyInput &input,
                   bool masters, QString *error, bool withMatrix = true);

/**
 * Reads CSV (or TSV) rows "full,short,birth[,target]" from @p in, or the
 * columns a header row names, and writes one JSON profile line or one CSV/TSV
 * row per input row to @p out, in input order, computed on @p threads threads.
 * A bad row gets {"line": n, "error": "..."} (or a row with the line number
 * and the error cell) in its place and one line on @p err; blank lines are
 * skipped. Rows are read by BatchRecordReader: a NUL byte, bytes that are not
 * UTF-8 or more than 64 KiB make the row an error, and line numbers count
 * every input line. A header without a "full" or "birth" column stops the run
 * before any output (BatchResult::fatal). With @p progress, the rows read are
 * reported to it.
 */
BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const BatchOptions &options,
                     int threads = 1, BatchProgress *progress = nullptr);

/** runBatch() with JSON lines of whole profiles, as the command does by default. */
BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const EngineOptions &options,
                     int threads = 1);
