#include "engine/calculatorflags.h"

CalculatorFlags &calculatorFlags()
{
    static CalculatorFlags flags;
    return flags;
}

QByteArray CalculatorFlags::toBytes() const
{
    return QByteArray(reinterpret_cast<const char *>(bytes), Count);
}

bool CalculatorFlags::fromBytes(const QByteArray &data)
{
    if (data.size() != Count)
        return false;
    for (int i = 0; i < Count; ++i)
        bytes[i] = data.at(i) != 0 ? 1 : 0;
    return true;
}

QString CalculatorFlags::toText() const
{
    QString s(Count, QLatin1Char('0'));
    for (int i = 0; i < Count; ++i)
        if (bytes[i])
            s[i] = QLatin1Char('1');
    return s;
}

bool CalculatorFlags::fromText(const QString &text)
{
    if (text.size() != Count)
        return false;
    unsigned char parsed[Count];
    for (int i = 0; i < Count; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
        parsed[i] = c == QLatin1Char('1') ? 1 : 0;
    }
    for (int i = 0; i < Count; ++i)
        bytes[i] = parsed[i];
    return true;
}

bool CalculatorFlags::operator==(const CalculatorFlags &o) const
{
    for (int i = 0; i < Count; ++i)
        if (bytes[i] != o.bytes[i])
            return false;
    return true;
}
