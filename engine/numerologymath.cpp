#include "engine/numerologymath.h"

namespace qz {

namespace {

// Upper case without a table lookup for the ASCII range, where names live.
inline QChar upper(QChar c)
{
    const ushort u = c.unicode();
    if (u < 128)
        return (u >= 'a' && u <= 'z') ? QChar(ushort(u - 32)) : c;
    return c.toUpper();
}

inline bool isUpperLatin(QChar c) { return c.unicode() >= 'A' && c.unicode() <= 'Z'; }

inline bool isPlainVowel(QChar c)
{
    switch (c.unicode()) {
    case 'A': case 'E': case 'I': case 'O': case 'U':
        return true;
    default:
        return false;
    }
}

} // namespace

bool isMasterNumber(int n, bool extendedMasters)
{
    if (n == 11 || n == 22 || n == 33)
        return true;
    return extendedMasters && n >= 44 && n <= 99 && n % 11 == 0;
}

bool isFinalNumber(int n, bool extendedMasters)
{
    return (n >= 0 && n <= 9) || isMasterNumber(n, extendedMasters);
}

bool isKarmicDebt(int n) { return n == 13 || n == 14 || n == 16 || n == 19; }

int digitSum4(int n)
{
    return n / 1000 % 10 + n / 100 % 10 + n / 10 % 10 + n % 10;
}

int detail::reduceKeepMastersSlow(int n, bool extendedMasters)
{
    if (n <= 0)
        return 0;
    while (!isFinalNumber(n, extendedMasters)) {
        n = digitSum4(n);
        if (n <= 0)
            return 0;
    }
    return n;
}

int detail::reduceToDigitSlow(int n)
{
    if (n <= 9)
        return n;
    // Only the lowest four digits take part in a step; within them the repeated
    // digit sum of a positive number is its digital root.
    while (n > 9999) {
        n = digitSum4(n);
        if (n == 0)
            return 0;
    }
    return 1 + (n - 1) % 9;
}

int digitSumOnce(int n, bool extendedMasters)
{
    return isFinalNumber(n, extendedMasters) ? n : digitSum4(n);
}

int compatStep(int n)
{
    if ((n >= 0 && n <= 9) || n == 11 || n == 22 || n == 33)
        return n;
    return digitSum4(n);
}

int compatReduce(int n)
{
    while (n < 0 || n > 9) {
        if (n == 11 || n == 22 || n == 33)
            return n / 10 + n % 10;
        n = compatStep(n);
        if (n <= 0)
            return 0;
    }
    return n;
}

int wordValue(QStringView text, bool chaldean, bool reduceMasterLetters)
{
    int sum = 0;
    for (QChar c : text)
        sum += letterValue(c, chaldean, reduceMasterLetters);
    return sum;
}

int classifyLetter(QStringView word, int pos, int mode)
{
    if (pos < 0 || pos >= word.size())
        return 0;
    if (mode != PhoneticEnglish && mode != PhoneticUniversal)
        return 0;
    const QChar c = upper(word.at(pos));
    if (!isUpperLatin(c))
        return 0;
    const ushort u = c.unicode();
    if (mode == PhoneticUniversal)
        return (isPlainVowel(c) || u == 'Y') ? 1 : -1;
    if (isPlainVowel(c))
        return 1;
    const int last = word.size() - 1;
    if (u == 'W') {
        if (pos == 0)
            return -1;
        if (!isUpperLatin(upper(word.at(pos - 1))))
            return -1;
        if (pos == last)
            return 1;
        const QChar next = upper(word.at(pos + 1));
        if (!isUpperLatin(next))
            return 1;
        if (isPlainVowel(next) || next.unicode() == 'Y' || next.unicode() == 'H')
            return -1;
        return 1;
    }
    if (u == 'Y') {
        const bool nextIsLetter = pos < last && isUpperLatin(upper(word.at(pos + 1)));
        if (!nextIsLetter) {
            if (pos == 0)
                return 1;
            return isPlainVowel(upper(word.at(pos - 1))) ? -1 : 1;
        }
        const QChar next = upper(word.at(pos + 1));
        if (pos == 0 || !isUpperLatin(upper(word.at(pos - 1))))
            return isPlainVowel(next) ? -1 : 1;
        const QChar prev = upper(word.at(pos - 1));
        return (isPlainVowel(prev) || prev.unicode() == 'Y') ? -1 : 1;
    }
    return -1;
}

QVector<QStringView> nameWords(QStringView name)
{
    QVector<QStringView> words;
    int start = 0;
    const int n = name.size();
    for (int i = 0; i <= n; ++i) {
        if (i == n || name.at(i).unicode() == ' ') {
            words.append(name.mid(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

QVector<int> nameWordSums(QStringView name, bool chaldean, bool reduceMasterLetters)
{
    QVector<int> sums;
    int sum = 0;
    for (QChar c : name) {
        if (c.unicode() == ' ') {
            sums.append(sum);
            sum = 0;
        } else {
            sum += letterValue(c, chaldean, reduceMasterLetters);
        }
    }
    sums.append(sum);
    return sums;
}

QVector<int> namePartSums(QStringView name, bool wantVowels, const QVector<int> &marks, int mode,
                          bool chaldean, bool reduceMasterLetters)
{
    QVector<int> sums;
    const QVector<QStringView> words = nameWords(name);
    sums.reserve(words.size());
    int offset = 0;
    for (const QStringView &word : words) {
        int sum = 0;
        for (int k = 0; k < word.size(); ++k) {
            const int position = offset + k;
            const int mark = position < marks.size() ? marks.at(position) : MarkNone;
            bool take;
            if (mark == MarkVowel)
                take = wantVowels;
            else if (mark == MarkConsonant)
                take = !wantVowels;
            else
                take = classifyLetter(word, k, mode) == (wantVowels ? 1 : -1);
            if (take)
                sum += letterValue(word.at(k), chaldean, reduceMasterLetters);
        }
        sums.append(sum);
        offset += word.size() + 1;
    }
    return sums;
}

int letterPlaneClass(QChar ch)
{
    const QChar c = upper(ch);
    if (!isUpperLatin(c))
        return -1;
    return detail::PlaneClasses[c.unicode() - 'A'];
}

QString monthShortName(int month)
{
    static const char *const names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(names[month - 1]);
}

} // namespace qz
