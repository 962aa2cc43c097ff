#include "cli/csvcell.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool needsQuotes(const char *bytes, int size, char delimiter)
{
    for (int i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c == delimiter || c == '"' || c == '\n' || c == '\r')
            return true;
    }
    return false;
}

// Writes the cell at @p d (room for 2 * size + 2 bytes); the end.
char *writeCsvCell(char *d, const char *bytes, int size, char delimiter)
{
    if (!needsQuotes(bytes, size, delimiter)) {
        std::memcpy(d, bytes, static_cast<size_t>(size));
        return d + size;
    }
    *d++ = '"';
    // The runs up to each quote are copied whole: the long cells (lists and the
    // matrix as JSON) hold few quotes among many characters.
    const char *p = bytes;
    const char *const end = bytes + size;
    while (p < end) {
        const char *q = static_cast<const char *>(std::memchr(p, '"', static_cast<size_t>(end - p)));
        const char *const stop = q ? q + 1 : end;
        std::memcpy(d, p, static_cast<size_t>(stop - p));
        d += stop - p;
        if (q)
            *d++ = '"';
        p = stop;
    }
    *d++ = '"';
    return d;
}

} // namespace

void appendCsvCell(QByteArray &out, const char *bytes, int size, char delimiter)
{
    const int start = out.size();
    out.resize(start + 2 * size + 2);
    char *const begin = out.data() + start;
    out.truncate(start + static_cast<int>(writeCsvCell(begin, bytes, size, delimiter) - begin));
}

char *writeCsvText(char *d, const QString &text, char delimiter)
{
    const int n = text.size();
    const ushort *in = reinterpret_cast<const ushort *>(text.constData());
    const ushort lead = n > 0 ? in[0] : 0;
    const bool formula = (lead == '=' || lead == '+' || lead == '-' || lead == '@' || lead == '\t' ||
                          lead == '\r') && !(n == 1 && lead == '-');
    char *const start = d;
    if (formula)
        *d++ = '\'';
    // Plain ASCII that needs no quotes goes straight in, without a UTF-8 copy.
    int i = 0;
#ifdef __SSE2__
    // Eight units at a time while none is special: not ASCII, the delimiter, a quote or a line break.
    const __m128i delimiters = _mm_set1_epi16(static_cast<unsigned char>(delimiter));
    for (; i + 8 <= n; i += 8) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        const __m128i wide = _mm_or_si128(_mm_cmplt_epi16(u, _mm_setzero_si128()),
                                          _mm_cmpgt_epi16(u, _mm_set1_epi16(0x7f)));
        const __m128i marks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(u, delimiters),
                                                        _mm_cmpeq_epi16(u, _mm_set1_epi16('"'))),
                                           _mm_or_si128(_mm_cmpeq_epi16(u, _mm_set1_epi16('\n')),
                                                        _mm_cmpeq_epi16(u, _mm_set1_epi16('\r'))));
        if (_mm_movemask_epi8(_mm_or_si128(wide, marks)) != 0)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(d + i), _mm_packus_epi16(u, u));
    }
#endif
    for (; i < n; ++i) {
        const ushort u = in[i];
        if (u >= 0x80 || u == static_cast<unsigned char>(delimiter) || u == '"' || u == '\n' || u == '\r') {
            QByteArray utf8 = text.toUtf8();
            if (formula)
                utf8.prepend('\'');
            return writeCsvCell(start, utf8.constData(), utf8.size(), delimiter);
        }
        d[i] = static_cast<char>(u);
    }
    return d + n;
}
