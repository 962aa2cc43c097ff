// The qznum-cli contract: JSON output with the profile member names, the other
// commands, batch lines and the one-line errors with exit status 2.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess p;
    p.start(QStringLiteral(QZ_BIN_DIR "/qznum-cli"), args);
    Run r;
    if (!p.waitForStarted(10000))
        return r;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QJsonObject parseObject(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        qWarning("not a JSON object: %s", bytes.left(200).constData());
    return doc.object();
}

// Argument lists from literals (UTF-8).
QStringList L(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *i : items)
        out << QString::fromUtf8(i);
    return out;
}

QStringList profileArgs(const QString &full, const QString &birth)
{
    return {QStringLiteral("profile"), QStringLiteral("--full"), full, QStringLiteral("--birth"),
            birth, QStringLiteral("--target"), QStringLiteral("2024-01-01")};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void profileOfJohnSmith();
    void profileKeys();
    void profileOptions_data();
    void profileOptions();
    void compat();
    void optionForms();
    void otherCommands();
    void reportsRefuseOnlyWhatTheyNeed();
    void batch();
    void batchHostileLines();
    void batchThreadsKeepOrder();
    void batchCsv_data();
    void batchCsv();
    void batchCsvMatchesJson();
    void batchChosenFields();
    void errors_data();
    void errors();
};

void TestCli::profileOfJohnSmith()
{
    const Run r = runCli(profileArgs(QStringLiteral("John Smith"), QStringLiteral("1985-11-29")));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.err.isEmpty());
    QVERIFY(r.out.endsWith('\n'));
    QCOMPARE(r.out.count('\n'), 1);
    const QJsonObject o = parseObject(r.out);
    QCOMPARE(o.value(QStringLiteral("lifePath")).toInt(), 9);
    QCOMPARE(o.value(QStringLiteral("lifePathText")).toString(), QStringLiteral("11/11+11+5/23=27=9"));
    QCOMPARE(o.value(QStringLiteral("birthdayText")).toString(), QStringLiteral("29 (11)"));
    QCOMPARE(o.value(QStringLiteral("expressionCalc")).toString(), QStringLiteral("=2/20+6/24=8"));
    QCOMPARE(o.value(QStringLiteral("challengesText")).toString(), QStringLiteral("0, 3, 3, 3"));
    QCOMPARE(o.value(QStringLiteral("shortNameUpper")).toString(), QStringLiteral("JOHN SMITH"));
    QCOMPARE(o.value(QStringLiteral("birthDate")).toString(), QStringLiteral("1985-11-29"));
    QCOMPARE(o.value(QStringLiteral("personalYearText")).toString(), QStringLiteral("3"));
    QCOMPARE(o.value(QStringLiteral("physicalTransit")).toString().size(), 128);
    QCOMPARE(o.value(QStringLiteral("essence")).toArray().size(), 128);
    QCOMPARE(o.value(QStringLiteral("planesCells")).toArray().at(19).toString(), QStringLiteral("0, 0"));
    const QJsonObject matrix = o.value(QStringLiteral("matrix")).toObject();
    const QJsonArray cells = matrix.value(QStringLiteral("cells")).toArray();
    QCOMPARE(cells.size(), 10);
    QCOMPARE(cells.at(1).toInt(), 3);
    QCOMPARE(cells.at(9).toInt(), 3);
    QCOMPARE(matrix.value(QStringLiteral("lines")).toArray().size(), 8);
    QCOMPARE(matrix.value(QStringLiteral("lines")).toArray().at(6).toInt(), 8);
    QVERIFY(matrix.value(QStringLiteral("summary")).toString().startsWith(QStringLiteral("Character (1) - 3")));
}

void TestCli::profileKeys()
{
    const Run r = runCli(profileArgs(QStringLiteral("John Smith"), QStringLiteral("1985-11-29")));
    const QJsonObject o = parseObject(r.out);
    const char *const members[] = {
        "valueCounters", "lifePath", "challenges", "targetYear", "personalYearBase",
        "planeClassCounts", "letterCounts", "chaldeanMode", "extendedMasters", "birthDate",
        "expression", "physicalTransit", "mentalTransit", "spiritualTransit", "essenceRaw",
        "essence", "fullNameUpper", "shortNameUpper", "targetDate", "lifePathText", "birthdayText",
        "expressionText", "minorExpressionText", "heartDesireText", "minorHeartDesireText",
        "personalityText", "minorPersonalityText", "maturityText", "rationalThoughtText",
        "karmicDebtsText", "karmicLessonsText", "challengesText", "pinnaclesText",
        "bridgeLifePathExpressionText", "bridgeHeartPersonalityText", "balanceText",
        "personalYearText", "hiddenPassionText", "subconsciousConfidenceText",
        "pinnacleSpansText", "lifePathPeriodsText", "lifePathPeriodSpansText", "planesCellTexts",
        "planesCells", "vowelDigits", "consonantDigits", "expressionCalc", "heartDesireCalc",
        "personalityCalc", "shortVowelDigits", "shortConsonantDigits", "minorExpressionCalc",
        "minorHeartDesireCalc", "minorPersonalityCalc", "expressionRaw", "matrix"};
    for (const char *m : members)
        QVERIFY2(o.contains(QLatin1String(m)), m);
    QCOMPARE(o.value(QStringLiteral("valueCounters")).toArray().size(), 128);
    QCOMPARE(o.value(QStringLiteral("letterCounts")).toArray().size(), 26);
    QCOMPARE(o.value(QStringLiteral("planesCellTexts")).toArray().size(), 20);
}

