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

void appendCsvText(QByteArray &out, const QString &text, char delimiter)
{
    // Plain ASCII that needs no quotes goes straight in, without a UTF-8 copy.
    const int n = text.size();
    const ushort *in = reinterpret_cast<const ushort *>(text.constData());
    const int start = out.size();
    out.resize(start + n);
    char *d = out.data() + start;
    for (int i = 0; i < n; ++i) {
        const ushort u = in[i];
        if (u >= 0x80 || u == static_cast<unsigned char>(delimiter) || u == '"' || u == '\n' || u == '\r') {
            out.truncate(start);
            const QByteArray utf8 = text.toUtf8();
            appendCsvCell(out, utf8.constData(), utf8.size(), delimiter);
            return;
        }
        d[i] = static_cast<char>(u);
    }
}
