#include "datafilehelper.h"

#include "texts/interpretationtexts.h"
#include "texts/requiredtexts.h"
#include "texts/textscrambler.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestTextStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void scrambleKnownVectors_data();
    void scrambleKnownVectors();
    void scrambleRoundTrip_data();
    void scrambleRoundTrip();
    void descrambleShortInput();

    void loaderEntries_data();
    void loaderEntries();
    void celebrityRecord_data();
    void celebrityRecord();
    void compoundMarkers();
    void reloadReplacesContent();
    void accessorsOutOfRange();
    void requiredListIsSound_data();
    void requiredListIsSound();
    void missingEntriesAreReported();

    void overlongLines();
    void fileEndingMidLine();
    void byteOrderMarkIsSkipped();
    void hugeFileIsCapped();
    void mutatedFilesNeverBreakTheStore();

private:
    QString dataFile(const QStringList &lines, const char *lineEnd = "\n");
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestTextStore::dataFile(const QStringList &lines, const char *lineEnd)
{
    const QString path = m_dir.filePath(QStringLiteral("eng%1.dat").arg(++m_files));
    if (!writeFile(path, scrambledFile(lines, lineEnd)))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestTextStore::init()
{
    clearInterpretationTexts();
}

// Independent vectors catch a wrong key, nibble order or cipher variant.
void TestTextStore::scrambleKnownVectors_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("header") << QStringLiteral("#10107") << QStringLiteral("aNeJmJiKnLlD");
    QTest::newRow("latin-1") << QStringLiteral("Caf\u00e9 au lait") << QStringLiteral("aLeMkMaHnKnGpAiIaAoEnFcH");
    QTest::newRow("tag") << QStringLiteral("<p>") << QStringLiteral("pMfNcJ");
}

void TestTextStore::scrambleKnownVectors()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QString text = plain;
    QVERIFY(scrambleText(text));
    QCOMPARE(text, scrambled);
    QVERIFY(descrambleText(text));
    QCOMPARE(text, plain);
}

void TestTextStore::scrambleRoundTrip_data()
{
    QTest::addColumn<QByteArray>("plain");
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QTest::newRow("one byte") << QByteArray("x");
    QTest::newRow("every byte value") << all;
    QTest::newRow("longest line") << QByteArray(kMaxPlainLineLength, 'q');
    QTest::newRow("html") << QByteArray("<b>Seven</b> &mdash; the seeker");
}

void TestTextStore::scrambleRoundTrip()
{
    QFETCH(QByteArray, plain);
    const QByteArray scrambled = scrambleBytes(plain);
    QCOMPARE(scrambled.size(), plain.size() * 2);
    for (int i = 0; i < scrambled.size(); ++i) {
        const char c = scrambled.at(i);
        QVERIFY2(i % 2 == 0 ? (c >= 'a' && c <= 'p') : (c >= 'A' && c <= 'P'), "outside the scrambling alphabet");
    }
    QByteArray out(plain.size(), '\0');
    QCOMPARE(descrambleBytes(scrambled.constData(), scrambled.size(), out.data()), plain.size());
    QCOMPARE(out, plain);
    // A trailing odd character is ignored.
    QString text = QString::fromLatin1(scrambled + 'Z');
    QVERIFY(descrambleText(text));
    QCOMPARE(text.toLatin1(), plain);
}

void TestTextStore::descrambleShortInput()
{
    QString empty;
    QVERIFY(!descrambleText(empty));
    QCOMPARE(empty, QString());
    QString one = QStringLiteral("Q");
    QVERIFY(!descrambleText(one));
    QCOMPARE(one, QStringLiteral("Q"));
    QString wide = QStringLiteral("\u2014");
    QVERIFY(!scrambleText(wide));
    QCOMPARE(wide, QStringLiteral("\u2014"));
}

