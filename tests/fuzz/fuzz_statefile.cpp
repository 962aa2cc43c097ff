// libFuzzer target for the program's state file.
#include "fuzzfile.h"

#include "app/core/appstate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    AppState state;
    readStateFile(fuzzScratchFile(data, size, ".cfg"), state);
    return 0;
}
