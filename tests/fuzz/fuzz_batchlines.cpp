// libFuzzer target for qznum-cli batch input: the first byte picks the options
// (output format, fields, date order, delimiter, header mode), the rest is the
// input stream, read, parsed and computed as the command does.
#include "cli/batchrunner.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::FILE *sink = std::fopen("/dev/null", "w");
    if (size < 2 || !sink)
        return 0;
    const uint8_t pick = data[0];
    std::FILE *in = fmemopen(const_cast<uint8_t *>(data + 1), size - 1, "rb");
    if (!in)
        return 0;
    BatchOptions options;
    options.engine.target = QDate(2026, 12, 7);
    options.format = static_cast<BatchFormat>(pick % 3);
    options.dateOrder = static_cast<DateOrder>((pick / 3) % 3);
    options.header = static_cast<HeaderMode>((pick / 9) % 3);
    options.inputDelimiter = (pick & 0x40) ? '\t' : ',';
    QString error;
    if (pick & 0x80)
        options.fields.parse(QStringLiteral("fullNameUpper,lifePath,challenges,birthDate,matrix"), &error);
    runBatch(in, sink, sink, options, 1);
    std::fclose(in);
    return 0;
}