// Lines starting with "!" are stored unscrambled in the file.
void TestTextStore::loaderEntries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("lines before any header are dropped")
        << QStringList{QStringLiteral("orphan"), QStringLiteral("#10101"), QStringLiteral("kept")} << 101 << 1
        << QStringLiteral("<p>kept</p>");
    QTest::newRow("two lines in order, no separator")
        << QStringList{QStringLiteral("#20105"), QStringLiteral("first"), QStringLiteral("second")} << 201 << 5
        << QStringLiteral("<p>first</p><p>second</p>");
    QTest::newRow("index 00 is valid")
        << QStringList{QStringLiteral("#12000"), QStringLiteral("essence intro")} << 120 << 0
        << QStringLiteral("<p>essence intro</p>");
    QTest::newRow("index 99 is valid")
        << QStringList{QStringLiteral("#12199"), QStringLiteral("ninety-nine")} << 121 << 99
        << QStringLiteral("<p>ninety-nine</p>");
    QTest::newRow("index -1 stops storing")
        << QStringList{QStringLiteral("#10103"), QStringLiteral("a"), QStringLiteral("#101-1"), QStringLiteral("lost")}
        << 101 << 3 << QStringLiteral("<p>a</p>");
    QTest::newRow("storing resumes at the next valid header")
        << QStringList{QStringLiteral("#101-1"), QStringLiteral("lost"), QStringLiteral("#10104"), QStringLiteral("b")}
        << 101 << 4 << QStringLiteral("<p>b</p>");
    QTest::newRow("short # line is a paragraph")
        << QStringList{QStringLiteral("#10201"), QStringLiteral("#1234"), QStringLiteral("x")} << 102 << 1
        << QStringLiteral("<p>#1234</p><p>x</p>");
    QTest::newRow("one-character line stays as it is")
        << QStringList{QStringLiteral("#10301"), QStringLiteral("!Z")} << 103 << 1 << QStringLiteral("<p>Z</p>");
    QTest::newRow("empty lines are skipped")
        << QStringList{QStringLiteral("#10402"), QStringLiteral("!"), QStringLiteral("a"), QStringLiteral("!")} << 104 << 2
        << QStringLiteral("<p>a</p>");
    QTest::newRow("unknown section is dropped")
        << QStringList{QStringLiteral("#99901"), QStringLiteral("x"), QStringLiteral("#13301"), QStringLiteral("y")}
        << 101 << 1 << QString();
    QTest::newRow("latin-1 survives")
        << QStringList{QStringLiteral("#50101"), QStringLiteral("Caf\u00e9 \u00fcber")} << 501 << 1
        << QStringLiteral("<p>Caf\u00e9 \u00fcber</p>");
    QTest::newRow("unparsable index reads as 0")
        << QStringList{QStringLiteral("#101xy"), QStringLiteral("intro")} << 101 << 0 << QStringLiteral("<p>intro</p>");
    QTest::newRow("general text 0")
        << QStringList{QStringLiteral("#90000"), QStringLiteral("welcome")} << 900 << 0 << QStringLiteral("<p>welcome</p>");
    QTest::newRow("general text beyond 15 is dropped")
        << QStringList{QStringLiteral("#90016"), QStringLiteral("lost")} << 900 << 16 << QString();
    QTest::newRow("guide title is wrapped once")
        << QStringList{QStringLiteral("#70000"), QStringLiteral("Life Path"), QStringLiteral("more")} << 700 << 0
        << QStringLiteral("<h2><p>Life Path</p></h2><p>more</p>");
    QTest::newRow("guide calculating part")
        << QStringList{QStringLiteral("#70121"), QStringLiteral("Add the digits.")} << 701 << 21
        << QStringLiteral("<h2>Calculating</h2><p>Add the digits.</p>");
    QTest::newRow("guide interpretation part")
        << QStringList{QStringLiteral("#70352"), QStringLiteral("It means.")} << 703 << 52
        << QStringLiteral("<h2>Interpretation</h2><p>It means.</p>");
    QTest::newRow("guide extra part")
        << QStringList{QStringLiteral("#70003"), QStringLiteral("Note.")} << 700 << 3 << QStringLiteral("<p>Note.</p>");
    QTest::newRow("guide parts above 3 do not spill into the next section")
        << QStringList{QStringLiteral("#70005"), QStringLiteral("stray")} << 700 << 11 << QString();
    QTest::newRow("windows line ends")
        << QStringList{QStringLiteral("#30107"), QStringLiteral("pet")} << 301 << 7 << QStringLiteral("<p>pet</p>");
}

