#include "reports/creporttools.h"

#include "reports/creportfielditem.h"
#include "reports/htmlsanitizer.h"

#include <QBuffer>
#include <QStringList>
#include <QVector>

namespace {

const QLatin1String kBlockEnd("</td></tr></table>\r\n");

// "font-size: 14px;" and " font-family:'Arial', sans-serif;" parts of a font style
// attribute. A generic family last keeps a missing font from falling back to serif.
QString fontParts(const QFont &font)
{
    QString out;
    if (font.pixelSize() > 0)
        out += QStringLiteral("font-size: ") + QString::number(font.pixelSize()) + QStringLiteral("px;");
    const QString family = HtmlSanitizer::fontFamily(font.family());
    if (!family.isEmpty())
        out += QStringLiteral(" font-family:'") + family + QStringLiteral("', sans-serif;");
    return out;
}

bool isItalic(const QFont &font)
{
    return font.style() != QFont::StyleNormal;
}

} // namespace

CReportTools::CReportTools(QObject *parent)
    : QObject(parent)
{
}

const QFont &CReportTools::defaultHeadingFont()
{
    static const QFont font = [] {
        QFont f;
        f.setFamily(QString());
        f.setPointSize(12);
        f.setUnderline(false);
        f.setStyle(QFont::StyleNormal);
        return f;
    }();
    return font;
}

void CReportTools::beginDocument(const QString &title)
{
    m_document.clear();
    m_document.reserve(256 * 1024);
    m_document += QStringLiteral(
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
        "<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r\n"
        "<style type=\"text/css\">\r\n"
        "body { font-family: Arial, Helvetica, sans-serif; font-size: 16px; line-height: 1.6; color: #111111; }\r\n"
        "h2 { font-size: 18px; line-height: 1.4; color: #222222; margin-left: 4px; }\r\n"
        "table { page-break-inside:auto }\r\n"
        "tr { page-break-inside:avoid; page-break-after:auto }\r\n"
        "</style>\r\n"
        "<title>");
    m_document += title;
    m_document += QStringLiteral("</title>\r\n</head><body style=\"background-color:#FFFFFF\">\r\n");
}

void CReportTools::endDocument()
{
    m_document += QStringLiteral("</body></html>\r\n");
    m_pendingImage.clear();
    m_document.replace(QStringLiteral("font-weight:600"), QStringLiteral("font-weight:bold"));
}

void CReportTools::setImagesFolder(const QString &path)
{
    m_imagesFolder = path;
    if (!m_imagesFolder.isEmpty() && !m_imagesFolder.endsWith(QLatin1Char('/')))
        m_imagesFolder += QLatin1Char('/');
}

void CReportTools::setImageFile(const QString &fileName)
{
    m_pendingImage = QStringLiteral("<img src=\"file:///") + m_imagesFolder + fileName
                     + QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" />");
}

bool CReportTools::setInlineImage(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    if (png.isEmpty())
        return false;
    m_pendingImage = QStringLiteral("<img src = \"data:image/png;base64,")
                     + QString::fromLatin1(png.toBase64())
                     + QStringLiteral("\" style=\"margin-left: 15px;\" align=\"right\" />");
    return true;
}

void CReportTools::addStyled(const char *openTag, const char *closeTag, const QString &text,
                             const QColor &colour, const QFont &font, const QImage &image)
{
    if (!image.isNull())
        setInlineImage(image);
    const bool underline = font.underline();
    const bool italic = isItalic(font);
    m_document += QLatin1String(openTag);
    m_document += m_pendingImage;
    if (underline)
        m_document += QLatin1String("<u>");
    if (italic)
        m_document += QLatin1String("<i>");
    m_document += QStringLiteral("<font style=\"") + fontParts(font) + QStringLiteral(" color:")
                  + colour.name() + QStringLiteral(";\">") + text + QStringLiteral("</font>");
    if (italic)
        m_document += QLatin1String("</i>");
    if (underline)
        m_document += QLatin1String("</u>");
    m_document += QLatin1String(closeTag);
    m_pendingImage.clear();
}

void CReportTools::addHeading(const QString &text, const QColor &colour, const QFont &font,
                              const QImage &image)
{
    addStyled("<h2>", "</h2>\r\n", text, colour, font, image);
}

void CReportTools::addLine(const QString &text, const QColor &colour, const QFont &font,
                           const QImage &image)
{
    addStyled("<p>", "</p>\r\n", text, colour, font, image);
}

void CReportTools::addParagraph(const QString &text, const QImage &image)
{
    if (!image.isNull())
        setInlineImage(image);
    if (!m_pendingImage.isEmpty() || !text.isEmpty()) {
        m_document += QLatin1String("<p comment=\"st_fs\"   >");
        m_document += m_pendingImage;
        appendMarked(text);
        m_document += QLatin1String("</p>\r\n");
    }
    m_pendingImage.clear();
}

