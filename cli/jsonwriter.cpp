#include "cli/jsonwriter.h"

namespace {

const char Hex[] = "0123456789abcdef";

} // namespace

void JsonWriter::separate()
{
    if (m_needComma)
        m_out.append(',');
    m_needComma = true;
}

JsonWriter &JsonWriter::beginObject()
{
    separate();
    m_out.append('{');
    m_needComma = false;
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    m_out.append('}');
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    separate();
    m_out.append('[');
    m_needComma = false;
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    m_out.append(']');
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::key(const char *name)
{
    separate();
    m_out.append('"').append(name).append("\":");
    m_needComma = false;
    return *this;
}

JsonWriter &JsonWriter::value(int v)
{
    // Separator, sign and digits composed right to left, appended in one go.
    char buf[16];
    int pos = sizeof buf;
    unsigned int u = v < 0 ? 0u - static_cast<unsigned int>(v) : static_cast<unsigned int>(v);
    do {
        buf[--pos] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u);
    if (v < 0)
        buf[--pos] = '-';
    if (m_needComma)
        buf[--pos] = ',';
    m_needComma = true;
    m_out.append(buf + pos, static_cast<int>(sizeof buf) - pos);
    return *this;
}

JsonWriter &JsonWriter::value(bool v)
{
    separate();
    m_out.append(v ? "true" : "false");
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    m_out.append("null");
    return *this;
}

JsonWriter &JsonWriter::value(const QString &v)
{
    separate();
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
    separate();
    const int y = date.year(), m = date.month(), d = date.day();
    if (y < 0 || y > 9999) {
        appendString(date.toString(Qt::ISODate));
        return *this;
    }
    char buf[12] = {'"',
                    static_cast<char>('0' + y / 1000),
                    static_cast<char>('0' + y / 100 % 10),
                    static_cast<char>('0' + y / 10 % 10),
                    static_cast<char>('0' + y % 10),
                    '-',
                    static_cast<char>('0' + m / 10),
                    static_cast<char>('0' + m % 10),
                    '-',
                    static_cast<char>('0' + d / 10),
                    static_cast<char>('0' + d % 10),
                    '"'};
    m_out.append(buf, 12);
    return *this;
}

JsonWriter &JsonWriter::field(const char *name, const int *values, int count)
{
    key(name).beginArray();
    for (int i = 0; i < count; ++i)
        value(values[i]);
    return endArray();
}

JsonWriter &JsonWriter::field(const char *name, const QString *values, int count)
{
    key(name).beginArray();
    for (int i = 0; i < count; ++i)
        value(values[i]);
    return endArray();
}

void JsonWriter::appendString(const QString &s)
{
    const QChar *p = s.constData();
    const int n = s.size();
    // Fast path: the plain ASCII prefix is copied straight into the buffer.
    const int start = m_out.size();
    m_out.resize(start + n + 1);
    char *dst = m_out.data() + start;
    *dst++ = '"';
    int i = 0;
    while (i < n) {
        const ushort u = p[i].unicode();
        if (u < 0x20 || u >= 0x80 || u == '"' || u == '\\')
            break;
        *dst++ = static_cast<char>(u);
        ++i;
    }
    m_out.resize(start + 1 + i);
    while (i < n) {
        const ushort u = p[i].unicode();
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            m_out.append(static_cast<char>(u));
            ++i;
            continue;
        }
        if (u < 0x80) {
            m_out.append('\\');
            switch (u) {
            case '"': m_out.append('"'); break;
            case '\\': m_out.append('\\'); break;
            case '\n': m_out.append('n'); break;
            case '\r': m_out.append('r'); break;
            case '\t': m_out.append('t'); break;
            default:
                m_out.append("u00").append(Hex[u >> 4]).append(Hex[u & 15]);
                break;
            }
            ++i;
            continue;
        }
        // A run of non-ASCII characters goes through the UTF-8 codec as a whole;
        // broken surrogates come out as replacement characters, never invalid bytes.
        int j = i;
        while (j < n && p[j].unicode() >= 0x80)
            ++j;
        m_out.append(QString(p + i, j - i).toUtf8());
        i = j;
    }
    m_out.append('"');
}