void TestTextStore::loaderEntries()
{
    QFETCH(QStringList, lines);
    QFETCH(int, section);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const bool crlf = QByteArray(QTest::currentDataTag()).startsWith("windows");
    TextLoadStats stats;
    QVERIFY(loadInterpretationTexts(dataFile(lines, crlf ? "\r\n" : "\n"), &stats));
    QVERIFY(stats.opened);
    QCOMPARE(interpretationText(section, index), expected);
    if (section >= 700 && section <= 703 && index % 10 < 4)
        QCOMPARE(guideText((section - 700) * 10 + index / 10, index % 10), expected);
}

void TestTextStore::celebrityRecord_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("celebrity");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("birthDay");
    QTest::addColumn<int>("expression");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<int>("packedDate");

    const QStringList six = {QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("3"), QStringLiteral("Ada Example"),
                             QStringLiteral("A text"), QStringLiteral("15.6.1950")};
    QTest::newRow("six lines") << (QStringList{QStringLiteral("#60104")} + six) << 4 << 7 << 15 << 3
                               << QStringLiteral("Ada Example") << QStringLiteral("A text") << packCelebrityDate(15, 6, 1950);
    QTest::newRow("611 index 5 is celebrity 105") << (QStringList{QStringLiteral("#61105")} + six) << 105 << 7 << 15 << 3
                                                  << QStringLiteral("Ada Example") << QStringLiteral("A text")
                                                  << packCelebrityDate(15, 6, 1950);
    QTest::newRow("a zero line is used up on the same field")
        << QStringList{QStringLiteral("#60100"), QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("8"),
                       QStringLiteral("4"), QStringLiteral("9"), QStringLiteral("N"), QStringLiteral("L"),
                       QStringLiteral("1.2.2000")}
        << 0 << 8 << 4 << 9 << QStringLiteral("N") << QStringLiteral("L") << packCelebrityDate(1, 2, 2000);
    QTest::newRow("extra lines are ignored")
        << (QStringList{QStringLiteral("#60199")} + six + QStringList{QStringLiteral("2.2.2002"), QStringLiteral("more")})
        << 99 << 7 << 15 << 3 << QStringLiteral("Ada Example") << QStringLiteral("A text") << packCelebrityDate(15, 6, 1950);
    QTest::newRow("a date that would overflow stays unset")
        << QStringList{QStringLiteral("#60110"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                       QStringLiteral("N"), QStringLiteral("L"), QStringLiteral("1.1.99999999"), QStringLiteral("40.1.2000"),
                       QStringLiteral("3.4.1999")}
        << 10 << 1 << 2 << 3 << QStringLiteral("N") << QStringLiteral("L") << packCelebrityDate(3, 4, 1999);
    QTest::newRow("a date needs exactly three parts")
        << QStringList{QStringLiteral("#60111"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                       QStringLiteral("N"), QStringLiteral("L"), QStringLiteral("1.1.2000.5")}
        << 11 << 1 << 2 << 3 << QStringLiteral("N") << QStringLiteral("L") << 0;
}

void TestTextStore::celebrityRecord()
{
    QFETCH(QStringList, lines);
    QFETCH(int, celebrity);
    QFETCH(int, lifePath);
    QFETCH(int, birthDay);
    QFETCH(int, expression);
    QFETCH(QString, name);
    QFETCH(QString, line2);
    QFETCH(int, packedDate);
    QVERIFY(loadInterpretationTexts(dataFile(lines)));
    QCOMPARE(celebrityLifePath(celebrity), lifePath);
    QCOMPARE(celebrityBirthDayNumber(celebrity), birthDay);
    QCOMPARE(celebrityExpression(celebrity), expression);
    QCOMPARE(celebrityName(celebrity), name);
    QCOMPARE(celebritySecondLine(celebrity), line2);
    QCOMPARE(celebrityPackedDate(celebrity), packedDate);
    if (packedDate == packCelebrityDate(15, 6, 1950))
        QCOMPARE(celebrityBirthDate(celebrity), QDate(1950, 6, 15));
}

void TestTextStore::compoundMarkers()
{
    QVERIFY(!loadInterpretationTexts(m_dir.filePath(QStringLiteral("missing.dat"))));
    for (int i = 0; i < 100; ++i)
        QVERIFY2(interpretationText(122, i).isEmpty(), "no markers without a file");
    QCOMPARE(customText(), QStringLiteral("Your custom text here"));

    QVERIFY(loadInterpretationTexts(dataFile({QStringLiteral("#12215"), QStringLiteral("fifteen")})));
    QCOMPARE(interpretationText(122, 0), QStringLiteral(" "));
    for (int i = 1; i <= 9; ++i)
        QVERIFY(interpretationText(122, i).isEmpty());
    QCOMPARE(interpretationText(122, 10), QStringLiteral(" "));
    QCOMPARE(interpretationText(122, 99), QStringLiteral(" "));
    QCOMPARE(interpretationText(122, 15), QStringLiteral(" <p>fifteen</p>"));
}

void TestTextStore::reloadReplacesContent()
{
    const QString path = dataFile({QStringLiteral("#10107"), QStringLiteral("seven"), QStringLiteral("#60100"),
                                   QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("Name"),
                                   QStringLiteral("Line"), QStringLiteral("1.1.1900")});
    QVERIFY(loadInterpretationTexts(path));
    setCustomText(QStringLiteral("edited"));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(interpretationText(101, 7), QStringLiteral("<p>seven</p>"));
    QCOMPARE(customText(), QStringLiteral("Your custom text here"));
    QCOMPARE(celebrityName(0), QStringLiteral("Name"));
    QCOMPARE(celebrityRecordCount(), 1);

    QVERIFY(loadInterpretationTexts(dataFile({QStringLiteral("#10108"), QStringLiteral("eight")})));
    QVERIFY(interpretationText(101, 7).isEmpty());
    QVERIFY(celebrityName(0).isEmpty());
    QCOMPARE(celebrityLifePath(0), 0);
}

void TestTextStore::accessorsOutOfRange()
{
    QVERIFY(loadInterpretationTexts(dataFile({QStringLiteral("#10100"), QStringLiteral("intro")})));
    const int bad[][2] = {{101, -1}, {101, 128}, {0, 0}, {999, 0}, {900, 16}, {602, 100}, {700, 9}, {704, 0}, {-5, -5}};
    for (const auto &address : bad)
        QVERIFY2(interpretationText(address[0], address[1]).isEmpty(), qPrintable(QString::number(address[0])));
    QVERIFY(guideText(40, 0).isEmpty());
    QVERIFY(guideText(0, 4).isEmpty());
    QVERIFY(celebrityName(256).isEmpty());
    QVERIFY(celebrityText(CelebrityTextKind::LifePath, -1).isEmpty());
    QCOMPARE(celebrityLifePath(-1), 0);
    QVERIFY(!celebrityBirthDate(300).isValid());
    QVERIFY(interpretationTable(133) == nullptr);
    QCOMPARE(interpretationTable(101)[0], QStringLiteral("<p>intro</p>"));
}

void TestTextStore::requiredListIsSound_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QList<int>>("absent");
    QTest::addColumn<int>("count");
    QTest::newRow("life path masters") << 101 << QList<int>{0, 9, 11, 99} << QList<int>{10, 12} << 19;
    QTest::newRow("birthday days") << 102 << QList<int>{0, 1, 31} << QList<int>{32} << 32;
    QTest::newRow("karmic debts") << 103 << QList<int>{0, 13, 14, 16, 19} << QList<int>{1, 15} << 5;
    QTest::newRow("challenges at 1 + n") << 115 << QList<int>{0, 1, 9} << QList<int>{10} << 10;
    QTest::newRow("transits A..Z") << 119 << QList<int>{0, 1, 26} << QList<int>{27} << 27;
    QTest::newRow("essence") << 120 << QList<int>{16, 19, 99} << QList<int>{10, 13, 14} << 21;
    QTest::newRow("bridge pairs low + 10 high") << 129 << QList<int>{11, 21, 98, 99} << QList<int>{12, 89, 10} << 45;
    QTest::newRow("compatibility high + 10 low") << 404 << QList<int>{11, 12, 19, 89} << QList<int>{21, 98, 10} << 45;
    QTest::newRow("detailed birthday clear of 0..3") << 402 << QList<int>{0, 1, 2, 3, 11, 19} << QList<int>{4, 10, 20} << 13;
    QTest::newRow("character codes 11..77") << 405 << QList<int>{11, 17, 22, 27, 66, 77} << QList<int>{18, 21, 78} << 28;
    QTest::newRow("psychomatrix levels") << 217 << QList<int>{0, 7} << QList<int>{8} << 8;
    QTest::newRow("pet forecast") << 302 << QList<int>{1, 9} << QList<int>{0} << 9;
    QTest::newRow("name advisor") << 501 << QList<int>{1, 33, 99} << QList<int>{0, 10} << 18;
    QTest::newRow("compound numbers") << 122 << QList<int>{10, 99} << QList<int>{0, 9} << 90;
    QTest::newRow("guide 0..9") << 700 << QList<int>{0, 1, 2, 92} << QList<int>{3, 93} << 30;
    QTest::newRow("guide 30..35") << 703 << QList<int>{0, 52} << QList<int>{60, 53} << 18;
}