void CReportTools::appendMarked(const QString &text)
{
    // Every "<p" and "<td" of the text gains comment="st_fs"; one pass, since
    // report texts are long and this runs for every paragraph.
    static const QLatin1String mark(" comment=\"st_fs\"   ");
    const QChar *data = text.constData();
    const int len = text.size();
    int copied = 0;
    for (int i = 0; i < len; ++i) {
        if (data[i] != QLatin1Char('<') || i + 1 >= len)
            continue;
        int tagEnd = 0;
        if (data[i + 1] == QLatin1Char('p'))
            tagEnd = i + 2;
        else if (data[i + 1] == QLatin1Char('t') && i + 2 < len && data[i + 2] == QLatin1Char('d'))
            tagEnd = i + 3;
        if (!tagEnd)
            continue;
        m_document.append(data + copied, tagEnd - copied);
        m_document += mark;
        copied = tagEnd;
        i = tagEnd - 1;
    }
    m_document.append(data + copied, len - copied);
}

void CReportTools::beginBlock(bool clearImage)
{
    m_document += QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
    if (clearImage)
        m_pendingImage.clear();
}

void CReportTools::endBlock()
{
    m_document += kBlockEnd;
    m_pendingImage.clear();
}

void CReportTools::addFieldText(const QString &text, const CReportFieldItem &item, int valueIndex)
{
    QString body = text;
    if (item.usesCustomText(valueIndex))
        body = customTextBody(item.customText(valueIndex));

    QString open, close;
    if (!item.usesCustomText(valueIndex)) {
        const QFont &f = item.contentFont;
        const bool bold = f.weight() > 57;
        const bool underline = f.underline();
        const bool italic = isItalic(f);
        if (bold)
            open += QLatin1String("<b>");
        if (underline)
            open += QLatin1String("<u>");
        if (italic)
            open += QLatin1String("<i>");
        open += QStringLiteral("<font style=\"") + fontParts(f) + QStringLiteral(" color:")
                + item.contentColor.name() + QStringLiteral(";\" >");
        close = QStringLiteral("</font>");
        if (italic)
            close += QLatin1String("</i>");
        if (underline)
            close += QLatin1String("</u>");
        if (bold)
            close += QLatin1String("</b>");
    }

    if (!body.isEmpty()) {
        body.replace(QLatin1String("<br />"), QLatin1String("<br>"));
        addParagraph(splitParagraphs(body, open, close));
    } else {
        m_document += kBlockEnd;
        m_pendingImage.clear();
    }
}

void CReportTools::addSection(const QString &title, const QString &numberText, const QString &intro,
                              const QString &body, int valueIndex, const CReportFieldItem &item,
                              bool hideAllImages, const QString &summary)
{
    const auto heading = [&numberText](const QString &caption) {
        // A caption comes from a layout file: shown as text, never as markup.
        return caption.isEmpty() ? numberText : caption.toHtmlEscaped() + QLatin1Char(' ') + numberText;
    };
    if (item.defaultStyle) {
        beginBlock(false);
        if (!heading(title).isEmpty())
            addHeading(heading(title), QColor(Qt::black), defaultHeadingFont());
        const QString lead = summary + intro;
        QString text;
        if (!lead.isEmpty() && !body.isEmpty())
            text = lead + QStringLiteral("<br>") + body;
        else
            text = lead.isEmpty() ? body : lead;
        if (!text.isEmpty())
            addParagraph(splitParagraphs(text, QString(), QString()));
        else
            endBlock();
        return;
    }

    beginBlock(false);
    QImage image;
    if (!item.images.isEmpty() && !hideAllImages && !item.hidesImage())
        image = item.images.first();
    if (!heading(item.caption).isEmpty() || !image.isNull())
        addHeading(heading(item.caption), item.headerColor, item.headerFont, image);
    if (!summary.isEmpty()) {
        addFieldText(summary, item, -1);
        m_document += kBlockEnd;
        m_pendingImage.clear();
    }
    // With a summary, a custom introduction has a place of its own even when
    // the field has no standard one.
    const bool hasIntro = !intro.isEmpty() || (!summary.isEmpty() && item.usesCustomText(0));
    if (hasIntro) {
        if (!summary.isEmpty())
            beginBlock(true);
        addFieldText(intro, item, 0);
        m_document += kBlockEnd;
        m_pendingImage.clear();
    }
    if (valueIndex == -1)
        return;
    const bool shifted = item.reportKind == 0 && (item.id == 15 || item.id == 31 || item.id == 33);
    if (hasIntro || !summary.isEmpty())
        beginBlock(true);
    addFieldText(body, item, valueIndex + (shifted ? 1 : 0));
    m_document += kBlockEnd;
    m_pendingImage.clear();
}

