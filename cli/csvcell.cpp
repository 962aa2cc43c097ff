#include "cli/csvcell.h"

#include <cstring>

void appendCsvCell(QByteArray &out, const char *bytes, int size, char delimiter)
{
    bool quote = false;
    for (int i = 0; i < size && !quote; ++i) {
        const char c = bytes[i];
        quote = c == delimiter || c == '"' || c == '\n' || c == '\r';
    }
    if (!quote) {
        out.append(bytes, size);
        return;
    }
    out.append('"');
    const char *p = bytes;
    const char *end = bytes + size;
    while (p < end) {
        const char *q = static_cast<const char *>(std::memchr(p, '"', static_cast<size_t>(end - p)));
        if (!q) {
            out.append(p, static_cast<int>(end - p));
            break;
        }
        out.append(p, static_cast<int>(q - p + 1));
        out.append('"');
        p = q + 1;
    }
    out.append('"');
}