void TestTextStore::requiredListIsSound()
{
    QFETCH(int, section);
    QFETCH(QList<int>, present);
    QFETCH(QList<int>, absent);
    QFETCH(int, count);
    const QVector<TextAddress> &list = requiredTextEntries();
    int inSection = 0;
    for (const TextAddress &entry : list) {
        QVERIFY(isKnownTextSection(entry.section));
        QVERIFY(entry.index >= 0 && entry.index < kAddressableEntries);
        inSection += entry.section == section ? 1 : 0;
    }
    QCOMPARE(inSection, count);
    for (int index : present)
        QVERIFY2(list.contains({section, index}), qPrintable(QString::number(index)));
    for (int index : absent)
        QVERIFY2(!list.contains({section, index}), qPrintable(QString::number(index)));
}

void TestTextStore::missingEntriesAreReported()
{
    QVERIFY(loadInterpretationTexts(dataFile({QStringLiteral("#10107"), QStringLiteral("seven"), QStringLiteral("#70121"),
                                              QStringLiteral("how"), QStringLiteral("#12215"), QStringLiteral("x")})));
    const QStringList missing = missingRequiredTexts();
    QCOMPARE(missing.size(), requiredTextEntries().size() - 3);
    QVERIFY(!missing.contains(QStringLiteral("101:7 Life Path")));
    QVERIFY(missing.contains(QStringLiteral("101:8 Life Path")));
    QVERIFY(!missing.contains(QStringLiteral("guide 12.1 (Calculating)")));
    QVERIFY(missing.contains(QStringLiteral("guide 12.2 (Interpretation)")));
    // A lone space marks a compound number without text.
    QVERIFY(missing.contains(QStringLiteral("122:16 Compound number")));
    QVERIFY(!missing.contains(QStringLiteral("122:15 Compound number")));
    QVERIFY(celebrityDatabaseProblems().contains(QStringLiteral("celebrity database holds 0 of 200 records")));
}