namespace {

bool startsWithAt(const QChar *data, int len, int at, QLatin1String what)
{
    if (at + what.size() > len)
        return false;
    for (int i = 0; i < what.size(); ++i) {
        if (data[at + i] != QLatin1Char(what.at(i)))
            return false;
    }
    return true;
}

} // namespace

QString CReportTools::splitParagraphs(const QString &text, const QString &openTags,
                                      const QString &closeTags)
{
    if (text.isEmpty())
        return QString();

    // Pass 1: drop every "<p>" (as one removal over the whole text would).
    QString src;
    if (text.contains(QLatin1String("<p>"))) {
        src.reserve(text.size());
        const QChar *d = text.constData();
        const int n = text.size();
        int copied = 0;
        for (int i = 0; i + 2 < n; ++i) {
            if (d[i] == QLatin1Char('<') && d[i + 1] == QLatin1Char('p') && d[i + 2] == QLatin1Char('>')) {
                src.append(d + copied, i - copied);
                copied = i + 3;
                i += 2;
            }
        }
        src.append(d + copied, n - copied);
    } else {
        src = text;
    }

    // Pass 2: cut at "</p>", "<br/>", "<br />" and "<br>", noting the spans of each part.
    struct Part
    {
        int start, length;
        int lastOpen, lastClose, firstClose; // positions within the part, -1 when none
    };
    QVector<Part> parts;
    const QChar *d = src.constData();
    const int n = src.size();
    Part cur{0, 0, -1, -1, -1};
    for (int i = 0; i < n; ++i) {
        if (d[i] != QLatin1Char('<'))
            continue;
        int cut = 0;
        if (startsWithAt(d, n, i, QLatin1String("<br>")))
            cut = 4;
        else if (startsWithAt(d, n, i, QLatin1String("</p>")))
            cut = 4;
        else if (startsWithAt(d, n, i, QLatin1String("<br/>")))
            cut = 5;
        else if (startsWithAt(d, n, i, QLatin1String("<br />")))
            cut = 6;
        if (cut) {
            cur.length = i - cur.start;
            parts.append(cur);
            cur = Part{i + cut, 0, -1, -1, -1};
            i += cut - 1;
            continue;
        }
        if (startsWithAt(d, n, i, QLatin1String("<span"))) {
            cur.lastOpen = i - cur.start;
        } else if (startsWithAt(d, n, i, QLatin1String("</span>"))) {
            cur.lastClose = i - cur.start;
            if (cur.firstClose < 0)
                cur.firstClose = i - cur.start;
        }
    }
    cur.length = n - cur.start;
    parts.append(cur);

    QString out;
    out.reserve(src.size() + parts.size() * (64 + openTags.size() + closeTags.size()));
    QString carried;
    for (int i = 0; i < parts.size(); ++i) {
        const Part &p = parts.at(i);
        const int g = p.lastOpen;
        const int h = p.lastClose;
        const bool needsClose = h < g || (!carried.isEmpty() && p.firstClose < 0);
        if (i > 0) {
            out += QLatin1String("<table class=maindoc border=\"0\"><tr><td>\r\n");
            out += openTags;
            out += carried;
        } else {
            out += openTags;
        }
        out.append(d + p.start, p.length);
        if (needsClose)
            out += QLatin1String("</span>");
        out += closeTags;
        out += kBlockEnd;

        if (h < g) {
            const QStringView part(d + p.start, p.length);
            const int end = part.indexOf(QLatin1Char('>'), g);
            carried = end < 0 ? part.mid(g).toString() + QLatin1Char('>') : part.mid(g, end - g + 1).toString();
        } else if (h >= 0 && g < h) {
            // The carried span was closed in this paragraph.
            carried.clear();
        }
    }
    return out;
}

QString CReportTools::customTextBody(const QString &stored)
{
    static const QLatin1String marker("<!-- md --><br>");
    QString html = HtmlSanitizer::throughRichText(QString(stored).remove(marker));
    // Marked again as stored texts are, so the body starts where it did.
    html.replace(QLatin1String("<p"), marker + QLatin1String("<p"));
    return HtmlSanitizer::richText(extractBody(html));
}

QString CReportTools::extractBody(const QString &html)
{
    if (html.isEmpty())
        return QString();
    const int body = html.indexOf(QLatin1String("<body"));
    const int end = html.indexOf(QLatin1String("</body>"));
    if (body < 0 || end < 0)
        return html;
    static const QLatin1String marker("<!-- md --><br>");
    int start = html.indexOf(marker, body);
    if (start >= 0) {
        start += marker.size();
    } else {
        const int close = html.indexOf(QLatin1Char('>'), body);
        start = close < 0 ? html.size() : close + 1;
    }
    if (end < start)
        return QString();
    return html.mid(start, end - start);
}
