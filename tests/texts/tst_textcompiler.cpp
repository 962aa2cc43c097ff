#include "datafilehelper.h"

#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"
#include "tools/textc/datafilecodec.h"
#include "tools/textc/textsourceset.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Deterministic stand-in numbers so that record layout tests do not depend on
// the engine's arithmetic (which the celebrity test checks separately).
CelebrityRecordNumbers fakeNumbers(const QString &name, const QDate &born)
{
    return {name.size() % 9 + 1, born.day(), 3};
}

QByteArray compileSources(const QList<QPair<QString, QByteArray>> &files, QStringList *errors)
{
    TextSourceSet set;
    for (const auto &file : files)
        set.addSource(file.second, file.first);
    *errors = set.errors();
    if (!errors->isEmpty())
        return QByteArray();
    return compileDataFile(set, fakeNumbers, errors);
}

const char kCelebrity[] = "[celebrity]\n"
                          "name: Ada Example\n"
                          "born: 10.12.1815\n"
                          "line2: Mathematician (England)\n"
                          "lifepath: Life path text.\n"
                          "birthday: Birthday text.\n"
                          "expression: Expression text.\n";

} // namespace

class TestTextCompiler : public QObject
{
    Q_OBJECT

private slots:
    void sourceErrors_data();
    void sourceErrors();
    void markupWarnings_data();
    void markupWarnings();
    void compiledFileLoads();
    void celebrityRecordsLoad();
    void zeroCelebrityNumbersAreRefused();
    void decompileRoundTrip();
    void decompileKeepsWhatSourcesCannotSay();
    void celebrityNumbersFromTheEngine_data();
    void celebrityNumbersFromTheEngine();
    void toolReportsAndKeepsOldOutput();
    void mutatedInputsNeverBreakTheTool();

private:
    QTemporaryDir m_dir;
};

void TestTextCompiler::sourceErrors_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("error");

    QTest::newRow("character above latin-1")
        << QByteArray("; intro\n[101:1]\nA dash \xE2\x80\x94 here.\n") << QByteArray()
        << QStringLiteral("a.txt:3: character U+2014");
    QTest::newRow("duplicate across files") << QByteArray("[101:7] Seven\nText.\n")
                                            << QByteArray("\n[101:7]\nAgain.\n")
                                            << QStringLiteral("b.txt:2: duplicate entry [101:7], first defined at a.txt:1");
    QTest::newRow("guide duplicate by two spellings") << QByteArray("[guide:12.1]\nx\n") << QByteArray("[701:21]\ny\n")
                                                      << QStringLiteral("b.txt:1: duplicate entry [guide:12.1]");
    QTest::newRow("malformed header") << QByteArray("[101-7]\nx\n") << QByteArray()
                                      << QStringLiteral("a.txt:1: malformed header");
    QTest::newRow("index above 99") << QByteArray("[101:100]\nx\n") << QByteArray()
                                    << QStringLiteral("a.txt:1: malformed header");
    QTest::newRow("unknown section") << QByteArray("[133:1]\nx\n") << QByteArray()
                                     << QStringLiteral("a.txt:1: unknown section 133");
    QTest::newRow("generated section") << QByteArray("[602:1]\nx\n") << QByteArray()
                                       << QStringLiteral("a.txt:1: section 602 is generated");
    QTest::newRow("general text index") << QByteArray("[900:16]\nx\n") << QByteArray()
                                        << QStringLiteral("a.txt:1: section 900 has entries 0..15");
    QTest::newRow("guide part") << QByteArray("[guide:3.4]\nx\n") << QByteArray() << QStringLiteral("a.txt:1: guide section");
    QTest::newRow("guide section") << QByteArray("[guide:40.0]\nx\n") << QByteArray() << QStringLiteral("a.txt:1: guide section");
    QTest::newRow("text before a header") << QByteArray("\n\nStray text.\n[101:1]\nx\n") << QByteArray()
                                          << QStringLiteral("a.txt:3: text before the first entry header");
    QTest::newRow("paragraph starting with #") << QByteArray("[101:1]\n#10102 sneaky\n") << QByteArray()
                                               << QStringLiteral("a.txt:2: a paragraph may not start with '#'");
    QTest::newRow("paragraph too long") << (QByteArray("[101:1]\n") + QByteArray(4001, 'w') + '\n') << QByteArray()
                                        << QStringLiteral("a.txt:2: paragraph longer than 4000 bytes");
    QTest::newRow("invalid utf-8") << QByteArray("[101:1]\nok\nbad \xC3 byte\n") << QByteArray()
                                   << QStringLiteral("a.txt:3: invalid UTF-8");
    QTest::newRow("control character") << QByteArray("[101:1]\nbell\x07\n") << QByteArray()
                                       << QStringLiteral("a.txt:2: control character");
    QTest::newRow("celebrity without a date") << QByteArray("[celebrity]\nname: X Y\nline2: Z\n") << QByteArray()
                                              << QStringLiteral("a.txt:1: celebrity record without born");
    QTest::newRow("impossible date") << QByteArray("[celebrity]\nname: X Y\nborn: 31.02.1990\nline2: Z\n") << QByteArray()
                                     << QStringLiteral("a.txt:3: '31.02.1990' is not a date");
    QTest::newRow("unknown celebrity key") << QByteArray("[celebrity]\nname: X\nborn: 1.1.1900\nline2: Z\nrole: Y\n")
                                           << QByteArray() << QStringLiteral("a.txt:5: expected one of name, born");
    QTest::newRow("repeated celebrity key") << QByteArray("[celebrity]\nname: X\nname: Y\n") << QByteArray()
                                            << QStringLiteral("a.txt:3: duplicate 'name'");
    QTest::newRow("duplicate celebrity") << QByteArray(kCelebrity) << QByteArray(kCelebrity)
                                         << QStringLiteral("b.txt:1: duplicate celebrity 'Ada Example', first listed at a.txt:1");
    QByteArray many;
    for (int i = 0; i <= 200; ++i)
        many += QStringLiteral("[celebrity]\nname: Person %1\nborn: 1.1.1950\nline2: x\n").arg(i).toLatin1();
    QTest::newRow("more than 200 celebrities") << many << QByteArray()
                                               << QStringLiteral("a.txt:801: more than 200 celebrity records");
}

