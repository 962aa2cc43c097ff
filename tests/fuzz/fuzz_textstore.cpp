// libFuzzer target for the interpretation text file (eng.dat).
#include "fuzzfile.h"

#include "texts/interpretationtexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TextLoadStats stats;
    loadInterpretationTexts(fuzzScratchFile(data, size, ".dat"), &stats);
    return 0;
}