void TestCli::profileOptions_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const char *js = "John Smith";
    QTest::newRow("plain-sum life path") << L({"--flags", "010110"}) << js
                                         << "lifePathText" << "2025=9";
    QTest::newRow("raw words") << L({"--flags", "100010"}) << js << "expressionText"
                               << "8/44";
    QTest::newRow("masters to 99") << L({"--flags", "100010", "--masters"}) << js
                                   << "expressionText" << "44";
    QTest::newRow("chaldean") << L({"--chaldean"}) << js << "expressionCalc"
                              << "=9/18+8/17=17=8";
    QTest::newRow("universal") << L({"--phonetic", "universal"}) << "Raymond"
                               << "heartDesireText" << "5";
    QTest::newRow("english") << L({"--phonetic", "English"}) << "Raymond"
                             << "heartDesireText" << "7";
    QTest::newRow("full marks") << L({"--full-marks", "0012"}) << "Mary Ann"
                                << "vowelDigits" << " 19  1  ";
    QTest::newRow("short marks") << L({"--short-marks", "1", "--short", "Mary"})
                                 << "Mary Ann" << "shortVowelDigits" << "41 7";
    QTest::newRow("cleaned") << QStringList() << "Jean-Luc O'Brien" << "fullNameUpper"
                             << "JEAN LUC OBRIEN";
    QTest::newRow("short name derived") << QStringList() << "Ana Maria Lopez" << "shortNameUpper"
                                        << "ANA LOPEZ";
    QTest::newRow("short name given") << L({"--short", "Annie"}) << "Ana Maria Lopez"
                                      << "shortNameUpper" << "ANNIE";
    QTest::newRow("raw name kept") << L({"--raw", "--short", "Jean"}) << "Jean-Luc O'Brien"
                                   << "fullNameUpper" << "JEAN-LUC O'BRIEN";
    QTest::newRow("accents cleaned") << QStringList() << "Ren\xc3\xa9" "e Dupr\xc3\xa9"
                                     << "fullNameUpper" << "RENEE DUPRE";
}

void TestCli::profileOptions()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, full);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const Run r = runCli(profileArgs(full, QStringLiteral("1985-11-29")) + extra);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(parseObject(r.out).value(key).toString(), value);
}

void TestCli::compat()
{
    const Run r = runCli({QStringLiteral("compat"), QStringLiteral("--a-full"),
                          QStringLiteral("John Smith"), QStringLiteral("--a-birth"),
                          QStringLiteral("1985-11-29"), QStringLiteral("--b-full"),
                          QStringLiteral("Mary Jones"), QStringLiteral("--b-birth"),
                          QStringLiteral("1990-01-01")});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = parseObject(r.out);
    const char *const members[] = {
        "lifePathPercent", "lifePathA", "lifePathB", "lifePathCode", "homeProductA",
        "homeProductB", "spiritProductA", "spiritProductB", "homeStability",
        "spiritualStability", "marriageTerm", "nameCode", "namePercent", "valuesPercent",
        "characterCode", "energyCode", "lifePathCalcText", "lifePathPercentText",
        "birthdayCalcText", "birthdayPercentText", "familyPercentText", "valuesPercentText",
        "nameCalcText", "namePercentText", "totalPercentText"};
    for (const char *m : members)
        QVERIFY2(o.contains(QLatin1String(m)), m);
    QCOMPARE(o.value(QStringLiteral("lifePathA")).toInt(), 9);
    QCOMPARE(o.value(QStringLiteral("birthdayCalcText")).toString(), QStringLiteral("29+1=3"));
    QCOMPARE(o.value(QStringLiteral("birthdayPercentText")).toString(), QStringLiteral("70%"));
    QVERIFY(o.value(QStringLiteral("totalPercentText")).toString().endsWith(QLatin1Char('%')));
}

