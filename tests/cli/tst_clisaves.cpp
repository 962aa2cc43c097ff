// What qznum-cli writes: never a fragment over an old file, never under a
// name other than the one given, and one line with status 2 when it fails.
#include "tests/common/fulldisk.h"

#include "reports/creportlayoutfile.h"

#include <QBuffer>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
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
    if (kind == QLatin1String("chart pdf"))
        return {QStringLiteral("chart"), sampleChart(), QStringLiteral("--full"), QStringLiteral("Zoe Adams"),
                QStringLiteral("--birth"), QStringLiteral("2001-03-05"), QStringLiteral("--pdf"), out};
    return {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"),
            QStringLiteral("Zoe Adams"), QStringLiteral("--birth"), QStringLiteral("2001-03-05"),
            kind == QLatin1String("pdf") ? QStringLiteral("--pdf") : QStringLiteral("--html"), out};
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
    void damagedCharts_data();
    void damagedCharts();
    void damagedLayouts();
    void damagedBatchLines();
    void hostileLayoutFile();

private:
    QTemporaryDir m_dir;
    QString writeBytes(const QString &name, const QByteArray &bytes);
};

QString TestCliSaves::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestCliSaves::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("barcode --png") << QStringLiteral("barcode");
    QTest::newRow("chart --png") << QStringLiteral("chart");
    QTest::newRow("chart --pdf") << QStringLiteral("chart pdf");
    QTest::newRow("report --html") << QStringLiteral("report");
    QTest::newRow("report --pdf") << QStringLiteral("pdf");
}

void TestCliSaves::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, kind);
    FullDisk disk;
    QZ_REQUIRE_FULL_DISK(disk);
    const QString name = kind == QLatin1String("report") ? QStringLiteral("out.html")
                         : kind.endsWith(QLatin1String("pdf")) ? QStringLiteral("out.pdf")
                                                         : QStringLiteral("out.png");
    const Run roomy = runProgram(cli(), commandFor(kind, disk.filePath(QStringLiteral("first-") + name)));
    QVERIFY2(roomy.exitCode == 0, roomy.err.constData());

    const QByteArray old = "an earlier picture or report that must survive" + QByteArray(3000, '#');
    QVERIFY(disk.put(name, old));
    QVERIFY(disk.fill());
    const Run r = runProgram(cli(), commandFor(kind, disk.filePath(name)));
    QCOMPARE(r.exitCode, 2);
    if (kind == QLatin1String("pdf")) {
        // The web engine has diagnostic lines of its own; the verdict is the last line.
        const QByteArray last = r.err.trimmed().split('\n').last();
        QVERIFY2(last.startsWith("qznum-cli: cannot write the PDF") && last.contains("No space left"), r.err.constData());
    } else {
        QVERIFY2(isOneLine(r.err) && r.err.startsWith("qznum-cli: cannot write"), r.err.constData());
    }
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

void TestCliSaves::damagedCharts_data()
{
    QFile f(sampleChart());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray chart = f.readAll();
    QVERIFY(chart.size() > 50000);
    QByteArray badPicture = chart;
    const int idat = badPicture.indexOf("IDAT");
    QVERIFY(idat > 0);
    for (int i = idat + 20; i < idat + 400; ++i)
        badPicture[i] = char(badPicture.at(i) ^ 0x5a);

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("intact") << chart << 0 << QByteArray();
    QTest::newRow("cut after the first page") << chart.left(chart.size() / 2) << 0
                                              << QByteArray("warning: %1: The chart file is damaged");
    QTest::newRow("cut before any page") << chart.left(80) << 2 << QByteArray("%1: Wrong file format!");
    QTest::newRow("no chart at all") << QByteArray("no chart in here") << 2 << QByteArray("%1: Wrong file format!");
    QTest::newRow("empty file") << QByteArray() << 2 << QByteArray("%1: Wrong file format!");
    QTest::newRow("damaged picture") << badPicture << 0 << QByteArray("warning: %1: The chart file has 1 damaged picture");
}

void TestCliSaves::damagedCharts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    const QString chart = writeBytes(QStringLiteral("damaged.qnr"), bytes);
    QVERIFY(!chart.isEmpty());
    const QString png = m_dir.filePath(QStringLiteral("damaged.png"));
    QFile::remove(png);
    const Run r = runProgram(cli(), commandFor(QStringLiteral("chart"), png).replaceInStrings(sampleChart(), chart));
    QCOMPARE(r.exitCode, status);
    if (message.isEmpty()) {
        QVERIFY2(r.err.isEmpty(), r.err.constData());
    } else {
        // Exactly one line: no decoder messages around it.
        QVERIFY2(isOneLine(r.err), r.err.constData());
        const QByteArray expected = "qznum-cli: " + QString::fromUtf8(message).arg(chart).toUtf8();
        QVERIFY2(r.err.startsWith(expected), r.err.constData());
    }
    QCOMPARE(QFileInfo::exists(png), status == 0);
    QCOMPARE(r.out.isEmpty(), status != 0);
}

