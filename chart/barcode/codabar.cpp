// Codabar (USS Codabar): discrete, no check character, start A and stop B.
#include "chart/barcode/barcodeencoders.h"

#include <cstring>
#include <memory>

namespace {
std::unique_ptr<BarcodeTable> buildCodabar()
{
    // Seven elements (bar, space, ...), 'w' wide = two modules.
    static const struct {
        char c;
        const char *w;
    } rows[] = {
        {'0', "nnnnnww"}, {'1', "nnnnwwn"}, {'2', "nnnwnnw"}, {'3', "wwnnnnn"},
        {'4', "nnwnnwn"}, {'5', "wnnnnwn"}, {'6', "nwnnnnw"}, {'7', "nwnnwnn"},
        {'8', "nwwnnnn"}, {'9', "wnnwnnn"}, {'-', "nnnwwnn"}, {'$', "nnwwnnn"},
        {':', "wnnnwnw"}, {'/', "wnwnnnw"}, {'.', "wnwnwnn"}, {'+', "nnwnwnw"},
        {'A', "nnwwnwn"}, {'B', "nwnwnnw"}, {'C', "nnnwnww"}, {'D', "nnnwwwn"},
    };
    auto t = std::make_unique<BarcodeTable>();
    for (const auto &r : rows) {
        const bool data = r.c < 'A';
        t->addWidths(r.c, r.w, 2, data ? QChar::fromLatin1(r.c) : QChar());
    }
    return t->measureText() ? std::move(t) : nullptr;
}
} // namespace

const BarcodeTable *codabarTable()
{
    static const std::unique_ptr<BarcodeTable> table = buildCodabar();
    return table.get();
}

int encodeCodabar(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    out.append('A', false);
    for (const char *p = text; *p; ++p) {
        const char c = *p;
        if ((c >= '0' && c <= '9') || std::strchr("$+-./:", c))
            out.append(c, true);
    }
    if (out.symbols.size() == 1) {
        out = BarcodeSymbols();
        return 2;
    }
    out.append('B', false);
    return 0;
}