void TestCli::optionForms()
{
    // "--option value" and "--option=value" give the same profile, mixed freely.
    const Run spaced = runCli(L({"profile", "--full", "John Smith", "--birth", "1985-11-29",
                                 "--target", "2024-01-01", "--flags", "100010"}));
    QCOMPARE(spaced.exitCode, 0);
    const Run joined = runCli(L({"profile", "--full=John Smith", "--birth=1985-11-29",
                                 "--target=2024-01-01", "--flags=100010"}));
    QCOMPARE(joined.exitCode, 0);
    QCOMPARE(joined.out, spaced.out);
    const Run mixed = runCli(L({"profile", "--flags=100010", "--full", "John Smith",
                                "--birth=1985-11-29", "--target", "2024-01-01"}));
    QCOMPARE(mixed.out, spaced.out);

    // Only the first "=" splits; the value keeps the rest, dashes included.
    Run r = runCli(L({"express", "--name=A=B --C", "--date=1985-11-29", "--raw"}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(parseObject(r.out).value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("A=B --C"));
    r = runCli(L({"express", "--name", "--raw", "--date", "1985-11-29"}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(parseObject(r.out).value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("RAW")); // a value, cleaned: not the switch

    // Every command takes both forms.
    r = runCli(L({"compat", "--a-full=John Smith", "--a-birth=1985-11-29", "--b-full=Mary Jones",
                  "--b-birth=1990-01-01"}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(parseObject(r.out).value(QStringLiteral("birthdayCalcText")).toString(), QStringLiteral("29+1=3"));
    r = runCli(L({"pet", "--name=Rex", "--birth=2020-01-01", "--target=2024-06-01"}));
    QCOMPARE(parseObject(r.out).value(QStringLiteral("petNumber")).toInt(), 2);
    r = runCli(L({"batch", "--target=2024-06-01"}), "John Smith,,1985-11-29\n");
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(parseObject(r.out).value(QStringLiteral("targetDate")).toString(), QStringLiteral("2024-06-01"));

    // "--" ends the options: what follows is a plain argument, never an option.
    r = runCli(L({"profile", "--full", "John Smith", "--birth", "1985-11-29", "--", "--raw"}));
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains("unexpected argument '--raw'"), r.err.constData());
    r = runCli(L({"profile", "--full", "John Smith", "--", "--birth", "1985-11-29"}));
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains("unexpected argument '--birth'"), r.err.constData());

    // One command's options on request, on standard output.
    r = runCli(L({"matrix", "--help"}));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith("usage: qznum-cli matrix --birth"));
}

void TestCli::otherCommands()
{
    Run r = runCli({QStringLiteral("matrix"), QStringLiteral("--birth"), QStringLiteral("2000-01-09")});
    QCOMPARE(r.exitCode, 0);
    QJsonObject o = parseObject(r.out);
    QCOMPARE(o.value(QStringLiteral("cells")).toArray().at(0).toInt(), 3);
    QCOMPARE(o.value(QStringLiteral("workingNumbers")).toArray().at(2).toInt(), -6);

    r = runCli({QStringLiteral("express"), QStringLiteral("--name"), QStringLiteral("John Smith"),
                QStringLiteral("--date"), QStringLiteral("1985-11-29"), QStringLiteral("--chaldean")});
    QCOMPARE(r.exitCode, 0);
    o = parseObject(r.out);
    QCOMPARE(o.value(QStringLiteral("lifePathText")).toString(), QStringLiteral("11+11+5=27=9"));
    QCOMPARE(o.value(QStringLiteral("expressionText")).toString(), QStringLiteral("8/17"));
    QCOMPARE(o.value(QStringLiteral("expressionRaw")).toInt(), 17);

    // The name advisor removes commas before cleaning: one word, in the JSON and the report.
    r = runCli(L({"express", "--name", "Smith,Jr"}));
    QCOMPARE(parseObject(r.out).value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("SMITHJR"));
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("name.html"));
    r = runCli({QStringLiteral("report"), QStringLiteral("name"), QStringLiteral("--name=Smith,Jr"),
                QStringLiteral("--html"), html});
    QCOMPARE(r.exitCode, 0);
    QFile page(html);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("Express Numerology chart for SmithJr</font>"));

    r = runCli({QStringLiteral("express"), QStringLiteral("--name"), QStringLiteral("Acme")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(parseObject(r.out).value(QStringLiteral("lifePath")).isNull());

    r = runCli({QStringLiteral("pet"), QStringLiteral("--name"), QStringLiteral("Rex"),
                QStringLiteral("--birth"), QStringLiteral("2020-01-01"), QStringLiteral("--target"),
                QStringLiteral("2024-06-01")});
    QCOMPARE(r.exitCode, 0);
    o = parseObject(r.out);
    QCOMPARE(o.value(QStringLiteral("petNumber")).toInt(), 2);
    QCOMPARE(o.value(QStringLiteral("petDayForecast")).toInt(), 5);
    QCOMPARE(o.value(QStringLiteral("personalYearText")).toString(), QStringLiteral("5"));

    r = runCli({QStringLiteral("forecast"), QStringLiteral("--birth"), QStringLiteral("1985-11-29"),
                QStringLiteral("--target"), QStringLiteral("2024-01-31"), QStringLiteral("--full"),
                QStringLiteral("Ann")});
    QCOMPARE(r.exitCode, 0);
    o = parseObject(r.out);
    QCOMPARE(o.value(QStringLiteral("personalYear")).toInt(), 3);
    QCOMPARE(o.value(QStringLiteral("personalMonth")).toInt(), 4);
    QCOMPARE(o.value(QStringLiteral("personalDay")).toInt(), 8);
    QCOMPARE(o.value(QStringLiteral("years")).toArray().size(), 9);
    QCOMPARE(o.value(QStringLiteral("months")).toArray().at(1).toObject()
                 .value(QStringLiteral("date")).toString(), QStringLiteral("2024-02-29"));
    QCOMPARE(o.value(QStringLiteral("days")).toArray().size(), 9);
    const QJsonObject calendar = o.value(QStringLiteral("calendar")).toObject();
    QCOMPARE(calendar.value(QStringLiteral("months")).toArray().size(), 12);
    QCOMPARE(calendar.value(QStringLiteral("years")).toArray().at(0).toObject()
                 .value(QStringLiteral("text")).toString(), QStringLiteral("2024\n(3)"));
    QCOMPARE(o.value(QStringLiteral("age")).toInt(), 38);
    QCOMPARE(o.value(QStringLiteral("atAge")).toObject().value(QStringLiteral("physical")).toString(),
             QStringLiteral("N")); // ANNNNNNNNNN repeats every 11 years: age 38 is an N

    r = runCli({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("batch"));
}

void TestCli::reportsRefuseOnlyWhatTheyNeed()
{
    // "Bcd" has no vowels: no heart's desire, so no full report; the psychomatrix
    // needs only the birth date and the celebrities only the expression (9).
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("r.html"));
    auto report = [&](const char *kind, const char *full) {
        QFile::remove(html);
        const Run r = runCli({QStringLiteral("report"), QLatin1String(kind), QStringLiteral("--full"),
                              QLatin1String(full), QStringLiteral("--birth"), QStringLiteral("1985-11-29"),
                              QStringLiteral("--html"), html});
        QFile page(html);
        return qMakePair(r, page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray());
    };
    auto done = report("psychomatrix", "Bcd");
    QCOMPARE(done.first.exitCode, 0);
    QVERIFY(done.second.contains("Character (1) - 3"));
    QVERIFY(done.second.contains("BCD (Bcd), Nov 29 1985"));
    done = report("celebrities", "Bcd");
    QCOMPARE(done.first.exitCode, 0);
    QVERIFY(done.second.contains("Date Number 9<br />Name Number 9"));

    // What a report does need is still refused, and nothing is written.
    done = report("celebrities", "!!!");
    QCOMPARE(done.first.exitCode, 2);
    QVERIFY(done.first.err.contains("Error! Incorrect full or short name!"));
    QVERIFY(done.second.isEmpty());
    done = report("numerology", "Bcd");
    QCOMPARE(done.first.exitCode, 2);
    QVERIFY(done.second.isEmpty());
}

void TestCli::batch()
{
    const QByteArray input = "John Smith,,1985-11-29,2024-01-01\n"
                             "\n"
                             "Mary Ann,Mary,1990-02-30\n"
                             "Jean-Luc O'Brien,Jean,1971-07-04\r\n"
                             "Bcd,,2000-01-01\n"
                             "only,two\n";
    const Run r = runCli({QStringLiteral("batch"), QStringLiteral("--target"),
                          QStringLiteral("2024-06-01")}, input);
    QCOMPARE(r.exitCode, 2);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 5);
    const QJsonObject first = parseObject(lines.at(0));
    QCOMPARE(first.value(QStringLiteral("lifePathText")).toString(), QStringLiteral("11/11+11+5/23=27=9"));
    QCOMPARE(first.value(QStringLiteral("targetDate")).toString(), QStringLiteral("2024-01-01"));
    const QJsonObject bad = parseObject(lines.at(1));
    QCOMPARE(bad.value(QStringLiteral("line")).toInt(), 3);
    QVERIFY(bad.value(QStringLiteral("error")).toString().contains(QStringLiteral("1990-02-30")));
    const QJsonObject third = parseObject(lines.at(2));
    QCOMPARE(third.value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("JEAN LUC OBRIEN"));
    QCOMPARE(third.value(QStringLiteral("shortNameUpper")).toString(), QStringLiteral("JEAN"));
    QCOMPARE(third.value(QStringLiteral("targetDate")).toString(), QStringLiteral("2024-06-01"));
    QCOMPARE(parseObject(lines.at(3)).value(QStringLiteral("error")).toString(),
             QStringLiteral("Error! Incorrect full or short name!"));
    QCOMPARE(parseObject(lines.at(4)).value(QStringLiteral("line")).toInt(), 6);
    QCOMPARE(r.err.count('\n'), 3);

    const Run ok = runCli({QStringLiteral("batch")}, "John Smith,John,1985-11-29\nAna Lopez,,1970-01-04\n");
    QCOMPARE(ok.exitCode, 0);
    QCOMPARE(ok.out.count('\n'), 2);
    QVERIFY(ok.err.isEmpty());
}

void TestCli::batchHostileLines()
{
    QByteArray input(70000, 'A');
    input += ",,1985-11-29\nJohn Smith,,1985-11-29\n";
    input += QByteArray("\xff\xfe,,1985-11-29\n");
    const Run r = runCli({QStringLiteral("batch")}, input);
    QCOMPARE(r.exitCode, 2);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(parseObject(lines.at(0)).value(QStringLiteral("error")).toString().contains(QStringLiteral("longer")));
    QCOMPARE(parseObject(lines.at(1)).value(QStringLiteral("lifePath")).toInt(), 9);
    QCOMPARE(parseObject(lines.at(2)).value(QStringLiteral("line")).toInt(), 3);
}

void TestCli::batchThreadsKeepOrder()
{
    // Each line names its own index in letters, so every output line can be traced
    // back to its input line; every 97th line is broken.
    auto letters = [](int i) {
        QByteArray code;
        for (int k = 0; k < 4; ++k, i /= 26)
            code.prepend(char('A' + i % 26));
        return code;
    };
    QByteArray input;
    const int count = 10000;
    for (int i = 0; i < count; ++i) {
        if (i % 97 == 5)
            input += "Broken Line,," + QByteArray::number(1900 + i % 100) + "-02-30\n";
        else
            input += "Person " + letters(i) + ",," + QByteArray::number(1900 + i % 120) + "-"
                     + QByteArray::number(10 + i % 3) + "-" + QByteArray::number(10 + i % 19) + "\n";
    }
    const QStringList args{QStringLiteral("batch"), QStringLiteral("--target=2024-06-01")};
    const Run one = runCli(args + QStringList{QStringLiteral("--threads"), QStringLiteral("1")}, input);
    const Run two = runCli(args + QStringList{QStringLiteral("--threads=2")}, input);
    QCOMPARE(one.exitCode, 2);
    QCOMPARE(two.exitCode, 2);
    QCOMPARE(two.out, one.out);
    QCOMPARE(two.err, one.err);

    const QList<QByteArray> lines = two.out.split('\n');
    QCOMPARE(lines.size(), count + 1);
    QVERIFY(lines.last().isEmpty());
    int broken = 0;
    for (int i = 0; i < count; ++i) {
        const QJsonObject o = parseObject(lines.at(i));
        if (i % 97 == 5) {
            ++broken;
            QCOMPARE(o.value(QStringLiteral("line")).toInt(), i + 1);
        } else {
            QCOMPARE(o.value(QStringLiteral("fullNameUpper")).toString(),
                     QStringLiteral("PERSON ") + QString::fromLatin1(letters(i)));
        }
    }
    QCOMPARE(two.err.count('\n'), broken);
    QVERIFY(two.err.startsWith("qznum-cli: line 6: "));

    // The thread count is checked like any other value.
    const Run bad = runCli({QStringLiteral("batch"), QStringLiteral("--threads"), QStringLiteral("0")}, input);
    QCOMPARE(bad.exitCode, 2);
    QVERIFY(bad.out.isEmpty());
    QVERIFY(bad.err.contains("--threads"));
}

void TestCli::batchCsv_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out"); // the rows after the header row; empty: no output at all
    QTest::addColumn<QByteArray>("err"); // a part of the only error line, or empty

    const QStringList none;
    const QByteArray john = "1,JOHN SMITH,JOHN SMITH,1985-11-29,2024-06-01,\n";
    QTest::newRow("quoted comma") << none << QByteArray("\"Smith, John Jr\",,1985-11-29\n")
                                  << QByteArray("1,SMITH JOHN JR,SMITH JR,1985-11-29,2024-06-01,\n") << QByteArray();
    QTest::newRow("doubled quotes") << none << QByteArray("\"Ann \"\"Nan\"\" Lee\",Nan,1985-11-29")
                                    << QByteArray("1,ANN NAN LEE,NAN,1985-11-29,2024-06-01,\n") << QByteArray();
    // The record after a quoted line break keeps its own line number.
    QTest::newRow("quoted line break") << none << QByteArray("\"Ann\r\nLee\",,1985-11-29\nJohn Smith,,1985-11-29\n")
                                       << QByteArray("1,ANN LEE,ANN LEE,1985-11-29,2024-06-01,\n" + john.mid(1).prepend('3'))
                                       << QByteArray();
    QTest::newRow("bom and crlf") << none << QByteArray("\xEF\xBB\xBFJohn Smith,,1985-11-29\r\n") << john << QByteArray();
    QTest::newRow("header in another order") << none
        << QByteArray("Birth,id,FULL,Short,target\r\n1985-11-29,7,\"Smith, Jo\",Jo,\r\n")
        << QByteArray("2,SMITH JO,JO,1985-11-29,2024-06-01,\n") << QByteArray();
    QTest::newRow("forced header") << QStringList{QStringLiteral("--header")}
        << QByteArray("Full,Birth,Extra\nJohn Smith,1985-11-29,x\n") << john.mid(1).prepend('2') << QByteArray();
    QTest::newRow("no header") << QStringList{QStringLiteral("--no-header")}
        << QByteArray("full,short,birth\n") << QByteArray("1,,,,,invalid date 'birth' (expected YYYY-MM-DD)\n")
        << QByteArray("line 1: invalid date 'birth'");
    QTest::newRow("header without birth") << none << QByteArray("full,short\nJohn Smith,,1985-11-29\n")
                                          << QByteArray() << QByteArray("no 'birth' column");
    QTest::newRow("row without its cells") << none << QByteArray("birth,full\n1985-11-29\n")
                                           << QByteArray("2,,,,,empty full name\n") << QByteArray("line 2: empty full name");
    QTest::newRow("too few fields") << none << QByteArray("John Smith,1985-11-29\n")
        << QByteArray("1,,,,,\"expected full,short,birth[,target] but got 2 fields\"\n") << QByteArray("got 2 fields");
    QTest::newRow("impossible date") << none << QByteArray("John Smith,,1985-02-29\n")
        << QByteArray("1,,,,,impossible date '1985-02-29'\n") << QByteArray("line 1: impossible date");
    QTest::newRow("unclosed quote") << none << QByteArray("John Smith,,1985-11-29\n\"Ann,,1985-11-29\n")
        << QByteArray(john + "2,,,,,quoted field not closed at the end of the input\n") << QByteArray("line 2: quoted");
    const QStringList dmy{QStringLiteral("--date-order"), QStringLiteral("dmy")};
    const QStringList mdy{QStringLiteral("--date-order=mdy")};
    QTest::newRow("dmy dots") << dmy << QByteArray("John Smith,,29.11.1985,1.6.2024\n") << john << QByteArray();
    QTest::newRow("dmy slashes, iso still read") << dmy << QByteArray("John Smith,,29/11/1985,2024-06-01\n") << john << QByteArray();
    QTest::newRow("mdy") << mdy << QByteArray("John Smith,,11/29/1985,6/1/2024\n") << john << QByteArray();
    QTest::newRow("dmy impossible") << dmy << QByteArray("John Smith,,31/4/1985\n")
        << QByteArray("1,,,,,impossible date '31/4/1985' (April 1985 has 30 days)\n") << QByteArray("April 1985 has 30 days");
    QTest::newRow("mdy month 29") << mdy << QByteArray("John Smith,,29/11/1985\n")
        << QByteArray("1,,,,,impossible date '29/11/1985' (there is no month 29)\n") << QByteArray("no month 29");
    QTest::newRow("day-first without the option") << none << QByteArray("John Smith,,29.11.1985\n")
        << QByteArray("1,,,,,invalid date '29.11.1985' (expected YYYY-MM-DD)\n") << QByteArray("invalid date");
    QTest::newRow("two-digit year") << dmy << QByteArray("John Smith,,29.11.85\n")
        << QByteArray("1,,,,,\"invalid date '29.11.85' (expected YYYY-MM-DD, D.M.YYYY or D/M/YYYY)\"\n")
        << QByteArray("invalid date");
    // Raw names that a spreadsheet would run as formulas stay text behind a quote.
    QTest::newRow("formula-like raw names") << QStringList{QStringLiteral("--raw")}
        << QByteArray("\"=cmd|x!A0,@Sum\",-Jo,1985-11-29\n")
        << QByteArray("1,\"'=CMD|X!A0,@SUM\",'-JO,1985-11-29,2024-06-01,\n") << QByteArray();
    QTest::newRow("tsv") << QStringList{QStringLiteral("--input-format"), QStringLiteral("tsv")}
                         << QByteArray("Smith, John\t\t1985-11-29\n")
                         << QByteArray("1,SMITH JOHN,SMITH JOHN,1985-11-29,2024-06-01,\n") << QByteArray();
}

void TestCli::batchCsv()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    const Run r = runCli(L({"batch", "--format", "csv", "--target", "2024-06-01", "--fields",
                            "fullNameUpper,shortNameUpper,birthDate,targetDate"}) + args, input);
    QCOMPARE(r.exitCode, err.isEmpty() ? 0 : 2);
    QCOMPARE(r.err.count('\n'), err.isEmpty() ? 0 : 1);
    QVERIFY2(r.err.contains(err), r.err.constData());
    const QByteArray header = "line,fullNameUpper,shortNameUpper,birthDate,targetDate,error\n";
    QCOMPARE(r.out, out.isEmpty() ? QByteArray() : header + out);
}

