#include "decoders.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QPainter>

namespace decoders {

QString savePadded(const QImage &picture, int margin)
{
    QImage padded(picture.width() + 2 * margin, picture.height() + 2 * margin,
                  QImage::Format_RGB32);
    padded.fill(Qt::white);
    QPainter p(&padded);
    p.drawImage(margin, margin, picture);
    p.end();
    QTemporaryFile file(QStringLiteral("/tmp/qz_barcode_XXXXXX.png"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    padded.save(&file, "PNG");
    return file.fileName();
}

static QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList zbar(const QString &png, const QStringList &extraArgs)
{
    QStringList args{QStringLiteral("--nodbus"), QStringLiteral("-q"), QStringLiteral("--raw")};
    args << extraArgs << png;
    QStringList lines = run(QStringLiteral("zbarimg"), args).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

ZxingResult zxing(const QString &png)
{
    ZxingResult r;
    const QStringList lines = run(QStringLiteral("ZXingReader"), {png}).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (key == QLatin1String("Text") && value.size() >= 2) {
            r.text = value.mid(1, value.size() - 2);
            r.found = true;
        } else if (key == QLatin1String("Format")) {
            r.format = value;
        } else if (key == QLatin1String("EC Level")) {
            r.ecLevel = value;
        }
    }
    return r;
}

bool haveZbar() { return !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty(); }
bool haveZxing() { return !QStandardPaths::findExecutable(QStringLiteral("ZXingReader")).isEmpty(); }
bool haveZint() { return !QStandardPaths::findExecutable(QStringLiteral("zint")).isEmpty(); }

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString pdfText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")});
}

int pdfPages(const QString &pdf)
{
    for (const QString &line : run(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QStringList zintDump(const QString &barcode, const QString &data, const QStringList &extra)
{
    QStringList args{QStringLiteral("-b"), barcode, QStringLiteral("--dump")};
    args << extra << QStringLiteral("-d") << data;
    QStringList rows;
    for (const QString &line : run(QStringLiteral("zint"), args).split(QLatin1Char('\n'))) {
        QString bits;
        for (const QString &hex : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int v = hex.toInt(&ok, 16);
            if (!ok)
                continue;
            bits += QStringLiteral("%1").arg(v, hex.size() * 4, 2, QLatin1Char('0'));
        }
        if (!bits.isEmpty())
            rows << bits;
    }
    return rows;
}

} // namespace decoders
