// libFuzzer target for qznum-cli batch input: the bytes are the input
// stream, every line is read, parsed and computed as the command does.
#include "cli/batchrunner.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::FILE *sink = std::fopen("/dev/null", "w");
    if (size == 0 || !sink)
        return 0;
    std::FILE *in = fmemopen(const_cast<uint8_t *>(data), size, "rb");
    if (!in)
        return 0;
    EngineOptions options;
    options.target = QDate(2026, 12, 7);
    runBatch(in, sink, sink, options, 1);
    std::fclose(in);
    return 0;
}
