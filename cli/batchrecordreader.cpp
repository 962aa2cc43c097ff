#include "cli/batchrecordreader.h"

#include <QTextCodec>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Bytes asked of the input at a time.
constexpr int ReadSize = 64 * 1024;

// One field's bytes as text; false when they are not UTF-8.
bool decodeField(const char *bytes, int size, QString *out)
{
    // Into the string's own buffer when it has one: batch hands its rows'
    // lists back here, so reading stops allocating.
    if (out->capacity() > 1024 && size < 256)
        *out = QString(); // a huge field once does not keep its buffer for good
    if (out->size() != size)
        out->resize(size);
    ushort *d = reinterpret_cast<ushort *>(out->data());
    unsigned char seen = 0;
    int i = 0;
#ifdef __SSE2__
    // Sixteen ASCII bytes at a time, widened to UTF-16.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        if (_mm_movemask_epi8(b) != 0) {
            seen = 0x80;
            break;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d + i), _mm_unpacklo_epi8(b, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d + i + 8), _mm_unpackhi_epi8(b, zero));
    }
    if (seen)
        i = size;
#endif
    for (; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        seen |= b;
        d[i] = b;
    }
    if (seen < 0x80)
        return true;
    QTextCodec::ConverterState state;
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    *out = utf8->toUnicode(bytes, size, &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

} // namespace

int BatchRecordReader::refill()
{
    return readMore() ? static_cast<unsigned char>(m_buffer[static_cast<size_t>(m_at++)]) : EOF;
}

bool BatchRecordReader::readMore()
{
    if (m_eof)
        return false;
    // The unused bytes move to the front, so the buffer stays a record and a read long.
    if (m_at > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_at, static_cast<size_t>(m_end - m_at));
        m_end -= m_at;
        m_at = 0;
    }
    if (static_cast<int>(m_buffer.size()) < m_end + ReadSize)
        m_buffer.resize(static_cast<size_t>(m_end + ReadSize));
    const size_t n = std::fread(m_buffer.data() + m_end, 1, ReadSize, m_in);
    m_end += static_cast<int>(n);
    m_eof = n == 0;
    return n > 0;
}

bool BatchRecordReader::nextPlain(Record &record)
{
    // The whole line in the buffer, or the slow way for a line too long to be a record.
    const char *newline = nullptr;
    int searched = 0;
    for (;;) {
        const int available = m_end - m_at;
        newline = static_cast<const char *>(
            std::memchr(m_buffer.data() + m_at + searched, '\n', static_cast<size_t>(available - searched)));
        if (newline)
            break;
        if (available > MaxRecordBytes)
            return false;
        searched = available;
        if (!readMore())
            break;
    }
    const char *line = m_buffer.data() + m_at;
    const int length = newline ? static_cast<int>(newline - line) : m_end - m_at;
    if (length > MaxRecordBytes || std::memchr(line, '"', static_cast<size_t>(length)))
        return false;
    m_at += newline ? length + 1 : length;
    record.number = m_line + 1;
    if (newline)
        ++m_line;
    record.error.clear();
    record.blank = false;
    const int size = length > 0 && line[length - 1] == '\r' ? length - 1 : length;
    if (std::memchr(line, 0, static_cast<size_t>(size))) {
        record.fields.clear();
        record.error = QStringLiteral("line contains a NUL byte");
        return true;
    }
    m_fieldEnds.clear();
    const char *from = line;
    const char *end = line + size;
    while (const char *d = static_cast<const char *>(std::memchr(from, m_delimiter, static_cast<size_t>(end - from)))) {
        m_fieldEnds.push_back(static_cast<int>(d - line));
        from = d + 1;
    }
    m_fieldEnds.push_back(size);
    return fill(record, line, 1, false);
}