void TestTextCompiler::sourceErrors()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, error);
    QStringList errors;
    const QByteArray data = compileSources({{QStringLiteral("a.txt"), first}, {QStringLiteral("b.txt"), second}}, &errors);
    QVERIFY(data.isEmpty());
    QVERIFY2(!errors.isEmpty(), "no error reported");
    bool found = false;
    for (const QString &e : qAsConst(errors))
        found = found || e.contains(error);
    QVERIFY2(found, qPrintable(QLatin1String("expected '") + error + QLatin1String("' in: ") + errors.join(QLatin1String(" | "))));
}

void TestTextCompiler::markupWarnings_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("clean") << QStringLiteral("A <b>bold</b> &mdash; <i>calm</i> &#35;1 &#x2014; line<br />end.") << QStringList();
    QTest::newRow("bare ampersand") << QStringLiteral("Salt & pepper") << QStringList{QStringLiteral("bare '&' at column 6 (write &amp;)")};
    QTest::newRow("entity without semicolon") << QStringLiteral("a &mdash b") << QStringList{QStringLiteral("bare '&' at column 3 (write &amp;)")};
    QTest::newRow("bare less-than") << QStringLiteral("1 < 2") << QStringList{QStringLiteral("bare '<' at column 3 (write &lt;)")};
    QTest::newRow("paragraph tag") << QStringLiteral("<p>text") << QStringList{QStringLiteral("<p> is not inline markup; each line is already a paragraph")};
    QTest::newRow("left open") << QStringLiteral("<b>bold <i>both</i>") << QStringList{QStringLiteral("<b> is never closed")};
    QTest::newRow("crossed") << QStringLiteral("<b><i>x</b></i>")
                             << QStringList{QStringLiteral("</b> closes <b> while <i> is still open")};
    QTest::newRow("closed twice") << QStringLiteral("<i>x</i></i>") << QStringList{QStringLiteral("</i> closes nothing open")};
    QTest::newRow("attributes") << QStringLiteral("<span class=\"x\">y</span>") << QStringList();
}

void TestTextCompiler::markupWarnings()
{
    QFETCH(QString, paragraph);
    QFETCH(QStringList, problems);
    QCOMPARE(markupProblems(paragraph), problems);
    // They reach the warnings of the build with file and line, and do not fail it.
    TextSourceSet set;
    QVERIFY(set.addSource(QByteArray("[101:1]\n") + paragraph.toUtf8() + '\n', QStringLiteral("w.txt")));
    QCOMPARE(set.warnings().size(), problems.size());
    if (!problems.isEmpty())
        QCOMPARE(set.warnings().first(), QStringLiteral("w.txt:2: warning: ") + problems.first());
}

