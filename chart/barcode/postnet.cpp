// POSTNET: five bars per digit, two of them full; framed by full bars.
#include "chart/barcode/barcodeencoders.h"

namespace {
const char *const kDigitBars[10] = {"11000", "00011", "00101", "00110", "01001",
                                    "01010", "01100", "10001", "10010", "10100"};
}

int encodePostnet(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    QByteArray digits;
    int sum = 0;
    for (const char *p = text; *p; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits.append(*p);
            sum += *p - '0';
        }
    }
    if (digits.isEmpty())
        return 2;
    out.append('(', false);
    for (char d : digits)
        out.append(d, false);
    out.append(char('0' + (10 - sum % 10) % 10), false);
    out.append(')', false);
    return 0;
}

QByteArray postnetBars(const QByteArray &symbols)
{
    QByteArray bars;
    for (char s : symbols) {
        if (s == '(' || s == ')')
            bars.append('1');
        else if (s >= '0' && s <= '9')
            bars.append(kDigitBars[s - '0']);
    }
    return bars;
}
