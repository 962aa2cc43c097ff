#include "texts/scrambledlinereader.h"

#include "texts/textscrambler.h"

ScrambledLineReader::ScrambledLineReader(const QString &path)
    : m_file(path)
{
    // Room for the longest allowed line, its CR LF, the terminating zero
    // that QIODevice::readLine writes, and one byte to detect overflow.
    m_raw.resize(kMaxScrambledLineLength + 4);
    m_plain.resize(kMaxPlainLineLength + 1);
    // An editor may have put a UTF-8 byte order mark in front; it is no text.
    if (m_file.open(QIODevice::ReadOnly) && m_file.peek(3) == QByteArray("\xEF\xBB\xBF", 3)) {
        m_file.read(3);
        m_consumed = 3;
    }
}

// Reads one raw line into m_raw without its line end. Overlong lines are
// consumed to their end and skipped. Returns false at the end of input.
bool ScrambledLineReader::readRawLine(int &length)
{
    for (;;) {
        if (m_consumed >= kMaxDataFileBytes) {
            if (!m_file.atEnd())
                m_truncated = true;
            return false;
        }
        const qint64 got = m_file.readLine(m_raw.data(), m_raw.size());
        if (got <= 0)
            return false;
        m_consumed += got;
        const bool complete = m_raw[int(got - 1)] == '\n' || m_file.atEnd();
        if (!complete || got > kMaxScrambledLineLength + 2) {
            // Too long for the format: drop the rest of it, bounded by the budget.
            bool ended = complete;
            while (!ended && m_consumed < kMaxDataFileBytes) {
                const qint64 more = m_file.readLine(m_raw.data(), m_raw.size());
                if (more <= 0)
                    break;
                m_consumed += more;
                ended = m_raw[int(more - 1)] == '\n';
            }
            ++m_overlong;
            continue;
        }
        int n = int(got);
        if (n > 0 && m_raw[n - 1] == '\n')
            --n;
        if (n > 0 && m_raw[n - 1] == '\r')
            --n;
        if (n > kMaxScrambledLineLength) {
            ++m_overlong;
            continue;
        }
        length = n;
        return true;
    }
}

bool ScrambledLineReader::next(QString &line)
{
    if (!isOpen())
        return false;
    int length = 0;
    if (!readRawLine(length))
        return false;
    ++m_lines;
    if (length < 2) {
        line = QString::fromLatin1(m_raw.constData(), length);
        return true;
    }
    const int n = descrambleBytes(m_raw.constData(), length, m_plain.data());
    line = QString::fromLatin1(m_plain.constData(), n);
    return true;
}
