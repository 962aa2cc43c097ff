// The text commands of qznum-cli over a complete generated data file.

#include "datafilehelper.h"

#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"
#include "texts/requiredtexts.h"
#include "tools/textc/datafilecodec.h"
#include "tools/textc/textsourceset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString sampleName(int i)
{
    return QStringLiteral("Celeb %1%2").arg(QChar(QLatin1Char('A' + i / 26))).arg(QChar(QLatin1Char('a' + i % 26)));
}

QDate sampleBorn(int i)
{
    return QDate(1900 + i, 1 + i % 12, 1 + i % 28);
}

// Every required entry, except those in @p leaveOut, and 200 full records.
QByteArray completeSource(const QVector<TextAddress> &leaveOut)
{
    QByteArray source;
    for (const TextAddress &entry : requiredTextEntries()) {
        if (!leaveOut.contains(entry))
            source += QStringLiteral("[%1:%2]\nText %1 %2.\n").arg(entry.section).arg(entry.index).toLatin1();
    }
    for (int i = 0; i < kRequiredCelebrityRecords; ++i) {
        source += QStringLiteral("[celebrity]\nname: %1\nborn: %2\nline2: Field %3\nlifepath: L.\nbirthday: B.\n"
                                 "expression: E.\n")
                      .arg(sampleName(i), sampleBorn(i).toString(QStringLiteral("d.M.yyyy")))
                      .arg(i)
                      .toLatin1();
    }
    return source;
}

} // namespace

class TestTextsCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneEntry_data();
    void oneEntry();
    void checkCompleteAndIncomplete();
    void celebrityMatches();

private:
    QString writeData(const QVector<TextAddress> &leaveOut, const QString &name);
    int run(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr);
    QTemporaryDir m_dir;
    QString m_complete;
};

QString TestTextsCli::writeData(const QVector<TextAddress> &leaveOut, const QString &name)
{
    TextSourceSet set;
    if (!set.addSource(completeSource(leaveOut), QStringLiteral("all.txt")))
        qFatal("%s", qPrintable(set.errors().join(QLatin1Char('\n'))));
    QStringList errors;
    const QByteArray data = compileDataFile(
        set,
        [](const QString &n, const QDate &born) {
            const CelebrityNumbers c = computeCelebrityNumbers(n, born);
            return CelebrityRecordNumbers{c.lifePath, c.birthDay, c.expression};
        },
        &errors);
    const QString path = m_dir.filePath(name);
    if (!errors.isEmpty() || !writeFile(path, data))
        qFatal("cannot build %s", qPrintable(path));
    return path;
}

int TestTextsCli::run(const QStringList &args, QByteArray *out, QByteArray *err)
{
    QProcess process;
    process.start(QStringLiteral(QZ_BIN_DIR "/qznum-cli"), args);
    if (!process.waitForFinished(30000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestTextsCli::initTestCase()
{
    m_complete = writeData({}, QStringLiteral("complete.dat"));
}

void TestTextsCli::oneEntry_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("entry") << QStringList{QStringLiteral("--section"), QStringLiteral("101"), QStringLiteral("--index"), QStringLiteral("7")}
                           << 0 << QByteArray("<p>Text 101 7.</p>\n");
    QTest::newRow("guide by section and part") << QStringList{QStringLiteral("--guide"), QStringLiteral("12.1")} << 0
                                               << QByteArray("<h2>Calculating</h2><p>Text 701 21.</p>\n");
    QTest::newRow("guide by code") << QStringList{QStringLiteral("--section"), QStringLiteral("703"), QStringLiteral("--index"), QStringLiteral("50")}
                                   << 0 << QByteArray("<h2><p>Text 703 50.</p></h2>\n");
    QTest::newRow("celebrity text") << QStringList{QStringLiteral("--section"), QStringLiteral("613"), QStringLiteral("--index"), QStringLiteral("99")}
                                    << 0 << QByteArray("<p>B.</p>\n");
    QTest::newRow("empty entry") << QStringList{QStringLiteral("--section"), QStringLiteral("132")} << 1 << QByteArray();
    QTest::newRow("unknown section") << QStringList{QStringLiteral("--section"), QStringLiteral("133")} << 2 << QByteArray();
    QTest::newRow("index out of range") << QStringList{QStringLiteral("--section"), QStringLiteral("101"), QStringLiteral("--index"), QStringLiteral("100")}
                                        << 2 << QByteArray();
    QTest::newRow("bad guide") << QStringList{QStringLiteral("--guide"), QStringLiteral("40.0")} << 2 << QByteArray();
    QTest::newRow("not a number") << QStringList{QStringLiteral("--section"), QStringLiteral("1o1")} << 2 << QByteArray();
}

void TestTextsCli::oneEntry()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QByteArray out;
    QCOMPARE(run(QStringList{QStringLiteral("texts"), QStringLiteral("--data"), m_complete} + args, &out), exitCode);
    QCOMPARE(out, output);
}

void TestTextsCli::checkCompleteAndIncomplete()
{
    QByteArray out;
    QCOMPARE(run({QStringLiteral("texts"), QStringLiteral("--check"), QStringLiteral("--data"), m_complete}, &out), 0);
    QVERIFY2(out.startsWith("0 of "), out.constData());

    const QString partial = writeData({{104, 33}, {702, 92}, {405, 77}}, QStringLiteral("partial.dat"));
    QCOMPARE(run({QStringLiteral("texts"), QStringLiteral("--check"), QStringLiteral("--data"), partial}, &out), 1);
    const QList<QByteArray> lines = out.trimmed().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QByteArray("missing 104:33 Expression"));
    QCOMPARE(lines.at(1), QByteArray("missing 405:77 Character compatibility"));
    QCOMPARE(lines.at(2), QByteArray("missing guide 29.2 (Interpretation)"));
    QVERIFY(lines.at(3).startsWith("3 of "));

    QCOMPARE(run({QStringLiteral("texts"), QStringLiteral("--check"), QStringLiteral("--data"),
                  m_dir.filePath(QStringLiteral("absent.dat"))}),
             2);
}

