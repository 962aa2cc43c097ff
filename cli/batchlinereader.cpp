#include "cli/batchlinereader.h"

#include <QTextCodec>

bool BatchLineReader::next(Line &line)
{
    m_bytes.clear();
    bool tooLong = false;
    bool any = false;
    int c;
    while ((c = getc_unlocked(m_in)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (m_bytes.size() < MaxLineBytes + 1)
            m_bytes.append(char(c));
        else
            tooLong = true; // the rest of the line is read and dropped
    }
    if (!any)
        return false;
    ++m_number;
    if (m_bytes.endsWith('\r'))
        m_bytes.chop(1);
    line.number = m_number;
    line.text.clear();
    line.error.clear();
    if (tooLong || m_bytes.size() > MaxLineBytes) {
        line.error = QStringLiteral("line longer than %1 bytes").arg(MaxLineBytes);
        return true;
    }
    if (m_bytes.contains('\0')) {
        line.error = QStringLiteral("line contains a NUL byte");
        return true;
    }
    QTextCodec::ConverterState state;
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    const QString text = utf8->toUnicode(m_bytes.constData(), m_bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        line.error = QStringLiteral("line is not valid UTF-8");
        return true;
    }
    line.text = text;
    return true;
}
