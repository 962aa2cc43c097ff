#pragma once

#include <QString>

#include <cstring>

namespace qz {

/**
 * Makes @p dst a string of @p len characters that the caller then fills through
 * dst.data(). An unshared string with room is reused, so a calculator object that
 * is run again and again stops allocating once its texts have their sizes.
 */
inline QChar *prepareText(QString &dst, int len)
{
    // The common case of a rerun: an unshared buffer with room. Its length is set
    // in place; QString::resize is an out-of-line call doing the same checks again.
    QString::DataPtr d = dst.data_ptr();
    if (!d->ref.isShared() && d->offset == sizeof(QStringData) && int(d->alloc) > len && len >= 0) {
        d->size = len;
        ushort *chars = d->data();
        chars[len] = 0;
        return reinterpret_cast<QChar *>(chars);
    }
    if (!dst.isDetached() || dst.capacity() < len) {
        dst = QString();
        dst.reserve(len < 32 ? 32 : len);
    }
    dst.resize(len);
    return dst.data();
}

/**
 * Shortens a string that prepareText() gave room for, after the caller wrote
 * @p len characters into it (at most the prepared length).
 */
inline void endText(QString &dst, int len)
{
    QString::DataPtr d = dst.data_ptr();
    d->size = len;
    d->data()[len] = 0;
}

/** Assigns Latin-1 characters, reusing the string's buffer when possible. */
inline void assignLatin1(QString &dst, const char *src, int len)
{
    ushort *d = reinterpret_cast<ushort *>(prepareText(dst, len));
    for (int i = 0; i < len; ++i)
        d[i] = static_cast<unsigned char>(src[i]);
}

/** Assigns src.toUpper(), in place for the ASCII names the program works with. */
inline void assignUpper(QString &dst, const QString &src)
{
    const int n = src.size();
    const QChar *from = src.constData();
    for (int i = 0; i < n; ++i) {
        if (from[i].unicode() >= 128) {
            dst = src.toUpper();
            return;
        }
    }
    QChar *d = prepareText(dst, n);
    for (int i = 0; i < n; ++i) {
        const ushort u = from[i].unicode();
        d[i] = QChar(ushort(u >= 'a' && u <= 'z' ? u - 32 : u));
    }
}

/** Empties a string but keeps its buffer for the next calculation. */
inline void clearText(QString &s)
{
    if (s.isEmpty())
        return;
    if (s.isDetached())
        prepareText(s, 0);
    else
        s = QString();
}

namespace detail {
/** "00" to "99", two characters per number. */
inline constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
} // namespace detail

/**
 * A small fixed-size text builder for the number texts of the engine: it
 * composes UTF-16 on the stack and copies it once into the QString, which keeps
 * profile calculation free of intermediate string churn. Text beyond the
 * capacity is dropped (engine texts are far shorter).
 */
template <int Capacity>
class TextBufN
{
public:

    TextBufN &ch(char c)
    {
        const int len = m_len;
        if (len < Capacity) {
            m_buf[len] = static_cast<unsigned char>(c);
            m_len = len + 1;
        }
        return *this;
    }
    /** A Latin-1 literal: its length is known, so one room check covers it. */
    template <int N>
    TextBufN &str(const char (&s)[N])
    {
        constexpr int n = N - 1;
        const int len = m_len;
        if (len > Capacity - n)
            return *this;
        for (int i = 0; i < n; ++i)
            m_buf[len + i] = static_cast<unsigned char>(s[i]);
        m_len = len + n;
        return *this;
    }
    TextBufN &num(int n)
    {
        // Engine numbers are mostly one or two digits: those skip the digit loop
        // and the divisions. (A local length: stores may alias the member.)
        if (n >= 0 && n < 100 && m_len <= Capacity - 2) {
            int len = m_len;
            if (n >= 10) {
                m_buf[len] = static_cast<char16_t>(detail::DigitPairs[2 * n]);
                m_buf[len + 1] = static_cast<char16_t>(detail::DigitPairs[2 * n + 1]);
                m_len = len + 2;
            } else {
                m_buf[len] = static_cast<char16_t>('0' + n);
                m_len = len + 1;
            }
            return *this;
        }
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
    TextBufN &pair(int n, int source)
    {
        num(n);
        if (n != source)
            ch('/').num(source);
        return *this;
    }
    int size() const { return m_len; }
    const char16_t *data() const { return m_buf; }
    bool isEmpty() const { return m_len == 0; }
    void clear() { m_len = 0; }
    QString toString() const { return QString::fromUtf16(m_buf, m_len); }
    /** Writes the text into @p dst, reusing its buffer. */
    void assignTo(QString &dst) const
    {
        QChar *to = prepareText(dst, m_len);
        // Most engine texts are short: a fixed-size copy is a few moves instead of
        // a call. prepareText leaves at least 32 characters of room (the excess is
        // overwritten by the terminator or lies beyond it).
        if (m_len < ShortCopy && Capacity >= ShortCopy && dst.capacity() >= ShortCopy) {
            std::memcpy(to, m_buf, ShortCopy * sizeof(char16_t));
            to[m_len] = QChar(0);
            return;
        }
        std::memcpy(to, m_buf, static_cast<size_t>(m_len) * sizeof(char16_t));
    }

private:
    static constexpr int ShortCopy = 16;
    char16_t m_buf[Capacity];
    int m_len = 0;
};

/** The builder for ordinary engine texts. */
using TextBuf = TextBufN<1000>;

/** Assigns "n" to @p dst. */
inline void assignNum(QString &dst, int n)
{
    TextBuf b;
    b.num(n);
    b.assignTo(dst);
}

/** Assigns "n" or "n/source" to @p dst. */
inline void assignPair(QString &dst, int n, int source)
{
    TextBuf b;
    b.pair(n, source);
    b.assignTo(dst);
}

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
