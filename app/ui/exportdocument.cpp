#include "app/ui/exportdocument.h"

#include "reports/htmlinliner.h"

#include "engine/atomicwrite.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QTextStream>

namespace ExportDocument {

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

QString htmlForSaving(const QString &html)
{
    QString out = html;
    out.replace(QStringLiteral("</head>"),
                QStringLiteral("<style type=\"text/css\"> body table { line-height: 20px;  }</style></head>"));
    return out;
}

bool saveHtml(const QString &path, const QString &html)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QTextStream out(&buffer);
        out.setCodec(QTextCodec::codecForName("UTF-8"));
        HtmlInliner::inlinePictures(htmlForSaving(html), out);
        out.flush();
        if (out.status() != QTextStream::Ok)
            return false;
    }
    return atomicwrite::saveFileAtomically(path, bytes);
}

bool saveImage(const QString &path, const QImage &image)
{
    if (image.isNull())
        return false;
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format.constData()))
        return false;
    return atomicwrite::saveFileAtomically(path, bytes);
}

QString chartParagraph(const QImage &chart)
{
    // Fitted into 600 x 800 with the chart's proportions kept.
    QSize fitted(600, 800);
    if (chart.width() > 0 && chart.height() > 0) {
        const qint64 widthAtFullHeight = qint64(800) * chart.width() / chart.height();
        fitted = widthAtFullHeight <= 600 ? QSize(int(widthAtFullHeight), 800)
                                          : QSize(600, int(qint64(600) * chart.height() / chart.width()));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    chart.save(&buffer, "PNG");
    return QStringLiteral("<p style=\"text-align: center;\" >")
           + QStringLiteral("<img align=\"middle\" vertical-align=\"middle\" ")
           + QStringLiteral("width=\"") + QString::number(fitted.width())
           + QStringLiteral("\" height=\"") + QString::number(fitted.height())
           + QStringLiteral("\" src=\"") + QStringLiteral("data:image/png;base64,")
           + QString::fromLatin1(png.toBase64()) + QStringLiteral("\"></p>");
}

QString combinedDocument(const QStringList &sections, const QImage &chart)
{
    QString doc;
    for (const QString &s : sections) {
        // An empty report is just its frame: no page for it.
        if (s.size() <= 99)
            continue;
        doc += s;
        doc += QStringLiteral("<p style=\"page-break-after: always;  \"></p>");
    }
    if (!chart.isNull())
        doc += chartParagraph(chart);
    return doc;
}

QString writeTemporaryDocument(const QString &html)
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/reportXXXXXX.html"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    const QByteArray bytes = html.toUtf8();
    // The mark makes the engine read the text as UTF-8 even when the first
    // section (which carries the charset) is not printed.
    const bool ok = file.write("\xEF\xBB\xBF", 3) == 3 && file.write(bytes) == bytes.size() && file.flush();
    const QString path = file.fileName();
    file.close();
    if (!ok) {
        QFile::remove(path);
        return QString();
    }
    return path;
}

} // namespace ExportDocument
