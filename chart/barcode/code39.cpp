// Code 39: discrete, no check character, '*' start/stop, '=' stands for a blank.
#include "chart/barcode/barcodeencoders.h"

#include <memory>

namespace {
std::unique_ptr<BarcodeTable> buildCode39()
{
    // Nine elements (bar first), three of them wide; wide = two modules.
    static const struct {
        char c;
        const char *w;
    } rows[] = {
        {'0', "nnnwwnwnn"}, {'1', "wnnwnnnnw"}, {'2', "nnwwnnnnw"}, {'3', "wnwwnnnnn"},
        {'4', "nnnwwnnnw"}, {'5', "wnnwwnnnn"}, {'6', "nnwwwnnnn"}, {'7', "nnnwnnwnw"},
        {'8', "wnnwnnwnn"}, {'9', "nnwwnnwnn"}, {'A', "wnnnnwnnw"}, {'B', "nnwnnwnnw"},
        {'C', "wnwnnwnnn"}, {'D', "nnnnwwnnw"}, {'E', "wnnnwwnnn"}, {'F', "nnwnwwnnn"},
        {'G', "nnnnnwwnw"}, {'H', "wnnnnwwnn"}, {'I', "nnwnnwwnn"}, {'J', "nnnnwwwnn"},
        {'K', "wnnnnnnww"}, {'L', "nnwnnnnww"}, {'M', "wnwnnnnwn"}, {'N', "nnnnwnnww"},
        {'O', "wnnnwnnwn"}, {'P', "nnwnwnnwn"}, {'Q', "nnnnnnwww"}, {'R', "wnnnnnwwn"},
        {'S', "nnwnnnwwn"}, {'T', "nnnnwnwwn"}, {'U', "wwnnnnnnw"}, {'V', "nwwnnnnnw"},
        {'W', "wwwnnnnnn"}, {'X', "nwnnwnnnw"}, {'Y', "wwnnwnnnn"}, {'Z', "nwwnwnnnn"},
        {'-', "nwnnnnwnw"}, {'.', "wwnnnnwnn"}, {'=', "nwwnnnwnn"}, {'$', "nwnwnwnnn"},
        {'/', "nwnwnnnwn"}, {'+', "nwnnnwnwn"}, {'%', "nnnwnwnwn"}, {'*', "nwnnwnwnn"},
    };
    auto t = std::make_unique<BarcodeTable>();
    for (const auto &r : rows) {
        QChar readable = QChar::fromLatin1(r.c);
        if (r.c == '=')
            readable = QChar(u' ');
        else if (r.c == '*')
            readable = QChar();
        t->addWidths(r.c, r.w, 2, readable);
    }
    return t->measureText() ? std::move(t) : nullptr;
}
} // namespace

const BarcodeTable *code39Table()
{
    static const std::unique_ptr<BarcodeTable> table = buildCode39();
    return table.get();
}

int encodeCode39(const char *text, BarcodeSymbols &out)
{
    out = BarcodeSymbols();
    if (!text || !*text)
        return 1;
    out.append('*', false);
    for (const char *p = text; *p; ++p) {
        char c = *p;
        if (c == ' ')
            c = '=';
        else if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        out.append(c, true);
    }
    out.append('*', false);
    return 0;
}
