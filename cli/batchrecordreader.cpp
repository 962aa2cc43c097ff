#include "cli/batchrecordreader.h"

#include <QTextCodec>

#include <cstring>

namespace {

// One field's bytes as text; false when they are not UTF-8.
bool decodeField(const char *bytes, int size, QString *out)
{
    bool ascii = true;
    for (int i = 0; i < size && ascii; ++i)
        ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
    if (ascii) {
        // Into the string's own buffer when it has one: batch hands its rows'
        // lists back here, so reading stops allocating.
        if (out->capacity() > 1024 && size < 256)
            *out = QString(); // a huge field once does not keep its buffer for good
        out->resize(size);
        ushort *d = reinterpret_cast<ushort *>(out->data());
        for (int i = 0; i < size; ++i)
            d[i] = static_cast<unsigned char>(bytes[i]);
        return true;
    }
    QTextCodec::ConverterState state;
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    *out = utf8->toUnicode(bytes, size, &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

} // namespace

bool BatchRecordReader::next(Record &record)
{
    if (!m_started) {
        m_started = true;
        // A byte-order mark is skipped; anything else goes back.
        const int b0 = getc_unlocked(m_in);
        if (b0 == 0xEF) {
            const int b1 = getc_unlocked(m_in);
            const int b2 = b1 == 0xBB ? getc_unlocked(m_in) : EOF;
            if (b1 != 0xBB || b2 != 0xBF) {
                // Not a mark: these bytes are the start of the first record.
                m_pending = QByteArray(1, char(0xEF));
                if (b1 != EOF)
                    m_pending.append(char(b1));
                if (b2 != EOF)
                    m_pending.append(char(b2));
            }
        } else if (b0 != EOF) {
            ungetc(b0, m_in);
        }
    }

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
        c = m_pendingAt < m_pending.size() ? static_cast<unsigned char>(m_pending.at(m_pendingAt++))
                                           : getc_unlocked(m_in);
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
        from = end;
    }
    record.blank = record.fields.size() == 1 && !quoted && record.fields.first().trimmed().isEmpty();
    return true;
}
