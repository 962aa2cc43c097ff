#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

/** A QR Code module matrix, row by row, true for a dark module. */
struct QrMatrix {
    int size = 0;
    std::vector<bool> dark;
    bool isDark(int x, int y) const { return dark[size_t(y) * size_t(size) + size_t(x)]; }
};

/**
 * Encodes @p text at error correction level L in the smallest version that
 * holds it, with the data modes and mask chosen automatically. Text made of
 * Shift-JIS characters is encoded with Kanji mode where it can; anything else
 * goes as UTF-8. Returns an empty matrix when the text is empty or does not
 * fit version 40.
 */
QrMatrix encodeQrCode(const QString &text);

/** One pixel per module, dark modules in @p colour, enlarged ten times; no quiet zone. */
QImage paintQrCode(const QrMatrix &matrix, const QColor &colour);
