#include "reports/htmlinliner.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>

namespace HtmlInliner {
namespace {

const QLatin1String kPictureTag("<img src=\"");
const QLatin1String kPngTag("<img src=\"data:image/png;base64,");
const QLatin1String kJpgTag("<img src=\"data:image/jpg;base64,");
const QLatin1String kDetailTag("<img hspace=\"50\"   src=\"");

QString localPath(const QString &source)
{
    QString path = source;
    if (path.startsWith(QLatin1String("file:///")))
        path.remove(0, 8);
    return path;
}

QByteArray readPicture(const QString &source)
{
    QFile file(localPath(source));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPictureBytes)
        return QByteArray();
    return file.readAll();
}

enum Kind { Other, Png, Jpg };

Kind kindOf(const QString &source)
{
    if (source.endsWith(QLatin1String("png"), Qt::CaseInsensitive))
        return Png;
    if (source.endsWith(QLatin1String("jpg"), Qt::CaseInsensitive)
        || source.endsWith(QLatin1String("jpeg"), Qt::CaseInsensitive))
        return Jpg;
    return Other;
}

// Any picture Qt can read, as PNG bytes; empty when it cannot be read.
QByteArray asPng(const QByteArray &bytes)
{
    const QImage picture = QImage::fromData(bytes);
    if (picture.isNull())
        return QByteArray();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

// The picture on a white canvas 20 px wider, as PNG (a margin on the left).
QByteArray withMargin(const QByteArray &bytes)
{
    const QImage picture = QImage::fromData(bytes);
    if (picture.isNull())
        return QByteArray();
    QImage canvas(picture.width() + 20, picture.height(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.drawImage(20, 0, picture);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    canvas.save(&buffer, "PNG");
    return png;
}

QString withPrintTags(const QString &html, Mode mode)
{
    const QStringList parts = html.split(QStringLiteral("<body>"));
    if (parts.size() != 2)
        return html;
    QString out = parts.at(0);
    if (mode == PrintMode)
        out += QStringLiteral("<style type=\"text/css\" media=\"print\"> @page { margin: 0; }</style>");
    out += QStringLiteral("<body onload=\"window.print()\">") + parts.at(1);
    return out;
}

template <typename Sink>
void inlineInto(const QString &html, Sink &&write, bool detail, Mode mode)
{
    const QStringList pieces = html.split(kPictureTag);
    write(pieces.first());
    for (int i = 1; i < pieces.size(); ++i) {
        const QString &piece = pieces.at(i);
        const int quote = piece.indexOf(QLatin1Char('"'));
        const QString source = quote < 0 ? QString() : piece.left(quote);
        Kind kind = kindOf(source);
        if (quote < 0 || source.startsWith(QLatin1String("data:"))) {
            // Nothing we can inline: keep the reference as it was.
            write(kPictureTag);
            write(piece);
            continue;
        }
        QByteArray bytes = readPicture(source);
        if (kind == Other) {
            // A picture in another format (a user's own GIF or BMP) travels as PNG.
            bytes = asPng(bytes);
            if (bytes.isEmpty()) {
                write(kPictureTag);
                write(piece);
                continue;
            }
            kind = Png;
        }
        if (bytes.isEmpty()) {
            // A missing picture would show as a broken image: leave the element out.
            const int close = piece.indexOf(QLatin1Char('>'), quote);
            write(close < 0 ? QString() : piece.mid(close + 1));
            continue;
        }
        if (detail) {
            write(kDetailTag);
            if (mode == MarginMode) {
                write(QStringLiteral("data:image/png;base64,"));
                write(QString::fromLatin1(withMargin(bytes).toBase64()));
            } else {
                write(kind == Png ? QStringLiteral("data:image/png;base64,") : QStringLiteral("data:image/jpg;base64,"));
                write(QString::fromLatin1(bytes.toBase64()));
            }
        } else {
            write(kind == Png ? kPngTag : kJpgTag);
            write(QString::fromLatin1(bytes.toBase64()));
        }
        write(piece.mid(quote));
    }
}

} // namespace

void inlinePictures(const QString &html, QTextStream &out, bool print, Mode mode)
{
    const QString text = print ? withPrintTags(html, mode) : html;
    inlineInto(text, [&out](const QString &s) { out << s; }, false, mode);
}

QString inlinePictures(const QString &html, Mode mode)
{
    QString out;
    out.reserve(html.size() * 2);
    inlineInto(html, [&out](const QString &s) { out += s; }, true, mode);
    return out;
}

} // namespace HtmlInliner
