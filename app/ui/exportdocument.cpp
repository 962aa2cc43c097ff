#include "app/ui/exportdocument.h"

#include "reports/htmlinliner.h"
#include "reports/reportformat.h"

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

QString pageFileName(const QString &path, int page)
{
    if (page <= 1)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + QString::number(page) +
                               suffix);
}

namespace {

const QLatin1String kPageBreak("<p style=\"page-break-after: always;  \"></p>");

QString pngDataUrl(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

// The number line that opens a section; the cover's contents link to its anchor.
QString sectionStart(int number, int count, const QString &title)
{
    return QStringLiteral("<p class=\"qz-section-no\" id=\"") + sectionAnchor(number)
           + QStringLiteral("\" style=\"font-family: Arial, Helvetica, sans-serif; font-size: 12px; "
                            "color: #555555; border-bottom: 1px solid #aaaaaa;\">")
           + QStringLiteral("Section %1 of %2: ").arg(number).arg(count) + title.toHtmlEscaped()
           + QStringLiteral("</p>\r\n");
}

} // namespace

QString chartParagraph(const QImage &chart)
{
    // Fitted into 600 x 800 with the chart's proportions kept.
    QSize fitted(600, 800);
    if (chart.width() > 0 && chart.height() > 0) {
        const qint64 widthAtFullHeight = qint64(800) * chart.width() / chart.height();
        fitted = widthAtFullHeight <= 600 ? QSize(int(widthAtFullHeight), 800)
                                          : QSize(600, int(qint64(600) * chart.height() / chart.width()));
    }
    return QStringLiteral("<p style=\"text-align: center;\" >")
           + QStringLiteral("<img align=\"middle\" vertical-align=\"middle\" ")
           + QStringLiteral("width=\"") + QString::number(fitted.width())
           + QStringLiteral("\" height=\"") + QString::number(fitted.height())
           + QStringLiteral("\" src=\"") + pngDataUrl(chart) + QStringLiteral("\"></p>");
}


QString sectionAnchor(int number)
{
    return QStringLiteral("qz-section-") + QString::number(number);
}

QString coverPage(const Cover &cover, const QStringList &titles)
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\" />\r\n"
        "<title>Qzarel Numerology</title>\r\n<style type=\"text/css\">\r\n"
        ".qz-cover { font-family: Arial, Helvetica, sans-serif; color: #111111; text-align: center; "
        "padding-top: 60px; }\r\n"
        ".qz-cover h1 { font-size: 30px; margin: 16px 0px 40px 0px; }\r\n"
        ".qz-cover .qz-person { font-size: 20px; font-weight: bold; margin: 6px; }\r\n"
        ".qz-cover .qz-partner { font-size: 18px; margin: 6px; }\r\n"
        ".qz-cover .qz-date { font-size: 14px; color: #444444; margin: 24px 0px 50px 0px; }\r\n"
        ".qz-contents { text-align: left; width: 60%; margin: 0px auto; font-size: 16px; "
        "line-height: 1.8; }\r\n"
        ".qz-contents h2 { font-size: 18px; border-bottom: 1px solid #aaaaaa; }\r\n"
        ".qz-contents a { color: #1a3d7c; text-decoration: none; }\r\n"
        "</style></head><body>\r\n<div class=\"qz-cover\">\r\n");
    if (!cover.logo.isNull())
        html += QStringLiteral("<img src=\"") + pngDataUrl(cover.logo)
                + QStringLiteral("\" width=\"128\" height=\"128\" alt=\"Qzarel Numerology\" />\r\n");
    html += QStringLiteral("<h1>Qzarel Numerology</h1>\r\n");
    if (!cover.person.isEmpty())
        html += QStringLiteral("<p class=\"qz-person\">") + cover.person.toHtmlEscaped() + QStringLiteral("</p>\r\n");
    if (!cover.partner.isEmpty())
        html += QStringLiteral("<p class=\"qz-partner\">and ") + cover.partner.toHtmlEscaped()
                + QStringLiteral("</p>\r\n");
    if (cover.date.isValid())
        html += QStringLiteral("<p class=\"qz-date\">") + ReportFormat::shortDate(cover.date) + QStringLiteral("</p>\r\n");
    html += QStringLiteral("<div class=\"qz-contents\">\r\n<h2>Contents</h2>\r\n<ol>\r\n");
    for (int i = 0; i < titles.size(); ++i)
        html += QStringLiteral("<li><a href=\"#") + sectionAnchor(i + 1) + QStringLiteral("\">")
                + titles.at(i).toHtmlEscaped() + QStringLiteral("</a></li>\r\n");
    html += QStringLiteral("</ol>\r\n</div>\r\n</div>\r\n");
    return html;
}

bool hasContent(const QString &html)
{
    // An empty report is just its frame.
    return html.size() > 99;
}

QString combinedDocument(const Cover &cover, const QVector<Section> &sections,
                         const QStringList &chartPages)
{
    const bool chart = !chartPages.isEmpty();
    QVector<const Section *> printed;
    for (const Section &s : sections) {
        if (hasContent(s.html))
            printed.append(&s);
    }
    QStringList titles;
    for (const Section *s : qAsConst(printed))
        titles << s->title;
    if (chart)
        titles << cover.chartTitle;
    if (titles.isEmpty())
        return QString();

    QString doc = coverPage(cover, titles) + kPageBreak;
    for (int i = 0; i < printed.size(); ++i) {
        doc += sectionStart(i + 1, titles.size(), titles.at(i));
        doc += printed.at(i)->html;
        doc += kPageBreak;
    }
    if (chart) {
        doc += sectionStart(titles.size(), titles.size(), cover.chartTitle);
        for (int i = 0; i < chartPages.size(); ++i) {
            if (i > 0)
                doc += kPageBreak;
            doc += chartPages.at(i);
        }
    }
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
