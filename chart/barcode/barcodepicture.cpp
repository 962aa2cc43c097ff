#include "chart/barcode/barcodepicture.h"

#include "chart/barcode/barcodeencoders.h"
#include "chart/barcode/linearpainter.h"
#include "chart/barcode/qrcode.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>

namespace {
// Discrete symbologies keep a gap between characters; in the continuous ones
// a gap would break the symbol, so they are drawn without it.
constexpr int kDiscreteGap = 4;

QImage paintInterleaved25(const QByteArray &modules, const QByteArray &digits,
                          const QColor &colour)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QImage();
    QImage picture(2 * modules.size() + 2, 80, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    for (int i = 0; i < modules.size(); ++i) {
        if (modules[i] == '1')
            p.fillRect(2 * i, 0, 2, 60, colour);
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kBarcodeLabelPixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 60, picture.width(), 20), Qt::AlignCenter, QString::fromLatin1(digits));
    return picture;
}

QImage paintPostnet(const QByteArray &bars, const QColor &colour)
{
    if (bars.isEmpty())
        return QImage();
    QImage picture(kBarcodeScratchWidth, 150, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    int x = 2;
    for (char b : bars) {
        if (b == '1')
            p.fillRect(x, 0, 2, 20, colour);
        else
            p.fillRect(x, 10, 2, 10, colour);
        x += 6;
    }
    p.end();
    // The last bar ends at x - 4; keep a margin as wide as the first one.
    return picture.copy(0, 0, qMin(x - 2, kBarcodeScratchWidth), 20);
}

QImage paintLinear(int (*encode)(const char *, BarcodeSymbols &), const BarcodeTable *table,
                   const QByteArray &text, const QColor &colour, int gap,
                   BarcodeLabelStyle style = BarcodeLabelStyle::Centred)
{
    if (!table)
        return QImage();
    BarcodeSymbols symbols;
    if (encode(text.constData(), symbols) != 0)
        return QImage();
    return paintLinearSymbols(symbols, *table, colour, gap, style);
}
} // namespace

QStringList barcodeSymbologyNames()
{
    return {QStringLiteral("QR Code"), QStringLiteral("Codabar"),  QStringLiteral("Code 128"),
            QStringLiteral("Code 39"), QStringLiteral("Code 93"),  QStringLiteral("EAN 13"),
            QStringLiteral("EAN 8"),   QStringLiteral("Interleaved 2 of 5"),
            QStringLiteral("MSI"),     QStringLiteral("Postnet"), QStringLiteral("UPC")};
}

QImage barcodePicture(const QString &text, int symbology, const QColor &colour)
{
    if (text.isEmpty())
        return QImage();
    if (symbology == BarcodeQrCode)
        return paintQrCode(encodeQrCode(text), colour);

    const QByteArray bytes = text.toLocal8Bit();
    switch (symbology) {
    case BarcodeCodabar:
        return paintLinear(encodeCodabar, codabarTable(), bytes, colour, kDiscreteGap);
    case BarcodeCode128:
        return paintLinear(encodeCode128, code128Table(), bytes, colour, 0);
    case BarcodeCode39:
        return paintLinear(encodeCode39, code39Table(), bytes, colour, kDiscreteGap);
    case BarcodeCode93:
        return paintLinear(encodeCode93, code93Table(), bytes, colour, 0);
    case BarcodeEan13:
        return paintLinear(encodeEan13, eanUpcTable(), bytes, colour, 0,
                           BarcodeLabelStyle::LeftAligned);
    case BarcodeEan8:
        return paintLinear(encodeEan8, eanUpcTable(), bytes, colour, 0,
                           BarcodeLabelStyle::LeftAligned);
    case BarcodeUpcA:
        return paintLinear(encodeUpcA, eanUpcTable(), bytes, colour, 0,
                           BarcodeLabelStyle::LeftAligned);
    case BarcodeMsi:
        return paintLinear(encodeMsi, msiTable(), bytes, colour, 0);
    case BarcodeInterleaved25: {
        QByteArray modules;
        QByteArray digits;
        if (encodeInterleaved25(bytes.constData(), modules, digits) != 0)
            return QImage();
        return paintInterleaved25(modules, digits, colour);
    }
    case BarcodePostnet: {
        BarcodeSymbols symbols;
        if (encodePostnet(bytes.constData(), symbols) != 0)
            return QImage();
        return paintPostnet(postnetBars(symbols.symbols), colour);
    }
    default:
        return QImage();
    }
}
