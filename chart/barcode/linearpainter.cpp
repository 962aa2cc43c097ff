#include "chart/barcode/linearpainter.h"

#include <QFont>
#include <QPainter>

namespace {
constexpr int kModuleWidth = 2;
constexpr int kBarHeight = 130;
constexpr int kPictureHeight = 150;
} // namespace

QImage paintLinearSymbols(const BarcodeSymbols &symbols, const BarcodeTable &table,
                          const QColor &colour, int gapAfterChar, BarcodeLabelStyle style)
{
    QImage picture(kBarcodeScratchWidth, kPictureHeight, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kBarcodeLabelPixelSize);
    p.setFont(font);
    p.setPen(colour);

    int x = 0;
    for (int i = 0; i < symbols.symbols.size(); ++i) {
        const BarcodeSymbol *entry = table.find(symbols.symbols.at(i));
        if (!entry)
            continue;
        for (char m : entry->modules) {
            p.fillRect(x, 0, kModuleWidth, kBarHeight, m == '1' ? colour : QColor(Qt::white));
            x += kModuleWidth;
        }
        x += gapAfterChar;
        if (entry->readable.isNull() || (i >= symbols.printable.size() || symbols.printable.at(i) == 0))
            continue;
        const QString label(entry->readable);
        if (style == BarcodeLabelStyle::Centred) {
            const int w = entry->textWidth + 8;
            p.drawText(QRect(x - 10 - w, kBarHeight, w, kPictureHeight - kBarHeight),
                       Qt::AlignHCenter | Qt::AlignVCenter, label);
        } else {
            const int w = entry->textWidth + 2;
            p.drawText(QRect(x - 4 - w, kBarHeight, w, kPictureHeight - kBarHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, label);
        }
    }
    p.end();
    if (x <= 0)
        return QImage();
    return picture.copy(0, 0, qMin(x + 5, kBarcodeScratchWidth), kPictureHeight);
}
