#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

/**
 * A small streaming JSON writer for the command-line tool. It appends compact
 * UTF-8 JSON to a byte buffer without building a document tree, so bulk output
 * is limited by the bytes written, not by object churn. Commas are inserted
 * automatically; the caller keeps keys and values paired.
 */
class JsonWriter
{
public:
    explicit JsonWriter(QByteArray &out) : m_out(out) {}

    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(const char *name);

    JsonWriter &value(int v);
    JsonWriter &value(bool v);
    JsonWriter &value(const QString &v);
    JsonWriter &value(const char *latin1);
    JsonWriter &value(const QDate &date); ///< "yyyy-MM-dd", null when invalid
    JsonWriter &null();
    /** Ends one JSON line: appends a newline and starts the next value afresh. */
    JsonWriter &newline()
    {
        m_out.append('\n');
        m_needComma = false;
        return *this;
    }

    JsonWriter &field(const char *name, int v) { return key(name).value(v); }
    JsonWriter &field(const char *name, bool v) { return key(name).value(v); }
    JsonWriter &field(const char *name, const QString &v) { return key(name).value(v); }
    JsonWriter &field(const char *name, const QDate &v) { return key(name).value(v); }
    JsonWriter &field(const char *name, const int *values, int count);
    JsonWriter &field(const char *name, const QString *values, int count);

private:
    void separate();
    void appendString(const QString &s);

    QByteArray &m_out;
    bool m_needComma = false;
};
