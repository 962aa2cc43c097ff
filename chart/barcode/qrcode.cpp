// QR Code through libqrencode; only the painting is ours.
#include "chart/barcode/qrcode.h"

#include <QTextCodec>

#include <qrencode.h>

namespace {
bool needsKanji(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return true;
    }
    return false;
}
} // namespace

QrMatrix encodeQrCode(const QString &text)
{
    QrMatrix result;
    if (text.isEmpty())
        return result;
    QByteArray bytes;
    QRencodeMode hint = QR_MODE_8;
    QTextCodec *sjis = QTextCodec::codecForName("Shift-JIS");
    if (needsKanji(text) && sjis && sjis->canEncode(text)) {
        bytes = sjis->fromUnicode(text);
        hint = QR_MODE_KANJI;
    } else {
        bytes = text.toUtf8();
    }
    // libqrencode reads up to the first zero byte.
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    if (bytes.isEmpty())
        return result;
    QRcode *code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_L, hint, 1);
    if (!code)
        return result;
    if (code->width > 0 && code->width <= 177) {
        result.size = code->width;
        result.dark.resize(size_t(code->width) * size_t(code->width));
        for (size_t i = 0; i < result.dark.size(); ++i)
            result.dark[i] = code->data[i] & 1;
    }
    QRcode_free(code);
    return result;
}

QImage paintQrCode(const QrMatrix &matrix, const QColor &colour)
{
    if (matrix.size <= 0)
        return QImage();
    QImage modules(matrix.size, matrix.size, QImage::Format_ARGB32);
    modules.fill(Qt::white);
    const QRgb dark = colour.rgba();
    for (int y = 0; y < matrix.size; ++y) {
        for (int x = 0; x < matrix.size; ++x) {
            if (matrix.isDark(x, y))
                modules.setPixel(x, y, dark);
        }
    }
    // The defaults: exact size, no smoothing.
    return modules.scaled(matrix.size * 10, matrix.size * 10);
}