void TestTextStore::overlongLines()
{
    // 8192 letters is the longest allowed line; one more and the line is skipped.
    const QByteArray longest = scrambleBytes(QByteArray(kMaxPlainLineLength, 'a'));
    QByteArray data = scrambleBytes("#10101") + '\n' + longest + '\n' + longest + "ab\n"
        + QByteArray(100000, 'x') + '\n' + scrambleBytes("after") + '\n';
    const QString path = m_dir.filePath(QStringLiteral("long.dat"));
    QVERIFY(writeFile(path, data));
    TextLoadStats stats;
    QVERIFY(loadInterpretationTexts(path, &stats));
    QCOMPARE(stats.overlong, 2);
    const QString expected = QLatin1String("<p>") + QString(kMaxPlainLineLength, QLatin1Char('a'))
        + QLatin1String("</p><p>after</p>");
    QCOMPARE(interpretationText(101, 1), expected);
}

void TestTextStore::fileEndingMidLine()
{
    // A stream cipher decodes a cut line to a prefix of its text.
    QByteArray data = scrambleBytes("#10202") + '\n' + scrambleBytes("complete") + '\n' + scrambleBytes("truncated line");
    data.chop(5);
    const QString path = m_dir.filePath(QStringLiteral("cut.dat"));
    QVERIFY(writeFile(path, data));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(interpretationText(102, 2), QStringLiteral("<p>complete</p><p>truncated l</p>"));

    // Cut in the middle of a header: the fragment is a short '#' paragraph.
    QByteArray header = scrambleBytes("#10203") + '\n' + scrambleBytes("x") + '\n' + scrambleBytes("#10204");
    header.chop(4);
    QVERIFY(writeFile(path, header));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(interpretationText(102, 3), QStringLiteral("<p>x</p><p>#102</p>"));
}