void TestTextsCli::celebrityMatches()
{
    const int me = 57;
    QByteArray out;
    QByteArray err;
    QCOMPARE(run({QStringLiteral("celebrities"), QStringLiteral("--data"), m_complete, QStringLiteral("--full"),
                  sampleName(me), QStringLiteral("--birth"), sampleBorn(me).toString(Qt::ISODate)},
                 &out, &err),
             0);
    const QJsonObject json = QJsonDocument::fromJson(out).object();
    QVERIFY2(!json.isEmpty(), err.constData());
    QCOMPARE(json.value(QStringLiteral("celebrityRecords")).toInt(), 200);

    QVERIFY(loadInterpretationTexts(m_complete));
    const CelebrityNumbers mine = computeCelebrityNumbers(sampleName(me), sampleBorn(me));
    QCOMPARE(json.value(QStringLiteral("lifePath")).toInt(), mine.lifePath);
    QCOMPARE(json.value(QStringLiteral("expression")).toInt(), mine.expression);
    const struct
    {
        const char *key;
        std::function<bool(int)> matches;
    } lists[] = {
        {"celebrityLifePathMatches", [&](int i) { return celebrityLifePath(i) == mine.lifePath; }},
        {"celebrityBirthDayMatches", [&](int i) { return sampleBorn(i).day() == sampleBorn(me).day(); }},
        {"celebrityExpressionMatches", [&](int i) { return celebrityExpression(i) == mine.expression; }},
    };
    for (const auto &list : lists) {
        QVector<int> expected;
        for (int i = 0; i < 200; ++i) {
            if (list.matches(i))
                expected.append(i);
        }
        QVERIFY(expected.contains(me));
        QVector<int> listed;
        for (const QJsonValue &v : json.value(QLatin1String(list.key)).toArray())
            listed.append(v.toObject().value(QStringLiteral("index")).toInt());
        QCOMPARE(listed, expected);
    }
    const QJsonObject first = json.value(QStringLiteral("celebrityBirthDayMatches")).toArray().first().toObject();
    const int index = first.value(QStringLiteral("index")).toInt();
    QCOMPARE(first.value(QStringLiteral("name")).toString(), sampleName(index));
    QCOMPARE(first.value(QStringLiteral("birthDate")).toString(), sampleBorn(index).toString(Qt::ISODate));
    QCOMPARE(first.value(QStringLiteral("image")).toString(), QStringLiteral("%1.jpg").arg(index, 3, 10, QLatin1Char('0')));

    QCOMPARE(run({QStringLiteral("celebrities"), QStringLiteral("--data"), m_complete, QStringLiteral("--full"),
                  QStringLiteral("123"), QStringLiteral("--birth"), QStringLiteral("1990-01-01")}),
             2);
}

QTEST_GUILESS_MAIN(TestTextsCli)
#include "tst_textscli.moc"
