#include "texts/textscrambler.h"

#include <array>
#include <utility>

namespace {

// Key of the data file's line cipher.
constexpr char kKey[] = "Hwq2-pk]]]zmtc4u7nFrgxcTM8";
constexpr int kKeyLength = sizeof(kKey) - 1;

using Rc4State = std::array<unsigned char, 256>;

// The key schedule never changes, so it runs once; each line starts from a
// copy of the scheduled state.
const Rc4State &scheduledState()
{
    static const Rc4State state = [] {
        Rc4State s;
        for (int i = 0; i < 256; ++i)
            s[i] = static_cast<unsigned char>(i);
        int j = 0;
        for (int i = 0; i < 256; ++i) {
            j = (j + s[i] + static_cast<unsigned char>(kKey[i % kKeyLength])) & 0xFF;
            std::swap(s[i], s[j]);
        }
        return s;
    }();
    return state;
}

void rc4Apply(unsigned char *data, int length)
{
    Rc4State s = scheduledState();
    int i = 0;
    int j = 0;
    for (int n = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

} // namespace

int descrambleBytes(const char *in, int length, char *out)
{
    if (length < 2)
        return 0;
    const int n = length / 2;
    auto *bytes = reinterpret_cast<unsigned char *>(out);
    for (int i = 0; i < n; ++i) {
        const int c0 = static_cast<unsigned char>(in[2 * i]);
        const int c1 = static_cast<unsigned char>(in[2 * i + 1]);
        bytes[i] = static_cast<unsigned char>((c1 * 16 - 113 + c0) & 0xFF);
    }
    rc4Apply(bytes, n);
    return n;
}

bool descrambleText(QString &text)
{
    const int length = text.size();
    if (length < 2)
        return false;
    QByteArray in(length, Qt::Uninitialized);
    const QChar *chars = text.constData();
    for (int i = 0; i < length; ++i)
        in[i] = static_cast<char>(chars[i].unicode() & 0xFF);
    QByteArray out(length / 2, Qt::Uninitialized);
    const int n = descrambleBytes(in.constData(), length, out.data());
    text = QString::fromLatin1(out.constData(), n);
    return true;
}

QByteArray scrambleBytes(const QByteArray &plain)
{
    QByteArray bytes = plain;
    rc4Apply(reinterpret_cast<unsigned char *>(bytes.data()), bytes.size());
    QByteArray out(bytes.size() * 2, Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[2 * i] = static_cast<char>('a' + (b & 0x0F));
        out[2 * i + 1] = static_cast<char>('A' + (b >> 4));
    }
    return out;
}

bool scrambleText(QString &text)
{
    for (const QChar c : qAsConst(text)) {
        if (c.unicode() > 0xFF)
            return false;
    }
    text = QString::fromLatin1(scrambleBytes(text.toLatin1()));
    return true;
}