bool BatchRecordReader::fill(Record &record, const char *bytes, int gap, bool quoted)
{
    // The list's strings are reused; extra ones from a longer row are dropped.
    const int count = static_cast<int>(m_fieldEnds.size());
    while (record.fields.size() > count)
        record.fields.removeLast();
    while (record.fields.size() < count)
        record.fields.append(QString());
    int from = 0;
    for (int i = 0; i < count; ++i) {
        const int end = m_fieldEnds[static_cast<size_t>(i)];
        if (!decodeField(bytes + from, end - from, &record.fields[i])) {
            record.fields.clear();
            record.error = QStringLiteral("line is not valid UTF-8");
            return true;
        }
        from = end + gap;
    }
    record.blank = record.fields.size() == 1 && !quoted && record.fields.first().trimmed().isEmpty();
    return true;
}

bool BatchRecordReader::next(Record &record)
{
    if (!m_started) {
        m_started = true;
        // A byte-order mark is skipped.
        while (m_end - m_at < 3 && readMore()) {
        }
        if (m_end - m_at >= 3 && std::memcmp(m_buffer.data() + m_at, "\xEF\xBB\xBF", 3) == 0)
            m_at += 3;
    }
    if (m_at == m_end && !readMore())
        return false;
    if (nextPlain(record))
        return true;

    const char delimiter = m_delimiter;
    // Bytes go by index to a buffer one byte larger than a record may be, so
    // that a CR before the line end still fits.
    if (m_bytes.size() != MaxRecordBytes + 1)
        m_bytes.resize(MaxRecordBytes + 1);
    char *const bytes = m_bytes.data();
    int size = 0;
    m_fieldEnds.clear();
    bool any = false, tooLong = false, inQuotes = false, afterQuote = false, fieldStart = true;
    bool unclosed = false, quoted = false;
    int quotedUpTo = 0; // bytes of the record up to the last closing quote
    int c;
    const int first = m_line + 1;
    for (;;) {
        c = nextByte();
        if (c == EOF)
            break;
        any = true;
        if (inQuotes) {
            if (c == '"') {
                inQuotes = false;
                afterQuote = true;
                quotedUpTo = size;
                continue;
            }
            if (c == '\n')
                ++m_line;
        } else {
            if (c == '"' && (afterQuote || fieldStart)) {
                if (afterQuote && size <= MaxRecordBytes)
                    bytes[size++] = '"'; // a doubled quote inside quotes
                inQuotes = true;
                quoted = true;
                afterQuote = false;
                fieldStart = false;
                continue;
            }
            afterQuote = false;
            if (c == '\n') {
                ++m_line;
                break;
            }
            if (c == delimiter) {
                m_fieldEnds.push_back(size);
                fieldStart = true;
                continue;
            }
            fieldStart = false;
        }
        if (size <= MaxRecordBytes) {
            bytes[size++] = char(c);
        } else {
            // Dropped up to the end of the line, which also ends an open quote.
            tooLong = true;
            unclosed = unclosed || inQuotes;
            inQuotes = false;
        }
    }
    if (!any)
        return false;
    if (c == EOF && inQuotes)
        unclosed = true;
    if (size > quotedUpTo && bytes[size - 1] == '\r')
        --size;
    tooLong = tooLong || size > MaxRecordBytes;
    m_fieldEnds.push_back(size);

    record.number = first;
    record.error.clear();
    record.blank = false;
    if (tooLong || unclosed)
        record.fields.clear();
    if (tooLong) {
        record.error = unclosed
            ? QStringLiteral("quoted field not closed within %1 bytes").arg(MaxRecordBytes)
            : QStringLiteral("line longer than %1 bytes").arg(MaxRecordBytes);
        return true;
    }
    if (unclosed) {
        record.error = QStringLiteral("quoted field not closed at the end of the input");
        return true;
    }
    if (std::memchr(bytes, 0, static_cast<size_t>(size))) {
        record.fields.clear();
        record.error = QStringLiteral("line contains a NUL byte");
        return true;
    }
    return fill(record, bytes, 0, quoted);
}
