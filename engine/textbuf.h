#pragma once

#include <QString>

namespace qz {

/**
 * A small fixed-size Latin-1 text builder for the number texts of the engine:
 * it composes on the stack and allocates once when the QString is made, which
 * keeps profile calculation free of intermediate string churn. Text beyond the
 * capacity is dropped (engine texts are far shorter).
 */
class TextBuf
{
public:
    static constexpr int Capacity = 1000;

    TextBuf &ch(char c)
    {
        if (m_len < Capacity)
            m_buf[m_len++] = c;
        return *this;
    }
    TextBuf &str(const char *s)
    {
        while (*s)
            ch(*s++);
        return *this;
    }
    TextBuf &num(int n)
    {
        char tmp[12];
        int k = 0;
        unsigned int u = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
        do {
            tmp[k++] = static_cast<char>('0' + u % 10);
            u /= 10;
        } while (u);
        if (n < 0)
            ch('-');
        while (k)
            ch(tmp[--k]);
        return *this;
    }
    /** n, followed by "/" source when they differ (the reduced/unreduced notation). */
    TextBuf &pair(int n, int source)
    {
        num(n);
        if (n != source)
            ch('/').num(source);
        return *this;
    }
    /** Latin-1 characters of a QString (others become '?'). */
    TextBuf &text(const QString &s)
    {
        for (QChar c : s)
            ch(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
        return *this;
    }
    int size() const { return m_len; }
    bool isEmpty() const { return m_len == 0; }
    void clear() { m_len = 0; }
    QString toString() const { return QString::fromLatin1(m_buf, m_len); }

private:
    char m_buf[Capacity];
    int m_len = 0;
};

/** "n" as a QString, without going through QString::number's locale machinery. */
inline QString numText(int n)
{
    TextBuf b;
    b.num(n);
    return b.toString();
}

/** "n" or "n/source". */
inline QString pairText(int n, int source)
{
    TextBuf b;
    b.pair(n, source);
    return b.toString();
}

} // namespace qz