void TestTextCompiler::compiledFileLoads()
{
    const QByteArray source = "\xEF\xBB\xBF; comment\r\n"
                              "[101:7] Life Path 7 (label ignored)\r\n"
                              "  The seeker.  \r\n"
                              "\r\n"
                              "Caf\xC3\xA9 &mdash; second paragraph.\r\n"
                              "[guide:12.0]\nTitle\n[guide:12.1]\nHow.\n[guide:35.2]\nMeaning.\n"
                              "[900:0]\nWelcome.\n[122:15]\nFifteen.\n";
    QStringList errors;
    const QByteArray data = compileSources({{QStringLiteral("a.txt"), source}}, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    const QString path = m_dir.filePath(QStringLiteral("compiled.dat"));
    QVERIFY(writeFile(path, data));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(interpretationText(101, 7), QStringLiteral("<p>The seeker.</p><p>Caf\u00e9 &mdash; second paragraph.</p>"));
    QCOMPARE(guideText(12, 0), QStringLiteral("<h2><p>Title</p></h2>"));
    QCOMPARE(guideText(12, 1), QStringLiteral("<h2>Calculating</h2><p>How.</p>"));
    QCOMPARE(guideText(35, 2), QStringLiteral("<h2>Interpretation</h2><p>Meaning.</p>"));
    QCOMPARE(generalText(0), QStringLiteral("<p>Welcome.</p>"));
    QCOMPARE(interpretationText(122, 15), QStringLiteral(" <p>Fifteen.</p>"));
}

void TestTextCompiler::celebrityRecordsLoad()
{
    QByteArray source;
    for (int i = 0; i < 151; ++i) {
        source += QStringLiteral("[celebrity]\nname: Person %1\nborn: %2.3.19%3\nline2: Line %1\nlifepath: L%1\n"
                                 "birthday: B%1\nexpression: E%1\n\n")
                      .arg(i)
                      .arg(i % 28 + 1)
                      .arg(i % 100, 2, 10, QLatin1Char('0'))
                      .toLatin1();
    }
    QStringList errors;
    const QByteArray data = compileSources({{QStringLiteral("celebrities.txt"), source}}, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    const QString path = m_dir.filePath(QStringLiteral("celebrities.dat"));
    QVERIFY(writeFile(path, data));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(celebrityRecordCount(), 151);
    for (int i : {0, 99, 100, 150}) {
        const QString name = QStringLiteral("Person %1").arg(i);
        const QDate born(1900 + i % 100, 3, i % 28 + 1);
        const CelebrityRecordNumbers n = fakeNumbers(name, born);
        QCOMPARE(celebrityName(i), name);
        QCOMPARE(celebritySecondLine(i), QStringLiteral("Line %1").arg(i));
        QCOMPARE(celebrityBirthDate(i), born);
        QCOMPARE(celebrityLifePath(i), n.lifePath);
        QCOMPARE(celebrityBirthDayNumber(i), n.birthDay);
        QCOMPARE(celebrityExpression(i), n.expression);
        QCOMPARE(celebrityText(CelebrityTextKind::LifePath, i), QStringLiteral("<p>L%1</p>").arg(i));
        QCOMPARE(celebrityText(CelebrityTextKind::BirthDay, i), QStringLiteral("<p>B%1</p>").arg(i));
        QCOMPARE(celebrityText(CelebrityTextKind::Expression, i), QStringLiteral("<p>E%1</p>").arg(i));
    }
    QVERIFY(!hasCelebrity(151));
}

void TestTextCompiler::zeroCelebrityNumbersAreRefused()
{
    TextSourceSet set;
    QVERIFY(set.addSource(kCelebrity, QStringLiteral("c.txt")));
    QStringList errors;
    const QByteArray data = compileDataFile(
        set, [](const QString &, const QDate &) { return CelebrityRecordNumbers{5, 0, 7}; }, &errors);
    QVERIFY(data.isEmpty());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(QLatin1String("c.txt:1: celebrity 'Ada Example' gives a zero number")),
             qPrintable(errors.first()));
}

void TestTextCompiler::decompileRoundTrip()
{
    const QByteArray numbers = "[101:0]\nIntro one.\nIntro two with <b>bold</b>.\n[101:11]\nMaster.\n"
                               "[guide:0.0]\nTitle zero\n[guide:7.2]\nMeaning seven.\n[guide:39.3]\nExtra.\n"
                               "[402:11]\nDetailed.\n[900:0]\nHello &ndash; reader.\n";
    const QByteArray more = QByteArray("[501:9]\nNine \xC3\xA0 la carte.\n") + kCelebrity
        + "[celebrity]\nname: Bea Sample\nborn: 1.1.2001\nline2: Second\nlifepath: Only one text.\n";
    QStringList errors;
    const QByteArray first = compileSources({{QStringLiteral("n.txt"), numbers}, {QStringLiteral("m.txt"), more}}, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    const QString path = m_dir.filePath(QStringLiteral("round.dat"));
    QVERIFY(writeFile(path, first));

    QStringList warnings;
    const QByteArray source = decompileDataFile(path, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    QVERIFY(source.contains("[guide:7.2]"));
    QVERIFY(source.contains("[celebrity]\nname: Bea Sample\nborn: 01.01.2001\nline2: Second\nlifepath: Only one text.\n"));

    const QByteArray second = compileSources({{QStringLiteral("decompiled.txt"), source}}, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    QCOMPARE(second, first);
}

void TestTextCompiler::decompileKeepsWhatSourcesCannotSay()
{
    // Hand-made data: a short '#' paragraph, a '[' paragraph, orphans, junk.
    const QString path = m_dir.filePath(QStringLiteral("odd.dat"));
    QVERIFY(writeFile(path, scrambledFile({QStringLiteral("orphan"), QStringLiteral("#10101"), QStringLiteral("#abc"),
                                           QStringLiteral("[x] y"), QStringLiteral("bad\x01line"), QStringLiteral("#99900"),
                                           QStringLiteral("unknown"), QStringLiteral("#70005"), QStringLiteral("part five"),
                                           QStringLiteral("#90020"), QStringLiteral("general twenty")})));
    QVERIFY(loadInterpretationTexts(path));
    const QString loaded = interpretationText(101, 1);

    QStringList warnings;
    const QByteArray source = decompileDataFile(path, &warnings);
    QCOMPARE(warnings.size(), 2); // the control character, and the four lines no table takes
    QStringList errors;
    const QByteArray rebuilt = compileSources({{QStringLiteral("odd.txt"), source}}, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    QVERIFY(writeFile(path, rebuilt));
    QVERIFY(loadInterpretationTexts(path));
    QCOMPARE(interpretationText(101, 1), QStringLiteral("<p>&#35;abc</p><p>&#91;x] y</p>"));
    QVERIFY(loaded.startsWith(QLatin1String("<p>#abc</p><p>[x] y</p>")));
    QVERIFY2(warnings.last().startsWith(QLatin1String("4 lines")), qPrintable(warnings.last()));
    QVERIFY(decompileDataFile(m_dir.filePath(QStringLiteral("none.dat")), &warnings).isEmpty());
}

// Worked by hand with the Pythagorean letter values (A=1 ... I=9, J=1 ...).
void TestTextCompiler::celebrityNumbersFromTheEngine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("born");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("birthDay");
    QTest::addColumn<int>("expression");
    // ADA 1+4+1 = 6, LOVELACE 3+6+4+5+3+1+3+5 = 30 -> 3, 6 + 3 = 9.
    // Life path: year 1+8+1+5 = 15 -> 6, month 1+2 = 3, day 1+0 = 1, 6+3+1 = 10 -> 1.
    QTest::newRow("ada") << QStringLiteral("Ada Lovelace") << QDate(1815, 12, 10) << 1 << 1 << 9;
    // EMILE 5+4+9+3+5 = 26 -> 8, ABC = 6, 14 -> 5; day 29 keeps 11: 2+1+11 = 14 -> 5.
    // The accent is cleaned away as in typed names.
    QTest::newRow("accent") << QStringLiteral("\u00c9mile Abc") << QDate(2000, 1, 29) << 5 << 11 << 5;
}

void TestTextCompiler::celebrityNumbersFromTheEngine()
{
    QFETCH(QString, name);
    QFETCH(QDate, born);
    QFETCH(int, lifePath);
    QFETCH(int, birthDay);
    QFETCH(int, expression);
    const CelebrityNumbers n = computeCelebrityNumbers(name, born);
    QCOMPARE(n.lifePath, lifePath);
    QCOMPARE(n.birthDay, birthDay);
    QCOMPARE(n.expression, expression);
}

void TestTextCompiler::toolReportsAndKeepsOldOutput()
{
    const QString tool = QStringLiteral(QZ_BIN_DIR "/qznum-textc");
    const QString good = m_dir.filePath(QStringLiteral("good.txt"));
    const QString bad = m_dir.filePath(QStringLiteral("bad.txt"));
    const QString out = m_dir.filePath(QStringLiteral("tool.dat"));
    QVERIFY(writeFile(good, QByteArray("[101:1]\nOne.\n") + kCelebrity));
    QVERIFY(writeFile(bad, "[102:1]\nfine\n\n[102:2]\nquote \xE2\x80\x9Chere\xE2\x80\x9D\n"));

    QProcess run;
    run.start(tool, {QStringLiteral("build"), QStringLiteral("--out"), out, good});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();
    QVERIFY(!before.isEmpty());

    run.start(tool, {QStringLiteral("build"), QStringLiteral("--out"), out, good, bad});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 1);
    const QString stderrText = QString::fromLocal8Bit(run.readAllStandardError());
    QVERIFY2(stderrText.contains(QLatin1String("bad.txt:5: character U+201C")), qPrintable(stderrText));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), before);
    written.close();

    // The real engine numbers of the record reach the file.
    QVERIFY(loadInterpretationTexts(out));
    const CelebrityNumbers n = computeCelebrityNumbers(QStringLiteral("Ada Example"), QDate(1815, 12, 10));
    QCOMPARE(celebrityLifePath(0), n.lifePath);
    QCOMPARE(celebrityBirthDayNumber(0), n.birthDay);
    QCOMPARE(celebrityExpression(0), n.expression);

    run.start(tool, {QStringLiteral("decompile"), out});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    QVERIFY(run.readAllStandardOutput().contains("name: Ada Example\nborn: 10.12.1815\n"));

    // With no sources yet the build still yields a valid, empty data file.
    run.start(tool, {QStringLiteral("build"), QStringLiteral("--out"), out});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    QCOMPARE(QFileInfo(out).size(), 0);
    QVERIFY(loadInterpretationTexts(out));
    QVERIFY(interpretationText(101, 1).isEmpty());
    QVERIFY(!hasCelebrity(0));

    run.start(tool, {QStringLiteral("frobnicate")});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 2);
}

