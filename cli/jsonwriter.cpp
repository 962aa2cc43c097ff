#include "cli/jsonwriter.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

const char Hex[] = "0123456789abcdef";

// "00".."99": two digits in one copy.
struct DigitPairs {
    char text[200];
    constexpr DigitPairs() : text()
    {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr DigitPairs Pairs;

// 0..99 with a comma after them ("7," and "42,"), four bytes a number for one copy.
struct ListNumbers {
    char text[100][4];
    char length[100];
    constexpr ListNumbers() : text(), length()
    {
        for (int i = 0; i < 100; ++i) {
            int n = 0;
            if (i >= 10)
                text[i][n++] = static_cast<char>('0' + i / 10);
            text[i][n++] = static_cast<char>('0' + i % 10);
            text[i][n++] = ',';
            length[i] = static_cast<char>(n);
        }
    }
};
constexpr ListNumbers Listed;

} // namespace

char *JsonWriter::grow(int n)
{
    // After a sync the owner may have emptied the buffer: start from its size.
    if (m_synced) {
        m_len = m_out.size();
        m_synced = false;
    }
    const int need = m_len + n;
    if (need > m_cap) {
        // The buffer's own room first; doubling beyond it keeps appends amortised.
        int target = std::max(need, m_out.capacity());
        if (target == need)
            target = std::max(need + 256, 2 * m_out.capacity());
        m_out.resize(target);
        m_cap = m_out.size();
    }
    m_data = m_out.data();
    return m_data + m_len;
}

namespace {

// The decimal digits of v at d; returns the end. Profile numbers are mostly
// below 100, which take one copy.
char *writeInt(char *d, int v)
{
    unsigned int u = static_cast<unsigned int>(v);
    if (v < 0) {
        *d++ = '-';
        u = 0u - u;
    }
    if (u < 10) {
        *d++ = static_cast<char>('0' + u);
        return d;
    }
    if (u < 100) {
        std::memcpy(d, Pairs.text + 2 * u, 2);
        return d + 2;
    }
    char buf[12];
    int pos = sizeof buf;
    while (u >= 100) {
        pos -= 2;
        std::memcpy(buf + pos, Pairs.text + 2 * (u % 100), 2);
        u /= 100;
    }
    if (u >= 10) {
        pos -= 2;
        std::memcpy(buf + pos, Pairs.text + 2 * u, 2);
    } else {
        buf[--pos] = static_cast<char>('0' + u);
    }
    const int len = static_cast<int>(sizeof buf) - pos;
    std::memcpy(d, buf + pos, static_cast<size_t>(len));
    return d + len;
}

} // namespace

char *JsonWriter::writeDecimal(char *d, int v)
{
    return writeInt(d, v);
}

char *JsonWriter::putInt(char *d, int v)
{
    if (m_needComma)
        *d++ = ',';
    m_needComma = true;
    return writeInt(d, v);
}

JsonWriter &JsonWriter::value(int v)
{
    return done(putInt(room(13), v));
}

JsonWriter &JsonWriter::value(bool v)
{
    char *d = room(6);
    if (m_needComma)
        *d++ = ',';
    m_needComma = true;
    std::memcpy(d, v ? "true" : "false", v ? 4 : 5);
    return done(d + (v ? 4 : 5));
}

JsonWriter &JsonWriter::null()
{
    char *d = room(5);
    if (m_needComma)
        *d++ = ',';
    m_needComma = true;
    std::memcpy(d, "null", 4);
    return done(d + 4);
}

JsonWriter &JsonWriter::value(const QString &v)
{
    appendString(v);
    return *this;
}

JsonWriter &JsonWriter::value(const char *latin1)
{
    return value(QString::fromLatin1(latin1));
}

JsonWriter &JsonWriter::value(const QDate &date)
{
    if (!date.isValid())
        return null();
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d); // one calendar conversion, not three
    if (y < 0 || y > 9999) {
        appendString(date.toString(Qt::ISODate));
        return *this;
    }
    char *p = room(13);
    if (m_needComma)
        *p++ = ',';
    m_needComma = true;
    *p++ = '"';
    std::memcpy(p, Pairs.text + 2 * (y / 100), 2);
    std::memcpy(p + 2, Pairs.text + 2 * (y % 100), 2);
    p[4] = '-';
    std::memcpy(p + 5, Pairs.text + 2 * m, 2);
    p[7] = '-';
    std::memcpy(p + 8, Pairs.text + 2 * d, 2);
    p[10] = '"';
    return done(p + 11);
}

