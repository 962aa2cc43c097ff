// Module table and add-ons shared by the EAN-13, EAN-8 and UPC-A symbologies.
#include "chart/barcode/eanupc.h"
#include "chart/barcode/barcodeencoders.h"

#include <memory>

namespace {
const char *const kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};

QByteArray setC(int d)
{
    QByteArray m(kSetA[d]);
    for (char &c : m)
        c = c == '1' ? '0' : '1';
    return m;
}

QByteArray setB(int d)
{
    QByteArray c = setC(d);
    std::reverse(c.begin(), c.end());
    return c;
}

std::unique_ptr<BarcodeTable> buildEanUpc()
{
    auto t = std::make_unique<BarcodeTable>();
    for (int d = 0; d < 10; ++d) {
        const QChar digit = QChar(ushort('0' + d));
        t->add(char('0' + d), kSetA[d], digit);
        t->add(char('A' + d), setB(d).constData(), digit);
        t->add(char('a' + d), setC(d).constData(), digit);
        t->add(char('K' + d), "00000000000", digit);
    }
    t->add('(', "101");
    t->add(')', "101");
    t->add('|', "01010");
    t->add('_', "00000000000");
    t->add('>', "000000000");
    t->add('<', "01011");
    t->add(',', "01");
    return t->measureText() ? std::move(t) : nullptr;
}

const char *const kTwoDigitParity[4] = {"AA", "AB", "BA", "BB"};
const char *const kFiveDigitParity[10] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                          "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};
} // namespace

const BarcodeTable *eanUpcTable()
{
    static const std::unique_ptr<BarcodeTable> table = buildEanUpc();
    return table.get();
}

namespace eanupc {

void appendDigit(BarcodeSymbols &out, char set, int d)
{
    out.append(char((set == 'A' ? '0' : set == 'B' ? 'A' : 'a') + d), true);
}

void appendAddOn(BarcodeSymbols &out, const QByteArray &addOn)
{
    if (addOn.size() != 2 && addOn.size() != 5)
        return;
    const char *parity = nullptr;
    if (addOn.size() == 2) {
        parity = kTwoDigitParity[((addOn[0] - '0') * 10 + (addOn[1] - '0')) % 4];
    } else {
        int odd = 0;
        int even = 0;
        for (int i = 0; i < 5; ++i)
            (i % 2 == 0 ? odd : even) += addOn[i] - '0';
        parity = kFiveDigitParity[(3 * odd + 9 * even) % 10];
    }
    out.append('>', false);
    out.append('<', false);
    for (int i = 0; i < addOn.size(); ++i) {
        if (i > 0)
            out.append(',', false);
        appendDigit(out, parity[i], addOn[i] - '0');
    }
    out.append('_', false);
}

int checkDigit(const QByteArray &digits)
{
    int sum = 0;
    int weight = 3;
    for (int i = digits.size() - 1; i >= 0; --i) {
        sum += (digits[i] - '0') * weight;
        weight = weight == 3 ? 1 : 3;
    }
    return (10 - sum % 10) % 10;
}

QByteArray digitsOf(const char *text)
{
    QByteArray digits;
    for (const char *p = text; p && *p; ++p) {
        if (*p >= '0' && *p <= '9')
            digits.append(*p);
    }
    return digits;
}

} // namespace eanupc
