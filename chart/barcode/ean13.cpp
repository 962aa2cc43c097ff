// EAN-13 with an optional 2- or 5-digit add-on.
#include "chart/barcode/barcodeencoders.h"
#include "chart/barcode/eanupc.h"

namespace {
const char *const kLeftParity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                     "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
}

int encodeEan13(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    QByteArray digits = eanupc::digitsOf(text);
    QByteArray addOn;
    switch (digits.size()) {
    case 12:
    case 13:
        break;
    case 14:
    case 15:
    case 17:
    case 18:
        addOn = digits.right(digits.size() >= 17 ? 5 : 2);
        break;
    default:
        digits = QByteArray(13, '0');
        break;
    }
    QByteArray number = digits.left(12);
    number.append(char('0' + eanupc::checkDigit(number)));

    const int first = number[0] - '0';
    out.append(char('K' + first), true);
    out.append('(', false);
    for (int i = 1; i <= 6; ++i)
        eanupc::appendDigit(out, kLeftParity[first][i - 1], number[i] - '0');
    out.append('|', false);
    for (int i = 7; i <= 12; ++i)
        eanupc::appendDigit(out, 'C', number[i] - '0');
    out.append(')', false);
    if (addOn.isEmpty())
        out.append('_', false);
    else
        eanupc::appendAddOn(out, addOn);
    return 0;
}
