#include "reports/htmlsanitizer.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <QStringList>
#include <QVector>

namespace HtmlSanitizer {

namespace {

struct Attribute {
    QString name;
    QString value;
    bool hasValue = false;
};

// Removed together with everything up to their closing tag.
bool dropsContent(const QString &name)
{
    static const char *const names[] = {"script", "style",    "iframe",   "object", "applet",
                                        "noscript", "noembed", "noframes", "frameset", "template",
                                        "svg",    "math",     "xmp",      "title",  "textarea"};
    for (const char *n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

// Removed on their own.
bool dropsTag(const QString &name)
{
    static const char *const names[] = {"meta", "base", "link", "embed", "frame", "param", "portal"};
    for (const char *n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char(':');
}

// The value as a browser would resolve it for a URL scheme check: character
// references decoded, white space and control characters gone, lower case.
QString resolvedForCheck(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        QChar c = value.at(i);
        if (c == QLatin1Char('&')) {
            const int semi = value.indexOf(QLatin1Char(';'), i);
            const int end = semi < 0 ? qMin(value.size(), i + 12) : semi;
            const QString entity = value.mid(i + 1, end - i - 1).toLower();
            bool ok = false;
            uint code = 0;
            if (entity.startsWith(QLatin1String("#x")))
                code = entity.midRef(2).toUInt(&ok, 16);
            else if (entity.startsWith(QLatin1Char('#')))
                code = entity.midRef(1).toUInt(&ok, 10);
            else if (entity == QLatin1String("colon"))
                code = ':', ok = true;
            else if (entity == QLatin1String("tab") || entity == QLatin1String("newline"))
                code = ' ', ok = true;
            if (ok) {
                if (code > ' ' && code < 0x10000)
                    out += QChar(char16_t(code)).toLower();
                i = semi < 0 ? end - 1 : semi;
                continue;
            }
        }
        if (c.unicode() <= ' ' || c.category() == QChar::Other_Format)
            continue;
        out += c.toLower();
    }
    return out;
}

bool isDangerousValue(const QString &value)
{
    const QString v = resolvedForCheck(value);
    return v.contains(QLatin1String("javascript:")) || v.contains(QLatin1String("vbscript:"))
           || v.contains(QLatin1String("livescript:")) || v.contains(QLatin1String("data:text/html"))
           || v.contains(QLatin1String("data:image/svg")) || v.contains(QLatin1String("expression("));
}

QString quotedValue(const QString &value)
{
    QString out = value;
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// Reads the tag starting at html[at] == '<' (name first char at nameAt).
// Returns the index after its '>', or -1 when the text ends inside the tag.
int parseTag(const QString &html, int nameAt, QString &name, QVector<Attribute> &attributes)
{
    const int n = html.size();
    int k = nameAt;
    while (k < n && isNameChar(html.at(k)))
        ++k;
    name = html.mid(nameAt, k - nameAt).toLower();
    attributes.clear();
    while (k < n) {
        const QChar c = html.at(k);
        if (c == QLatin1Char('>'))
            return k + 1;
        if (c.isSpace() || c == QLatin1Char('/')) {
            ++k;
            continue;
        }
        Attribute a;
        const int start = k;
        while (k < n && !html.at(k).isSpace() && html.at(k) != QLatin1Char('>') && html.at(k) != QLatin1Char('/')
               && (html.at(k) != QLatin1Char('=') || k == start))
            ++k;
        a.name = html.mid(start, k - start).toLower();
        while (k < n && html.at(k).isSpace())
            ++k;
        if (k < n && html.at(k) == QLatin1Char('=')) {
            ++k;
            while (k < n && html.at(k).isSpace())
                ++k;
            a.hasValue = true;
            if (k < n && (html.at(k) == QLatin1Char('"') || html.at(k) == QLatin1Char('\''))) {
                const QChar quote = html.at(k);
                const int close = html.indexOf(quote, k + 1);
                if (close < 0)
                    return -1;
                a.value = html.mid(k + 1, close - k - 1);
                k = close + 1;
            } else {
                const int vs = k;
                while (k < n && !html.at(k).isSpace() && html.at(k) != QLatin1Char('>'))
                    ++k;
                a.value = html.mid(vs, k - vs);
            }
        }
        attributes.append(a);
    }
    return -1;
}

// A picture carried inside the text itself. Anything else (a web, file or
// relative address) would make a report fetch it when the page loads.
bool isOwnPicture(const QString &value)
{
    static const char *const types[] = {"png", "jpeg", "jpg", "gif", "bmp", "webp"};
    const QString v = resolvedForCheck(value);
    for (const char *t : types) {
        if (v.startsWith(QLatin1String("data:image/") + QLatin1String(t) + QLatin1Char(';')))
            return true;
    }
    return false;
}

// Attributes whose value a browser loads as a picture or other resource.
bool loadsResource(const QString &name)
{
    static const char *const names[] = {"src", "background", "lowsrc", "dynsrc", "poster", "srcset", "longdesc"};
    for (const char *n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

// The declarations of a style attribute, without those that load a resource.
QString styleWithoutUrls(const QString &style)
{
    const QStringList declarations = style.split(QLatin1Char(';'));
    QStringList kept;
    for (const QString &d : declarations) {
        const QString r = resolvedForCheck(d);
        // A CSS escape could spell url( in a way no check here reads.
        if (!r.contains(QLatin1String("url(")) && !r.contains(QLatin1String("image-set("))
            && !r.contains(QLatin1Char('\\')))
            kept.append(d);
    }
    return kept.join(QLatin1Char(';'));
}

bool keepsAttribute(const Attribute &a)
{
    if (a.name.isEmpty() || a.name.startsWith(QLatin1String("on")) || a.name == QLatin1String("srcdoc")
        || a.name == QLatin1String("formaction") || a.name == QLatin1String("srcset"))
        return false;
    for (QChar c : a.name) {
        if (!isNameChar(c))
            return false;
    }
    if (loadsResource(a.name) && !isOwnPicture(a.value))
        return false;
    return !isDangerousValue(a.value);
}

// A picture tag without a picture of its own is dropped whole.
bool dropsPicture(const QString &name, const QVector<Attribute> &attributes)
{
    if (name != QLatin1String("img"))
        return false;
    for (const Attribute &a : attributes) {
        if (a.name == QLatin1String("src"))
            return !isOwnPicture(a.value);
    }
    return true;
}

} // namespace

QString richText(const QString &html)
{
    QString out;
    out.reserve(html.size());
    const int n = html.size();
    int i = 0;
    QString name;
    QVector<Attribute> attributes;
    while (i < n) {
        const int lt = html.indexOf(QLatin1Char('<'), i);
        if (lt < 0) {
            out += html.midRef(i);
            break;
        }
        out += html.midRef(i, lt - i);
        i = lt;
        if (html.midRef(i, 4) == QLatin1String("<!--")) {
            const int end = html.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const bool closing = i + 1 < n && html.at(i + 1) == QLatin1Char('/');
        const int nameAt = i + 1 + (closing ? 1 : 0);
        if (i + 1 < n && (html.at(i + 1) == QLatin1Char('!') || html.at(i + 1) == QLatin1Char('?'))) {
            const int end = html.indexOf(QLatin1Char('>'), i);
            i = end < 0 ? n : end + 1;
            continue;
        }
        if (nameAt >= n || !html.at(nameAt).isLetter()) {
            out += QLatin1String("&lt;");
            ++i;
            continue;
        }
        const int after = parseTag(html, nameAt, name, attributes);
        if (after < 0)
            break; // a tag cut off at the end is dropped
        i = after;
        if (dropsContent(name)) {
            if (!closing) {
                // Up to the matching close tag, as a browser reads these elements.
                const int close = html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive);
                const int end = close < 0 ? -1 : html.indexOf(QLatin1Char('>'), close);
                i = end < 0 ? n : end + 1;
            }
            continue;
        }
        if (dropsTag(name) || (!closing && dropsPicture(name, attributes)))
            continue;
        out += QLatin1Char('<');
        if (closing) {
            out += QLatin1Char('/') + name + QLatin1Char('>');
            continue;
        }
        out += name;
        for (Attribute &a : attributes) {
            if (!keepsAttribute(a))
                continue;
            if (a.name == QLatin1String("style"))
                a.value = styleWithoutUrls(a.value);
            out += QLatin1Char(' ') + a.name;
            if (a.hasValue)
                out += QLatin1Char('=') + quotedValue(a.value);
        }
        out += QLatin1Char('>');
    }
    return out;
}

QString fontFamily(const QString &family)
{
    QString out;
    for (QChar c : family) {
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_')
            || c == QLatin1Char('.'))
            out += c;
    }
    return out.trimmed();
}

QString throughRichText(const QString &html)
{
    // Qt's HTML reader needs a GUI application (links take the palette's
    // colour); without one nothing of the text is trusted as markup.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QStringLiteral("<html><body>") + html.toHtmlEscaped() + QStringLiteral("</body></html>");
    QTextDocument doc;
    // Qt writes back only what differs from the document's default font; a
    // family and size no text uses keep every style the text sets.
    QFont none(QStringLiteral("qz-no-family"));
    none.setPointSizeF(0.25);
    doc.setDefaultFont(none);
    doc.setHtml(html);
    return doc.toHtml(QByteArrayLiteral("UTF-8"));
}

} // namespace HtmlSanitizer
