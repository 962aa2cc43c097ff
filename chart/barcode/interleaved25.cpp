// Interleaved 2 of 5: digit pairs, the first digit in the bars, the second in the spaces.
#include "chart/barcode/barcodeencoders.h"

namespace {
const char *const kDigitWidths[10] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                                      "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};
}

int encodeInterleaved25(const char *text, QByteArray &modules, QByteArray &digits)
{
    modules.clear();
    digits.clear();
    if (!text || !*text)
        return 1;
    for (const char *p = text; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            digits.append(*p);
    }
    if (digits.isEmpty())
        return 2;
    if (digits.size() % 2)
        digits.prepend('0');
    modules = "1010";
    for (int i = 0; i < digits.size(); i += 2) {
        const char *bars = kDigitWidths[digits[i] - '0'];
        const char *spaces = kDigitWidths[digits[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            modules.append(bars[k] == 'W' ? "11" : "1");
            modules.append(spaces[k] == 'W' ? "00" : "0");
        }
    }
    modules.append("1101");
    return 0;
}