// Random damage to sources and data files: the parser reports or accepts,
// the decompiler writes what it can; neither may crash or emit a source the
// compiler then rejects.
void TestTextCompiler::mutatedInputsNeverBreakTheTool()
{
    const QByteArray source = QByteArray("[101:0]\nIntro.\n[guide:4.1]\nHow \xC3\xA9.\n[122:40]\nForty.\n") + kCelebrity
        + "[celebrity]\nname: Bo Dee\nborn: 2.3.1990\nline2: x\n";
    QStringList errors;
    const QByteArray data = compileSources({{QStringLiteral("s.txt"), source}}, &errors);
    QVERIFY(errors.isEmpty());
    QRandomGenerator random(7);
    const QString path = m_dir.filePath(QStringLiteral("mutant.dat"));
    for (int round = 0; round < 300; ++round) {
        const bool damageSource = round % 2 == 0;
        QByteArray bytes = damageSource ? source : data;
        for (int e = 1 + random.bounded(6); e > 0 && !bytes.isEmpty(); --e) {
            const int at = random.bounded(bytes.size());
            if (random.bounded(3) == 0)
                bytes.truncate(at);
            else
                bytes[at] = char(random.bounded(256));
        }
        if (damageSource) {
            TextSourceSet set;
            if (set.addSource(bytes, QStringLiteral("m.txt")))
                compileDataFile(set, fakeNumbers, &errors);
            continue;
        }
        QVERIFY(writeFile(path, bytes));
        QStringList warnings;
        const QByteArray decompiled = decompileDataFile(path, &warnings);
        QVERIFY(!decompiled.isEmpty());
        TextSourceSet set;
        QVERIFY2(set.addSource(decompiled, QStringLiteral("d.txt")),
                 qPrintable(set.errors().join(QLatin1Char('\n')) + QLatin1Char('\n') + QString::fromUtf8(decompiled)));
    }
}

QTEST_GUILESS_MAIN(TestTextCompiler)
#include "tst_textcompiler.moc"
