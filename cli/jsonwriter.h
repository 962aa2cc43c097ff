#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstring>

/**
 * A small streaming JSON writer for the command-line tool. It appends compact
 * UTF-8 JSON to a byte buffer without building a document tree. Commas are
 * inserted automatically; the caller keeps keys and values paired.
 *
 * For speed the writer fills spare room at the end of the buffer and sets the
 * buffer's size only at newline(), sync() and destruction: read the buffer
 * after one of those. Bytes the owner removes from the buffer in between
 * (after a sync) are noticed at the next write.
 */
class JsonWriter
{
public:
    explicit JsonWriter(QByteArray &out) : m_out(out), m_len(out.size()), m_cap(m_len) {}
    ~JsonWriter() { sync(); }
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;

    JsonWriter &beginObject() { return open('{'); }
    JsonWriter &endObject() { return close('}'); }
    JsonWriter &beginArray() { return open('['); }
    JsonWriter &endArray() { return close(']'); }
    JsonWriter &key(const char *name) { return key(name, static_cast<int>(std::strlen(name))); }
    /** A key of @p n bytes: a literal's length known where it is written. */
    JsonWriter &key(const char *name, int n)
    {
        char *d = room(n + 4);
        if (m_needComma)
            *d++ = ',';
        *d++ = '"';
        std::memcpy(d, name, static_cast<size_t>(n));
        d += n;
        *d++ = '"';
        *d++ = ':';
        m_needComma = false;
        return done(d);
    }

    JsonWriter &value(int v);
    JsonWriter &value(bool v);
    JsonWriter &value(const QString &v);
    JsonWriter &value(const char *latin1);
    JsonWriter &value(const QDate &date); ///< "yyyy-MM-dd", null when invalid
    JsonWriter &null();
    /** A JSON array of @p count numbers. */
    JsonWriter &array(const int *values, int count);
    /** A JSON array of @p count strings. */
    JsonWriter &array(const QString *values, int count);
    /** Ends one JSON line: appends a newline, starts the next value afresh and syncs. */
    JsonWriter &newline()
    {
        *room(1) = '\n';
        ++m_len;
        m_needComma = false;
        sync();
        return *this;
    }
    /** Gives the buffer its exact size. */
    void sync()
    {
        if (!m_synced) {
            m_out.resize(m_len);
            m_cap = m_len;
            m_synced = true;
        }
    }

    /** Writes the decimal digits of @p v at @p d (room for 11 bytes); returns the end. */
    static char *writeDecimal(char *d, int v);

    JsonWriter &field(const char *name, int v) { return key(name).value(v); }
    JsonWriter &field(const char *name, bool v) { return key(name).value(v); }
    JsonWriter &field(const char *name, const QString &v) { return key(name).value(v); }
    JsonWriter &field(const char *name, const QDate &v) { return key(name).value(v); }
    JsonWriter &field(const char *name, const int *values, int count) { return key(name).array(values, count); }
    JsonWriter &field(const char *name, const QString *values, int count) { return key(name).array(values, count); }

private:
    // At least @p n writable bytes at the end of the text.
    char *room(int n) { return m_cap - m_len >= n ? m_data + m_len : grow(n); }
    char *grow(int n);
    JsonWriter &done(const char *end)
    {
        m_len = static_cast<int>(end - m_data);
        return *this;
    }
    JsonWriter &open(char c)
    {
        char *d = room(2);
        if (m_needComma)
            *d++ = ',';
        *d++ = c;
        m_needComma = false;
        return done(d);
    }
    JsonWriter &close(char c)
    {
        *room(1) = c;
        ++m_len;
        m_needComma = true;
        return *this;
    }
    char *putInt(char *d, int v);
    void appendString(const QString &s);

    QByteArray &m_out;
    char *m_data = nullptr;
    int m_len;          ///< bytes of JSON in m_out
    int m_cap;          ///< bytes of m_out that may be written
    bool m_synced = true;
    bool m_needComma = false;
};