JsonWriter &JsonWriter::array(const int *values, int count)
{
    char *d = room(3 + 12 * std::max(count, 0));
    if (m_needComma)
        *d++ = ',';
    *d++ = '[';
    // Each number with its comma; the last comma gives way to the bracket.
    for (int i = 0; i < count; ++i) {
        const unsigned int u = static_cast<unsigned int>(values[i]);
        if (u < 100) {
            std::memcpy(d, Listed.text[u], 4);
            d += Listed.length[u];
        } else {
            d = writeInt(d, values[i]);
            *d++ = ',';
        }
    }
    if (count > 0)
        --d;
    *d++ = ']';
    m_needComma = true;
    return done(d);
}

JsonWriter &JsonWriter::array(const QString *values, int count)
{
    beginArray();
    for (int i = 0; i < count; ++i)
        value(values[i]);
    return endArray();
}

void JsonWriter::appendString(const QString &s)
{
    const ushort *p = reinterpret_cast<const ushort *>(s.constData());
    const int n = s.size();
    // Worst cases: 6 bytes for an escaped control character, 3 UTF-8 bytes per unit.
    char *d = room(3 + 6 * n);
    if (m_needComma)
        *d++ = ',';
    m_needComma = true;
    *d++ = '"';
    int i = 0;
    while (i < n) {
#ifdef __SSE2__
        // Eight plain characters at a time: printable ASCII without '"' or '\\'.
        const auto plainBlock = [p](int at, __m128i *packed) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + at));
            const __m128i low = _mm_cmplt_epi16(units, _mm_set1_epi16(0x20));
            const __m128i high = _mm_cmpgt_epi16(units, _mm_set1_epi16(0x7f));
            const __m128i quote = _mm_cmpeq_epi16(units, _mm_set1_epi16('"'));
            const __m128i slash = _mm_cmpeq_epi16(units, _mm_set1_epi16('\\'));
            const __m128i special = _mm_or_si128(_mm_or_si128(low, high), _mm_or_si128(quote, slash));
            *packed = _mm_packus_epi16(units, units);
            return _mm_movemask_epi8(special) == 0;
        };
        __m128i packed;
        while (i + 8 <= n && plainBlock(i, &packed)) {
            _mm_storel_epi64(reinterpret_cast<__m128i *>(d), packed);
            d += 8;
            i += 8;
        }
        // A tail shorter than eight: the last eight again, overlapping what is written.
        if (i < n && n >= 8 && i + 8 > n && plainBlock(n - 8, &packed)) {
            _mm_storel_epi64(reinterpret_cast<__m128i *>(d - (i - (n - 8))), packed);
            d += n - i;
            i = n;
        }
        if (i >= n)
            break;
#endif
        // Plain characters one by one up to the next special one (most strings are short).
        while (i < n && p[i] >= 0x20 && p[i] < 0x80 && p[i] != '"' && p[i] != '\\')
            *d++ = static_cast<char>(p[i++]);
        if (i >= n)
            break;
        const ushort u = p[i];
        if (u < 0x80) {
            *d++ = '\\';
            switch (u) {
            case '"': *d++ = '"'; break;
            case '\\': *d++ = '\\'; break;
            case '\n': *d++ = 'n'; break;
            case '\r': *d++ = 'r'; break;
            case '\t': *d++ = 't'; break;
            default:
                *d++ = 'u';
                *d++ = '0';
                *d++ = '0';
                *d++ = Hex[u >> 4];
                *d++ = Hex[u & 15];
                break;
            }
            ++i;
            continue;
        }
        // A run of non-ASCII characters goes through the UTF-8 codec as a whole;
        // broken surrogates come out as the codec writes them, never invalid bytes.
        int j = i;
        while (j < n && p[j] >= 0x80)
            ++j;
        const QByteArray utf8 = QString(s.constData() + i, j - i).toUtf8();
        std::memcpy(d, utf8.constData(), static_cast<size_t>(utf8.size()));
        d += utf8.size();
        i = j;
    }
    *d++ = '"';
    done(d);
}