namespace {

// An RFC 4180 reader of our own for the test: rows of cells.
QVector<QStringList> readCsv(const QByteArray &bytes)
{
    QVector<QStringList> rows(1);
    QByteArray cell;
    bool quoted = false;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (quoted && c == '"' && i + 1 < bytes.size() && bytes.at(i + 1) == '"') {
            cell += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == '\n')) {
            rows.last() << QString::fromUtf8(cell);
            cell.clear();
            if (c == '\n')
                rows.append(QStringList());
        } else {
            cell += c;
        }
    }
    rows.removeLast();
    return rows;
}

} // namespace

void TestCli::batchCsvMatchesJson()
{
    QByteArray input;
    for (int i = 0; i < 400; ++i)
        input += "\"Person " + QByteArray(1, char('A' + i % 26)) + ", \"\"Q\"\" Lee\",," +
                 QByteArray::number(1900 + i % 120) + "-" + QByteArray::number(1 + i % 12).rightJustified(2, '0') +
                 "-" + QByteArray::number(1 + i % 31).rightJustified(2, '0') + "\n"; // some days do not exist
    const QStringList fields{QStringLiteral("fullNameUpper"), QStringLiteral("lifePath"),
                             QStringLiteral("expression"), QStringLiteral("heartDesire"),
                             QStringLiteral("personality"), QStringLiteral("birthdayNumber"),
                             QStringLiteral("challengesText"), QStringLiteral("pinnacles"),
                             QStringLiteral("matrix")};
    const QStringList args = L({"batch", "--target", "2024-06-01", "--fields"}) << fields.join(QLatin1Char(','));
    const Run json = runCli(args, input);
    const Run csv = runCli(args + L({"--format", "csv"}), input);
    QCOMPARE(csv.exitCode, json.exitCode);
    const QList<QByteArray> lines = json.out.trimmed().split('\n');
    const QVector<QStringList> rows = readCsv(csv.out);
    QCOMPARE(rows.size(), lines.size() + 1);
    QCOMPARE(rows.first(), QStringList{QStringLiteral("line")} + fields + QStringList{QStringLiteral("error")});
    int errors = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QJsonObject o = parseObject(lines.at(i));
        const QStringList &row = rows.at(i + 1);
        QCOMPARE(row.size(), fields.size() + 2);
        QCOMPARE(row.first().toInt(), i + 1);
        if (o.contains(QStringLiteral("error"))) {
            ++errors;
            QCOMPARE(row.last(), o.value(QStringLiteral("error")).toString());
            continue;
        }
        QVERIFY(row.last().isEmpty());
        for (int f = 0; f < fields.size(); ++f) {
            const QJsonValue v = o.value(fields.at(f));
            const QString &cell = row.at(f + 1);
            if (v.isString())
                QCOMPARE(cell, v.toString());
            else if (v.isDouble())
                QCOMPARE(cell, QString::number(v.toInt()));
            else
                QCOMPARE(QJsonDocument::fromJson(cell.toUtf8()).toVariant(), v.toVariant());
        }
    }
    QVERIFY(errors > 0 && errors < lines.size() / 2);
}

