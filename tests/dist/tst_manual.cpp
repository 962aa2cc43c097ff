// The shipped manual as built: every link and picture of every page resolves,
// every page carries its navigation, every worked-example figure matches
// what qznum-cli prints for the guide's sample person, and every label and
// report heading it names exists.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString ManualDir = QStringLiteral(QZ_BIN_DIR "/images/manual");
// The short welcome page of the start-up dialog stands outside the page chain.
const QString WelcomePage = QStringLiteral("manual/start.html");

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Pages relative to the manual folder.
QStringList manualPages()
{
    QStringList pages;
    QDirIterator it(ManualDir, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << QDir(ManualDir).relativeFilePath(it.next());
    pages.sort();
    return pages;
}

QStringList attributeValues(const QString &html, const QString &attribute)
{
    QStringList out;
    const QRegularExpression re(QStringLiteral("\\b%1\\s*=\\s*\"([^\"]*)\"").arg(attribute));
    for (auto it = re.globalMatch(html); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

bool hasId(const QString &html, const QString &id)
{
    return html.contains(QStringLiteral("id=\"%1\"").arg(id));
}

// The sample commands the pages' figures come from.
QStringList sampleArguments(const QString &name)
{
    const QStringList anna{QStringLiteral("--full"), QStringLiteral("Anna Maria Lopez"), QStringLiteral("--short"),
                           QStringLiteral("Anna Lopez"), QStringLiteral("--birth"), QStringLiteral("1990-07-14"),
                           QStringLiteral("--target"), QStringLiteral("2026-01-15")};
    if (name == QLatin1String("profile"))
        return QStringList{QStringLiteral("profile")} + anna;
    if (name == QLatin1String("chaldean"))
        return QStringList{QStringLiteral("profile")} + anna + QStringList{QStringLiteral("--chaldean")};
    if (name == QLatin1String("compat"))
        return {QStringLiteral("compat"), QStringLiteral("--a-full"), QStringLiteral("Anna Maria Lopez"),
                QStringLiteral("--a-short"), QStringLiteral("Anna Lopez"), QStringLiteral("--a-birth"),
                QStringLiteral("1990-07-14"), QStringLiteral("--b-full"), QStringLiteral("David James Chen"),
                QStringLiteral("--b-short"), QStringLiteral("David Chen"), QStringLiteral("--b-birth"),
                QStringLiteral("1988-03-02")};
    if (name == QLatin1String("matrix"))
        return {QStringLiteral("matrix"), QStringLiteral("--birth"), QStringLiteral("1990-07-14")};
    if (name == QLatin1String("forecast"))
        return {QStringLiteral("forecast"), QStringLiteral("--birth"), QStringLiteral("1990-07-14"),
                QStringLiteral("--target"), QStringLiteral("2026-01-15"), QStringLiteral("--full"),
                QStringLiteral("Anna Maria Lopez")};
    if (name == QLatin1String("pet"))
        return {QStringLiteral("pet"), QStringLiteral("--name"), QStringLiteral("Bella"), QStringLiteral("--birth"),
                QStringLiteral("2021-05-03"), QStringLiteral("--target"), QStringLiteral("2026-01-15")};
    if (name == QLatin1String("express"))
        return {QStringLiteral("express"), QStringLiteral("--name"), QStringLiteral("Sunrise Bakery")};
    return {};
}

// "a.b.2" walks objects by key and arrays by index; scalars come back as text.
bool lookUp(const QJsonValue &root, const QString &path, QString *text)
{
    QJsonValue v = root;
    for (const QString &part : path.split(QLatin1Char('.'))) {
        bool isIndex = false;
        const int index = part.toInt(&isIndex);
        if (isIndex && v.isArray() && index >= 0 && index < v.toArray().size())
            v = v.toArray().at(index);
        else if (!isIndex && v.isObject() && v.toObject().contains(part))
            v = v.toObject().value(part);
        else
            return false;
    }
    if (v.isString())
        *text = v.toString();
    else if (v.isDouble())
        *text = QString::number(v.toDouble());
    else
        return false;
    return true;
}

QString unescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// Every string literal of the program's windows, dialogs and panels.
QSet<QString> programLiterals()
{
    const QString root = QStringLiteral(QZ_TEST_DATA_DIR "/../..");
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QSet<QString> out;
    for (const char *folder : {"app", "panels", "chartedit", "reportedit"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString code = readText(it.next());
            for (auto m = literal.globalMatch(code); m.hasNext();)
                out.insert(m.next().captured(1));
        }
    }
    return out;
}

// The report kind of qznum-cli that goes with a sample.
QString reportKind(const QString &sample)
{
    static const QHash<QString, QString> kinds{{QStringLiteral("profile"), QStringLiteral("numerology")},
                                               {QStringLiteral("compat"), QStringLiteral("compatibility")},
                                               {QStringLiteral("matrix"), QStringLiteral("psychomatrix")},
                                               {QStringLiteral("pet"), QStringLiteral("pet")},
                                               {QStringLiteral("express"), QStringLiteral("name")}};
    return kinds.value(sample);
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(ManualDir + QStringLiteral("/index.html")), qPrintable(ManualDir));
        QVERIFY(manualPages().size() > 10);
    }

    void linksAndPicturesResolve()
    {
        QStringList problems;
        for (const QString &page : manualPages()) {
            const QString path = ManualDir + QLatin1Char('/') + page;
            const QString html = readText(path);
            const QDir here = QFileInfo(path).dir();
            QStringList targets = attributeValues(html, QStringLiteral("href"));
            const QStringList pictures = attributeValues(html, QStringLiteral("src"));
            targets += pictures;
            for (const QString &target : targets) {
                if (target.isEmpty() || target.contains(QLatin1Char(':'))) {
                    problems << page + QStringLiteral(": link leaves the manual: '") + target + QLatin1Char('\'');
                    continue;
                }
                const int hash = target.indexOf(QLatin1Char('#'));
                const QString file = hash < 0 ? target : target.left(hash);
                const QString fragment = hash < 0 ? QString() : target.mid(hash + 1);
                const QString resolved = file.isEmpty() ? path : QDir::cleanPath(here.filePath(file));
                if (!QFileInfo(resolved).isFile()) {
                    problems << page + QStringLiteral(": missing ") + target;
                    continue;
                }
                if (!fragment.isEmpty() && !hasId(readText(resolved), fragment))
                    problems << page + QStringLiteral(": no anchor ") + target;
            }
            for (const QString &picture : pictures) {
                const QImage img(QDir::cleanPath(here.filePath(picture)));
                if (!picture.contains(QLatin1Char(':')) && (img.isNull() || img.width() < 16 || img.height() < 16))
                    problems << page + QStringLiteral(": unreadable picture ") + picture;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void everyScreenshotIsShown()
    {
        // A picture the tool takes but no page shows means a page fell behind.
        QString all;
        for (const QString &page : manualPages())
            all += readText(ManualDir + QLatin1Char('/') + page);
        const QStringList shots = QDir(ManualDir + QStringLiteral("/shots")).entryList({QStringLiteral("*.png")});
        QVERIFY(shots.size() >= 10);
        QStringList unused;
        for (const QString &shot : shots)
            if (!all.contains(QStringLiteral("src=\"shots/") + shot + QLatin1Char('"')))
                unused << shot;
        QVERIFY2(unused.isEmpty(), qPrintable(unused.join(QLatin1Char(' '))));
    }

    void everyPageHasItsNavigation()
    {
        QStringList pages = manualPages();
        pages.removeAll(WelcomePage);
        QHash<QString, QString> next, prev;
        QStringList problems;
        for (const QString &page : pages) {
            const QString html = readText(ManualDir + QLatin1Char('/') + page);
            const QRegularExpression link(QStringLiteral("<a href=\"([^\"]+)\" class=\"(contents|prev|next|back)\""));
            QSet<QString> kinds;
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const auto m = it.next();
                kinds.insert(m.captured(2));
                if (m.captured(2) == QLatin1String("next"))
                    next.insert(page, m.captured(1));
                if (m.captured(2) == QLatin1String("prev"))
                    prev.insert(page, m.captured(1));
            }
            if (!kinds.contains(QStringLiteral("contents")) || !kinds.contains(QStringLiteral("back")))
                problems << page + QStringLiteral(": no contents or back link");
            if (!kinds.contains(QStringLiteral("prev")) && !kinds.contains(QStringLiteral("next")))
                problems << page + QStringLiteral(": neither previous nor next");
        }
        // One chain from the contents through every page, each step answered by a step back.
        QStringList seen{QStringLiteral("index.html")};
        for (QString at = QStringLiteral("index.html"); next.contains(at);) {
            const QString to = next.value(at);
            if (prev.value(to) != at)
                problems << to + QStringLiteral(": previous is not ") + at;
            if (seen.contains(to)) {
                problems << QStringLiteral("the chain loops at ") + to;
                break;
            }
            seen << to;
            at = to;
        }
        for (const QString &page : pages)
            if (!seen.contains(page))
                problems << page + QStringLiteral(": not on the previous/next chain");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void workedExamplesMatchTheTool()
    {
        const QString cli = QStringLiteral(QZ_BIN_DIR "/qznum-cli");
        QVERIFY(QFileInfo(cli).isExecutable());
        const QRegularExpression span(
            QStringLiteral("<span class=\"cli\" data-cmd=\"([a-z]+)\" data-key=\"([A-Za-z0-9.]+)\">([^<]*)</span>"));
        QHash<QString, QJsonValue> outputs;
        QStringList problems;
        int checked = 0;
        for (const QString &page : manualPages()) {
            const QString html = readText(ManualDir + QLatin1Char('/') + page);
            for (auto it = span.globalMatch(html); it.hasNext();) {
                const auto m = it.next();
                const QString cmd = m.captured(1);
                if (!outputs.contains(cmd)) {
                    const QStringList args = sampleArguments(cmd);
                    if (args.isEmpty()) {
                        problems << page + QStringLiteral(": unknown sample ") + cmd;
                        continue;
                    }
                    QProcess p;
                    p.start(cli, args);
                    QVERIFY(p.waitForFinished(60000));
                    QCOMPARE(p.exitCode(), 0);
                    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput());
                    QVERIFY2(doc.isObject(), qPrintable(cmd));
                    outputs.insert(cmd, doc.object());
                }
                QString actual;
                const QString shown = m.captured(3);
                if (!lookUp(outputs.value(cmd), m.captured(2), &actual))
                    problems << page + QStringLiteral(": qznum-cli %1 has no %2").arg(cmd, m.captured(2));
                else if (actual != shown)
                    problems << page + QStringLiteral(": %1 %2 shows '%3', the tool says '%4'")
                                           .arg(cmd, m.captured(2), shown, actual);
                ++checked;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(checked > 50);
    }

    // What the pages call a control, a panel row or a report heading is what
    // the program shows: <span class="ui"> names a label of the program,
    // <span class="report" data-cmd=...> a text of that sample's report.
    void namedLabelsAndHeadingsExist()
    {
        const QSet<QString> literals = programLiterals();
        QVERIFY(literals.contains(QStringLiteral("Main Features")));
        const QRegularExpression ui(QStringLiteral("<span class=\"ui\">([^<]*)</span>"));
        const QRegularExpression report(
            QStringLiteral("<span class=\"report\" data-cmd=\"([a-z]+)\">([^<]*)</span>"));
        QTemporaryDir out;
        QHash<QString, QString> reports;
        QStringList problems;
        int uiChecked = 0, reportChecked = 0;
        for (const QString &page : manualPages()) {
            const QString html = readText(ManualDir + QLatin1Char('/') + page);
            for (auto it = ui.globalMatch(html); it.hasNext(); ++uiChecked) {
                const QString label = unescaped(it.next().captured(1));
                if (!literals.contains(label))
                    problems << page + QStringLiteral(": the program shows no \"%1\"").arg(label);
            }
            for (auto it = report.globalMatch(html); it.hasNext(); ++reportChecked) {
                const auto m = it.next();
                const QString sample = m.captured(1);
                if (!reports.contains(sample)) {
                    const QString file = out.filePath(sample + QStringLiteral(".html"));
                    QProcess p;
                    p.start(QStringLiteral(QZ_BIN_DIR "/qznum-cli"),
                            QStringList{QStringLiteral("report"), reportKind(sample), QStringLiteral("--html"), file}
                                + sampleArguments(sample).mid(1));
                    QVERIFY(p.waitForFinished(60000));
                    QVERIFY2(p.exitCode() == 0, qPrintable(sample + QLatin1Char(' ') + QString::fromUtf8(p.readAllStandardError())));
                    reports.insert(sample, readText(file));
                }
                if (!reports.value(sample).contains(unescaped(m.captured(2))))
                    problems << page + QStringLiteral(": the %1 report has no \"%2\"").arg(sample, m.captured(2));
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(uiChecked >= 10);
        QVERIFY(reportChecked >= 5);
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
