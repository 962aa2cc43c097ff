// Code 93 with both check characters C and K; '(' and ')' are start and stop.
#include "chart/barcode/barcodeencoders.h"

#include <cstring>
#include <memory>

namespace {
// Symbol characters of the values 0..46 ('=' is a blank, "!#&@" the shift characters).
const char kSymbols[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%!#&@";
const char *const kModules[47] = {
    "100010100", "101001000", "101000100", "101000010", "100101000", "100100100",
    "100100010", "101010000", "100010010", "100001010", "110101000", "110100100",
    "110100010", "110010100", "110010010", "110001010", "101101000", "101100100",
    "101100010", "100110100", "100011010", "101011000", "101001100", "101000110",
    "100101100", "100010110", "110110100", "110110010", "110101100", "110100110",
    "110010110", "110011010", "101101100", "101100110", "100110110", "100111010",
    "100101110", "111010100", "111010010", "111001010", "101101110", "101110110",
    "110101110", "100100110", "111011010", "111010110", "100110010"};

std::unique_ptr<BarcodeTable> buildCode93()
{
    auto t = std::make_unique<BarcodeTable>();
    for (int v = 0; v < 47; ++v) {
        const char s = kSymbols[v];
        QChar readable;
        if (v < 43)
            readable = s == '=' ? QChar(u' ') : QChar::fromLatin1(s);
        t->add(s, kModules[v], readable);
    }
    t->add('(', "101011110");
    t->add(')', "1010111101"); // stop with its termination bar
    return t->measureText() ? std::move(t) : nullptr;
}

int valueOf(char s)
{
    const char *p = std::strchr(kSymbols, s);
    return p && s ? int(p - kSymbols) : -1;
}

int weightedCheck(const QByteArray &values, int maxWeight)
{
    int sum = 0;
    int weight = 1;
    for (int i = values.size() - 1; i >= 0; --i) {
        sum += valueOf(values.at(i)) * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}
} // namespace

const BarcodeTable *code93Table()
{
    static const std::unique_ptr<BarcodeTable> table = buildCode93();
    return table.get();
}

int encodeCode93(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    QByteArray data;
    for (const char *p = text; *p; ++p) {
        char c = *p;
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c == ' ')
            c = '=';
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || std::strchr("-.$/+%=", c))
            data.append(c);
    }
    if (data.isEmpty())
        return 2;
    const char c = kSymbols[weightedCheck(data, 20)];
    const char k = kSymbols[weightedCheck(data + c, 15)];
    out.append('(', false);
    for (char d : data)
        out.append(d, true);
    out.append(c, false);
    out.append(k, false);
    out.append(')', false);
    return 0;
}