void TestCli::batchChosenFields()
{
    // The engine skips what no chosen field reads: each field chosen alone must
    // come out as in the whole profile.
    const QByteArray input = "John Smith,,1985-11-29\nJean-Luc O'Brien,Jean,1971-07-04\nMary Ann,,1990-02-28\n";
    const QStringList args = L({"batch", "--target", "2024-06-01"});
    QVector<QJsonObject> whole;
    for (const QByteArray &line : runCli(args, input).out.trimmed().split('\n'))
        whole << parseObject(line);
    QCOMPARE(whole.size(), 3);
    const QStringList names = whole.first().keys();
    QVERIFY(names.contains(QStringLiteral("matrix")) && names.contains(QStringLiteral("planesCellTexts")));
    for (const QString &name : names) {
        const QList<QByteArray> lines = runCli(args + QStringList{QStringLiteral("--fields"), name}, input).out.trimmed().split('\n');
        QCOMPARE(lines.size(), whole.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(parseObject(lines.at(i)) == QJsonObject({{name, whole.at(i).value(name)}}), qPrintable(name));
    }
}

void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const char *js = "John Smith";
    QTest::newRow("no command") << QStringList() << "usage";
    QTest::newRow("unknown command") << L({"horoscope"}) << "unknown command";
    QTest::newRow("impossible date") << L({"profile", "--full", js, "--birth", "1985-02-30"})
                                     << "impossible date";
    QTest::newRow("month 13") << L({"profile", "--full", js, "--birth", "1985-13-01"})
                              << "impossible date";
    QTest::newRow("short year") << L({"profile", "--full", js, "--birth", "85-11-29"})
                                << "YYYY-MM-DD";
    QTest::newRow("year zero") << L({"profile", "--full", js, "--birth", "0000-01-01"})
                               << "impossible date";
    // Digits of other scripts pass the shape check but are no number.
    QTest::newRow("arabic-indic digits")
        << L({"profile", "--full", js, "--birth", "\u0661\u0669\u0668\u0665-11-29"})
        << "impossible date";
    QTest::newRow("one foreign digit")
        << L({"profile", "--full", js, "--birth", "1985-1\u0661-29"}) << "impossible date";
    QTest::newRow("bad target") << L({"profile", "--full", js, "--birth", "1985-11-29",
                                               "--target", "tomorrow"}) << "--target";
    QTest::newRow("missing birth") << L({"profile", "--full", js}) << "missing option --birth";
    QTest::newRow("missing full") << L({"profile", "--birth", "1985-11-29"})
                                  << "missing option --full";
    QTest::newRow("missing value") << L({"profile", "--full", js, "--birth"})
                                   << "missing value for --birth";
    QTest::newRow("unknown option") << L({"profile", "--full", js, "--birth",
                                                   "1985-11-29", "--colour", "red"})
                                    << "unknown option --colour";
    QTest::newRow("stray argument") << L({"profile", "John"}) << "unexpected argument";
    QTest::newRow("short flags") << L({"profile", "--full", js, "--birth", "1985-11-29",
                                                "--flags", "10011"}) << "--flags";
    QTest::newRow("flags not binary") << L({"profile", "--full", js, "--birth",
                                                     "1985-11-29", "--flags", "100120"})
                                      << "--flags";
    QTest::newRow("phonetic") << L({"profile", "--full", js, "--birth", "1985-11-29",
                                             "--phonetic", "klingon"}) << "--phonetic";
    QTest::newRow("marks") << L({"profile", "--full", js, "--birth", "1985-11-29",
                                          "--full-marks", "01x"}) << "--full-marks";
    QTest::newRow("name of zeros") << L({"profile", "--full", "Bcd Fgh", "--birth",
                                                  "1985-11-29"})
                                   << "Error! Incorrect full or short name!";
    QTest::newRow("name cleaned away") << L({"profile", "--full", "!!!", "--birth",
                                                      "1985-11-29"})
                                       << "Error! Incorrect full or short name!";
    QTest::newRow("compat partner") << L({"compat", "--a-full", js, "--a-birth",
                                                   "1985-11-29", "--b-full", "Bcd", "--b-birth",
                                                   "1990-01-01"})
                                    << "person B: Error! Incorrect full or short name!";
    QTest::newRow("compat missing") << L({"compat", "--a-full", js, "--a-birth", "1985-11-29"})
                                    << "missing option --b-full";
    QTest::newRow("pet name") << L({"pet", "--name", "0", "--birth", "2020-01-01"})
                              << "Error! Incorrect pet name!";
    QTest::newRow("express empty") << L({"express", "--name", "---"})
                                   << "Enter your data before calculation!";
    QTest::newRow("matrix date") << L({"matrix", "--birth", "2001-02-29"})
                                 << "impossible date";
    QTest::newRow("forecast missing") << L({"forecast"}) << "missing option --birth";
    QTest::newRow("batch option") << L({"batch", "--full", js}) << "unknown option --full";
    QTest::newRow("unknown joined") << L({"profile", "--colour=red", "--full", js}) << "unknown option --colour";
    QTest::newRow("value for a switch") << L({"profile", "--full", js, "--birth", "1985-11-29",
                                                "--chaldean=yes"}) << "--chaldean takes no value";
    QTest::newRow("empty joined value") << L({"profile", "--full=", "--birth", "1985-11-29"})
                                        << "empty value for --full";
    QTest::newRow("joined bad date") << L({"profile", "--full", js, "--birth=1985-02-30"})
                                     << "impossible date";
    QTest::newRow("single dash") << L({"profile", "-f", js}) << "unknown option -f";
    QTest::newRow("unknown field names") << L({"batch", "--format", "csv", "--fields", "lifePath,soulUrge,,expression"})
                                         << "unknown field names soulUrge, ''";
    QTest::newRow("field named twice") << L({"batch", "--fields", "lifePath,expression,lifePath"})
                                       << "lifePath is named twice";
    QTest::newRow("output format") << L({"batch", "--format", "xml"}) << "--format must be jsonl or csv or tsv";
    QTest::newRow("date order") << L({"batch", "--date-order", "ydm"}) << "--date-order must be";
    QTest::newRow("header both ways") << L({"batch", "--header", "--no-header"}) << "exclude each other";
}

void TestCli::errors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run r = runCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    const QString err = QString::fromUtf8(r.err);
    QVERIFY2(err.contains(message), qPrintable(err));
    if (!args.isEmpty()) {
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
        QVERIFY(err.startsWith(QStringLiteral("qznum-cli: ")));
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
