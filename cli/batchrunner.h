#pragma once

#include "cli/batchpipeline.h"
#include "cli/cliargs.h"

#include <cstdio>

class CNumerology;
class CNumerologyPMatrix;

/**
 * Computes one person (profile, then psychomatrix). False with the engine's
 * message when a tested name number is 0.
 */
bool computePerson(CNumerology &engine, CNumerologyPMatrix &matrix, const NumerologyInput &input,
                   bool masters, QString *error);

/**
 * Reads CSV lines "full,short,birth[,target]" from @p in and writes one JSON
 * profile per line to @p out, in input order, computed on @p threads threads.
 * A bad line gets {"line": n, "error": "..."} in its place and one line on
 * @p err; blank lines are skipped. Lines are read by BatchLineReader: a NUL
 * byte, bytes that are not UTF-8 or more than 64 KiB make the line an error,
 * and line numbers count every input line.
 */
BatchResult runBatch(std::FILE *in, std::FILE *out, std::FILE *err, const EngineOptions &options,
                     int threads = 1);
