#include "engine/namecleaning.h"

#include <QStringList>

#include <algorithm>

namespace qz {

namespace {

// Latin letters that no Unicode decomposition reduces to A-Z; without this they
// would become spaces and split the word ("Strauß" -> "Strau").
QString spellOutLatin(const QString &text)
{
    struct Spelling {
        ushort letter;
        const char *latin;
    };
    static const Spelling kSpellings[] = {
        {0x00DF, "ss"}, {0x1E9E, "SS"}, {0x00C6, "AE"}, {0x00E6, "ae"}, {0x0152, "OE"}, {0x0153, "oe"},
        {0x00D8, "O"},  {0x00F8, "o"},  {0x0141, "L"},  {0x0142, "l"},  {0x0110, "D"},  {0x0111, "d"},
        {0x00D0, "D"},  {0x00F0, "d"},  {0x00DE, "TH"}, {0x00FE, "th"}, {0x0131, "i"},
    };
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char *latin = nullptr;
        for (const Spelling &s : kSpellings) {
            if (s.letter == c.unicode()) {
                latin = s.latin;
                break;
            }
        }
        if (latin)
            out.append(QLatin1String(latin));
        else
            out.append(c);
    }
    return out;
}

// cleanName() for ASCII text, written straight into one buffer: batch runs it
// for every row, where QString::append per character was a hot spot.
QString cleanAsciiName(const QString &text)
{
    const int n = text.size();
    const ushort *in = reinterpret_cast<const ushort *>(text.constData());
    const auto alnum = [](ushort u) {
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
    };
    // A name that is already clean (words of letters and digits, single spaces)
    // comes back shared, without a copy.
    bool clean = n > 0 && n <= 300 && alnum(in[0]) && alnum(in[n - 1]);
    for (int i = 1; clean && i < n; ++i)
        clean = alnum(in[i]) || (in[i] == ' ' && in[i - 1] != ' ');
    if (clean)
        return text;
    // At most 300 characters are taken and each yields at most one.
    QString out(std::min(n, 300), Qt::Uninitialized);
    ushort *d = reinterpret_cast<ushort *>(out.data());
    int len = 0;
    int taken = 0;
    bool space = false;
    for (int i = 0; i < n; ++i) {
        const ushort u = in[i];
        if (u == '\'')
            continue;
        if (taken++ == 300)
            break;
        if (alnum(u)) {
            if (space)
                d[len++] = ' ';
            space = false;
            d[len++] = u;
        } else {
            space = len > 0;
        }
    }
    out.truncate(len);
    return out;
}

} // namespace

QString cleanName(const QString &text)
{
    // Plain ASCII has nothing to spell out or decompose: skip the costly steps.
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return cleanAsciiName(text);
    const QString decomposed = spellOutLatin(text).normalized(QString::NormalizationForm_D);
    // One pass: map, cut at 300 mapped characters, collapse and trim the spaces.
    QString out;
    out.reserve(std::min(decomposed.size(), 300));
    int taken = 0;
    bool space = false;
    for (QChar c : decomposed) {
        const QChar::Category cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Other_NotAssigned)
            continue;
        const ushort u = c.unicode();
        if (u == '\'')
            continue;
        if (taken++ == 300)
            break;
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) {
            if (space)
                out.append(QLatin1Char(' '));
            space = false;
            out.append(c);
        } else {
            space = !out.isEmpty();
        }
    }
    return out;
}

QString cleanAdvisorName(const QString &text)
{
    QString name = text.left(300);
    name.remove(QLatin1Char(','));
    return cleanName(name);
}

QString defaultShortName(const QString &cleanedFullName)
{
    // Found by one scan rather than a word list: batch calls this for every row.
    const QStringView name(cleanedFullName);
    const int n = name.size();
    int words = 0, firstStart = 0, firstEnd = 0, lastStart = 0;
    bool singleSpaces = n == 0 || (name.front() != QLatin1Char(' ') && name.back() != QLatin1Char(' '));
    for (int i = 0; i < n; ++i) {
        if (name[i] == QLatin1Char(' ')) {
            if (i > 0 && name[i - 1] == QLatin1Char(' '))
                singleSpaces = false;
            continue;
        }
        if (i == 0 || name[i - 1] == QLatin1Char(' ')) {
            if (++words == 1)
                firstStart = i;
            lastStart = i;
        }
        if (words == 1 && (i + 1 == n || name[i + 1] == QLatin1Char(' ')))
            firstEnd = i + 1;
    }
    if (words >= 3) {
        int lastEnd = lastStart;
        while (lastEnd < n && name[lastEnd] != QLatin1Char(' '))
            ++lastEnd;
        const int first = firstEnd - firstStart;
        const int last = lastEnd - lastStart;
        QString shortName(first + 1 + last, Qt::Uninitialized);
        QChar *d = shortName.data();
        std::copy_n(name.data() + firstStart, first, d);
        d[first] = QLatin1Char(' ');
        std::copy_n(name.data() + lastStart, last, d + first + 1);
        return shortName;
    }
    if (singleSpaces)
        return cleanedFullName;
    return cleanedFullName.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

} // namespace qz
