// MSI Plessey with one modulo-10 check digit; '(' and ')' are start and stop.
#include "chart/barcode/barcodeencoders.h"

#include <memory>

namespace {
std::unique_ptr<BarcodeTable> buildMsi()
{
    auto t = std::make_unique<BarcodeTable>();
    for (int d = 0; d < 10; ++d) {
        QByteArray m;
        for (int bit = 3; bit >= 0; --bit)
            m.append((d >> bit) & 1 ? "110" : "100");
        t->add(char('0' + d), m.constData(), QChar(ushort('0' + d)));
    }
    t->add('(', "110");
    t->add(')', "1001");
    return t->measureText() ? std::move(t) : nullptr;
}

// Every other digit from the right forms a number that is doubled; doubling
// digit by digit gives the same digit sum without any overflow.
int msiCheck(const QByteArray &digits)
{
    int sum = 0;
    bool doubled = true;
    for (int i = digits.size() - 1; i >= 0; --i) {
        const int d = digits[i] - '0';
        if (doubled)
            sum += (2 * d) / 10 + (2 * d) % 10;
        else
            sum += d;
        doubled = !doubled;
    }
    return (10 - sum % 10) % 10;
}
} // namespace

const BarcodeTable *msiTable()
{
    static const std::unique_ptr<BarcodeTable> table = buildMsi();
    return table.get();
}

int encodeMsi(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    QByteArray digits;
    for (const char *p = text; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            digits.append(*p);
    }
    if (digits.isEmpty())
        return 2;
    out.append('(', false);
    for (char d : digits)
        out.append(d, true);
    out.append(char('0' + msiCheck(digits)), false);
    out.append(')', false);
    return 0;
}
