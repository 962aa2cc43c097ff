// What qznum-cli writes: never a fragment over an old file, never under a
// name other than the one given, and one line with status 2 when it fails.
#include "tests/common/fulldisk.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString &program, const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess p;
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(10000))
        return r;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

const QString &cli()
{
    static const QString path = QStringLiteral(QZ_BIN_DIR "/qznum-cli");
    return path;
}

QString sampleChart()
{
    return QStringLiteral(QZ_BIN_DIR "/images/templates/Numerology Chart.qnr");
}

// The command line for each writer, with OUT standing for the output path.
QStringList commandFor(const QString &kind, const QString &out)
{
    if (kind == QLatin1String("barcode"))
        return {QStringLiteral("barcode"), QStringLiteral("--type"), QStringLiteral("QR Code"),
                QStringLiteral("--text"), QStringLiteral("Life Path 7"), QStringLiteral("--png"), out};
    if (kind == QLatin1String("chart"))
        return {QStringLiteral("chart"), sampleChart(), QStringLiteral("--full"), QStringLiteral("Zoe Adams"),
                QStringLiteral("--birth"), QStringLiteral("2001-03-05"), QStringLiteral("--png"), out,
                QStringLiteral("--size"), QStringLiteral("300x300")};
    return {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"),
            QStringLiteral("Zoe Adams"), QStringLiteral("--birth"), QStringLiteral("2001-03-05"),
            QStringLiteral("--html"), out};
}

bool isOneLine(const QByteArray &text)
{
    return text.endsWith('\n') && text.count('\n') == 1;
}

} // namespace

class TestCliSaves : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void fileNamesAreNeverChanged();
};

void TestCliSaves::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("barcode --png") << QStringLiteral("barcode");
    QTest::newRow("chart --png") << QStringLiteral("chart");
    QTest::newRow("report --html") << QStringLiteral("report");
}

void TestCliSaves::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, kind);
    FullDisk disk;
    QZ_REQUIRE_FULL_DISK(disk);
    const QString name = kind == QLatin1String("report") ? QStringLiteral("out.html") : QStringLiteral("out.png");
    const Run roomy = runProgram(cli(), commandFor(kind, disk.filePath(QStringLiteral("first-") + name)));
    QVERIFY2(roomy.exitCode == 0, roomy.err.constData());

    const QByteArray old = "an earlier picture or report that must survive" + QByteArray(3000, '#');
    QVERIFY(disk.put(name, old));
    QVERIFY(disk.fill());
    const Run r = runProgram(cli(), commandFor(kind, disk.filePath(name)));
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(isOneLine(r.err) && r.err.startsWith("qznum-cli: cannot write"), r.err.constData());
    QVERIFY2(r.out.isEmpty(), r.out.constData());
    QCOMPARE(disk.bytesOf(name), old);
    QCOMPARE(disk.entries(), (QStringList{QStringLiteral("first-") + name, name}));
}

void TestCliSaves::fileNamesAreNeverChanged()
{
    QTemporaryDir dir;
    // A byte that is not UTF-8 cannot be kept by Qt: refused, nothing written.
    const QString script = QStringLiteral("cd \"$1\" && exec \"$2\" barcode --type 'QR Code' --text 7 --png \"$(printf 'x\\377.png')\"");
    const Run bad = runProgram(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), dir.path(), cli()});
    QCOMPARE(bad.exitCode, 2);
    QVERIFY2(isOneLine(bad.err) && bad.err.contains("argument 7"), bad.err.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    // Proper non-ASCII names are written under exactly that name.
    const QString good = dir.filePath(QStringLiteral("x\u00ff\u4e03.png"));
    const Run ok = runProgram(cli(), commandFor(QStringLiteral("barcode"), good));
    QVERIFY2(ok.exitCode == 0, ok.err.constData());
    QVERIFY(QFileInfo::exists(good));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

QTEST_GUILESS_MAIN(TestCliSaves)
#include "tst_clisaves.moc"