void TestTextStore::byteOrderMarkIsSkipped()
{
    const QString path = m_dir.filePath(QStringLiteral("bom.dat"));
    QVERIFY(writeFile(path, QByteArray("\xEF\xBB\xBF") + scrambledFile({QStringLiteral("#10105"), QStringLiteral("five")})));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(interpretationText(101, 5), QStringLiteral("<p>five</p>"));
}

void TestTextStore::hugeFileIsCapped()
{
    // A sparse file far larger than any data file: one endless line of zeros.
    const QString path = m_dir.filePath(QStringLiteral("huge.dat"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(scrambleBytes("#10101") + '\n' + scrambleBytes("first") + '\n') > 0);
        QVERIFY(file.resize(48LL * 1024 * 1024));
    }
    TextLoadStats stats;
    QVERIFY(loadInterpretationTexts(path, &stats));
    QVERIFY(stats.truncated);
    QCOMPARE(interpretationText(101, 1), QStringLiteral("<p>first</p>"));
}

// Mutations of a valid file: byte flips, cuts, junk and lost line ends. The
// store must neither crash nor hold more text than the file could produce.
void TestTextStore::mutatedFilesNeverBreakTheStore()
{
    QStringList lines;
    for (int section : {101, 115, 122, 201, 402, 501, 601, 602, 611, 700, 703, 900}) {
        for (int index : {0, 5, 42, 99}) {
            lines << QStringLiteral("#%1%2").arg(section).arg(index, 2, 10, QLatin1Char('0'));
            if (section == 601 || section == 611)
                lines << QStringLiteral("7") << QStringLiteral("3") << QStringLiteral("5") << QStringLiteral("Name")
                      << QStringLiteral("Line") << QStringLiteral("1.2.1903");
            else
                lines << QStringLiteral("Text of %1:%2").arg(section).arg(index) << QStringLiteral("More text.");
        }
    }
    const QByteArray original = scrambledFile(lines);
    QRandomGenerator random(20261207);
    const QString path = m_dir.filePath(QStringLiteral("fuzz.dat"));
    for (int round = 0; round < 400; ++round) {
        QByteArray data = original;
        const int edits = 1 + random.bounded(8);
        for (int e = 0; e < edits && !data.isEmpty(); ++e) {
            const int at = random.bounded(data.size());
            switch (random.bounded(5)) {
            case 0: data[at] = char(random.bounded(256)); break;
            case 1: data.truncate(at); break;
            case 2: {
                QByteArray junk(random.bounded(1, 300), '\0');
                for (char &c : junk)
                    c = char(random.bounded(256));
                data.insert(at, junk);
                break;
            }
            case 3: {
                const int lineEnd = data.indexOf('\n', at);
                if (lineEnd >= 0)
                    data.remove(lineEnd, 1);
                break;
            }
            default: data.insert(at, QByteArray(random.bounded(8000, 20000), 'k')); break;
            }
        }
        QVERIFY(writeFile(path, data));
        TextLoadStats stats;
        QVERIFY(loadInterpretationTexts(path, &stats));
        // Every stored character comes from at most two file bytes plus the wrapping.
        qint64 stored = 0;
        for (int section = 100; section < 1000; ++section) {
            if (section > 600 && section < 615)
                continue; // counted through the celebrity accessors below
            for (int index = 0; index < kTextTableSize; ++index)
                stored += interpretationText(section, index).size();
        }
        for (int c = 0; c < kCelebrityCapacity; ++c) {
            stored += celebrityName(c).size() + celebritySecondLine(c).size();
            for (int kind = 0; kind < 3; ++kind)
                stored += celebrityText(CelebrityTextKind(kind), c).size();
            const int packed = celebrityPackedDate(c);
            QVERIFY(packed >= 0);
            if (packed != 0) {
                QVERIFY(packed % 256 >= 1 && packed % 256 <= 31);
                QVERIFY(packed / 65536 >= 1 && packed / 65536 <= 9999);
            }
        }
        QVERIFY2(stored <= data.size() / 2 + 40LL * (stats.lines + 1) + 256, qPrintable(QString::number(round)));
    }
}

QTEST_GUILESS_MAIN(TestTextStore)
#include "tst_textstore.moc"
