// Code 128, code set B, written in the usual barcode-font character mapping:
// values 1..94 as codes 33..126, value 0 as 194, values 95..106 as 195..206.
#include "chart/barcode/barcodeencoders.h"

#include <memory>

namespace {
// Bar/space widths of values 0..106 (106 is the stop with its termination bar).
const char *const kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

char symbolForValue(int v)
{
    if (v == 0)
        return char(194);
    if (v <= 94)
        return char(v + 32);
    return char(v + 100);
}

std::unique_ptr<BarcodeTable> buildCode128()
{
    auto t = std::make_unique<BarcodeTable>();
    for (int v = 0; v <= 106; ++v) {
        const char s = symbolForValue(v);
        const QChar readable = v <= 94 ? QChar(ushort(v + 32)) : QChar();
        t->addWidths(s, kPatterns[v], 0, readable);
    }
    t->addWidths(' ', kPatterns[0], 0, QChar(u' '));
    return t->measureText() ? std::move(t) : nullptr;
}
} // namespace

int code128Value(unsigned char symbol)
{
    if (symbol == 194 || symbol == 32)
        return 0;
    if (symbol > 32 && symbol < 135)
        return symbol - 32;
    if (symbol >= 195 && symbol <= 206)
        return symbol - 100;
    return -1;
}

const BarcodeTable *code128Table()
{
    static const std::unique_ptr<BarcodeTable> table = buildCode128();
    return table.get();
}

int encodeCode128(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    out.append(char(204), false);
    int sum = 104;
    int position = 1;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
        // Code set B holds the printable ASCII characters only; anything else
        // would be drawn as nothing yet still weigh in the check value.
        if (*p < 32 || *p > 126)
            continue;
        const char symbol = *p == ' ' ? char(194) : char(*p);
        out.append(symbol, true);
        sum += position * code128Value(static_cast<unsigned char>(symbol));
        ++position;
    }
    if (position == 1) {
        out = BarcodeSymbols();
        return 2;
    }
    out.append(symbolForValue(sum % 103), false);
    out.append(char(206), false);
    return 0;
}