void TestCliSaves::damagedLayouts()
{
    const QString folder = m_dir.filePath(QStringLiteral("layouts"));
    QVERIFY(QDir().mkpath(folder));
    QDir dir(folder);
    CReportLayout layout = CReportLayout::createDefault();
    layout.lists[RKNumerology] = {CReportFieldItem::create(RKNumerology, 1, QStringLiteral("My Path")),
                                  CReportFieldItem::create(RKNumerology, 2, QStringLiteral("My Birthday"))};
    QByteArray whole;
    {
        QBuffer buffer(&whole);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(CReportLayoutFile::write(&buffer, layout));
    }
    auto put = [&](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    // Cut inside the first list: the first field is read, the rest is lost.
    QVERIFY(put(QStringLiteral("Cut.qznr"), whole.left(whole.size() / 4)));
    QVERIFY(put(QStringLiteral("Foreign.qznr"), QByteArray("PK\x03\x04 a zip file, not a layout")));

    auto report = [&](const QString &name) {
        return runProgram(cli(), {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"),
                                  QStringLiteral("John Smith"), QStringLiteral("--birth"), QStringLiteral("1985-11-29"),
                                  QStringLiteral("--layout"), name, QStringLiteral("--layouts"), folder,
                                  QStringLiteral("--html"), m_dir.filePath(QStringLiteral("layout.html"))});
    };
    const Run cut = report(QStringLiteral("cut"));
    QCOMPARE(cut.exitCode, 0);
    QVERIFY2(isOneLine(cut.err) && cut.err.startsWith("qznum-cli: warning: layout file '")
                 && cut.err.contains("Cut.qznr' is damaged"),
             cut.err.constData());

    const Run foreign = report(QStringLiteral("Foreign"));
    QCOMPARE(foreign.exitCode, 2);
    QVERIFY2(isOneLine(foreign.err) && foreign.err.contains("Foreign.qznr' is not a report layout file"),
             foreign.err.constData());

    const Run missing = report(QStringLiteral("Nowhere"));
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(isOneLine(missing.err) && missing.err.contains("no layout named 'Nowhere'"), missing.err.constData());
}

void TestCliSaves::damagedBatchLines()
{
    QByteArray input = "John Smith,,1985-11-29\n";                 // 1
    input += QByteArray("Ann", 3) + '\0' + QByteArray("a Lee,,1990-01-01\n"); // 2: NUL
    input += "Mary Ann,,1990-02-03\r\n";                              // 3
    input += "\xc3\x28 Bad,,1990-01-01\n";                            // 4: not UTF-8
    input += QByteArray(70000, 'A') + ",,1985-11-29\n";             // 5: too long
    input += "\n";                                                    // 6: blank
    input += "Zoe Adams,,2001-03-05";                                 // 7: no line end
    const Run r = runProgram(cli(), {QStringLiteral("batch"), QStringLiteral("--target"), QStringLiteral("2024-06-01")},
                             input);
    QCOMPARE(r.exitCode, 2);
    const QList<QByteArray> out = r.out.trimmed().split('\n');
    QCOMPARE(out.size(), 6);
    auto object = [](const QByteArray &line) { return QJsonDocument::fromJson(line).object(); };
    QCOMPARE(object(out.at(0)).value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("JOHN SMITH"));
    const struct {
        int row, line;
        const char *error;
    } errors[] = {{1, 2, "NUL"}, {3, 4, "UTF-8"}, {4, 5, "longer than 65536"}};
    for (const auto &e : errors) {
        const QJsonObject o = object(out.at(e.row));
        QCOMPARE(o.value(QStringLiteral("line")).toInt(), e.line);
        QVERIFY2(o.value(QStringLiteral("error")).toString().contains(QLatin1String(e.error)), out.at(e.row).constData());
    }
    QCOMPARE(object(out.at(2)).value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("MARY ANN"));
    QCOMPARE(object(out.at(5)).value(QStringLiteral("fullNameUpper")).toString(), QStringLiteral("ZOE ADAMS"));
    QCOMPARE(r.err.count('\n'), 3);
    QVERIFY(r.err.contains("line 5:"));
}

void TestCliSaves::hostileLayoutFile()
{
    // A shared layout whose captions, fonts and custom texts carry script.
    const QString folder = m_dir.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkpath(folder));
    CReportLayout layout = CReportLayout::createDefault();
    for (CReportFieldItem &item : layout.lists[RKNumerology]) {
        item.caption = QStringLiteral("<script>document.title='caption'</script>Path");
        item.defaultStyle = false;
        item.headerFont.setFamily(QStringLiteral("Arial;\"><script>x()</script>"));
        item.padValues();
        for (int v = 0; v < item.customTexts.size(); ++v) {
            item.useDefaultText[v] = false;
            item.customTexts[v] = QStringLiteral("<html><body><!-- md --><br><i>kept</i><script>x()</script>"
                                                 "<img src=\"a.png\" onerror=\"x()\"><iframe src=\"file:///etc/passwd\">"
                                                 "</iframe><a href=\"javascript:x()\">link</a></body></html>");
        }
    }
    QVERIFY(CReportLayoutFile::write(folder + QStringLiteral("/Shared.qznr"), layout));
    const QString html = m_dir.filePath(QStringLiteral("shared.html"));
    const Run r = runProgram(cli(), {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"),
                                     QStringLiteral("John Smith"), QStringLiteral("--birth"), QStringLiteral("1985-11-29"),
                                     QStringLiteral("--layout"), QStringLiteral("Shared"), QStringLiteral("--layouts"),
                                     folder, QStringLiteral("--html"), html});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QFile f(html);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString doc = QString::fromUtf8(f.readAll()).toLower();
    const QString body = doc.mid(doc.indexOf(QLatin1String("<body")));
    QVERIFY(body.contains(QLatin1String("&lt;script&gt;document.title=")));
    // Kept as Qt's rich text writes it back.
    QVERIFY(body.contains(QLatin1String("font-style:italic;\">kept</span>")));
    for (const char *sign : {"<script", "onerror", "<iframe", "javascript:"})
        QVERIFY2(!body.contains(QLatin1String(sign)), sign);
}

QTEST_GUILESS_MAIN(TestCliSaves)
#include "tst_clisaves.moc"
