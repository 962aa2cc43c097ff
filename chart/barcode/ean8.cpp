// EAN-8.
#include "chart/barcode/barcodeencoders.h"
#include "chart/barcode/eanupc.h"

int encodeEan8(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    QByteArray digits = eanupc::digitsOf(text);
    digits = digits.size() < 7 ? QByteArray("0005000") : digits.left(7);
    digits.append(char('0' + eanupc::checkDigit(digits)));
    out.append('_', false);
    out.append('(', false);
    for (int i = 0; i < 4; ++i)
        eanupc::appendDigit(out, 'A', digits[i] - '0');
    out.append('|', false);
    for (int i = 4; i < 8; ++i)
        eanupc::appendDigit(out, 'C', digits[i] - '0');
    out.append(')', false);
    out.append('_', false);
    return 0;
}
