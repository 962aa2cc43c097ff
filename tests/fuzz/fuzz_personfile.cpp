// libFuzzer target for person files (".num" and the auto-saved list).
#include "fuzzfile.h"

#include "app/core/personfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzScratchFile(data, size, ".num");
    PersonFileContent content;
    readPersonFile(path, true, content);
    readPersonFile(path, false, content);
    return 0;
}
