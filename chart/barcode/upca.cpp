// UPC-A with an optional 2- or 5-digit add-on.
#include "chart/barcode/barcodeencoders.h"
#include "chart/barcode/eanupc.h"

int encodeUpcA(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    const QByteArray digits = eanupc::digitsOf(text);
    QByteArray number = digits.left(11);
    QByteArray addOn;
    switch (digits.size()) {
    case 11:
    case 12:
        break;
    case 13:
        addOn = digits.mid(11, 2);
        break;
    case 14:
        addOn = digits.mid(12, 2);
        break;
    case 16:
        addOn = digits.mid(11, 5);
        break;
    case 17:
        addOn = digits.mid(12, 5);
        break;
    default:
        number = QByteArray(11, '0');
        break;
    }
    number.append(char('0' + eanupc::checkDigit(number)));
    out.append('_', false);
    out.append('(', false);
    for (int i = 0; i < 6; ++i)
        eanupc::appendDigit(out, 'A', number[i] - '0');
    out.append('|', false);
    for (int i = 6; i < 12; ++i)
        eanupc::appendDigit(out, 'C', number[i] - '0');
    out.append(')', false);
    if (addOn.isEmpty())
        out.append('_', false);
    else
        eanupc::appendAddOn(out, addOn);
    return 0;
}
