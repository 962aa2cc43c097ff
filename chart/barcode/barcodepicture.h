#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

/** Symbology indexes as stored in a chart item's barcodeType. */
enum BarcodeSymbology {
    BarcodeQrCode = 0,
    BarcodeCodabar = 1,
    BarcodeCode128 = 2,
    BarcodeCode39 = 3,
    BarcodeCode93 = 4,
    BarcodeEan13 = 5,
    BarcodeEan8 = 6,
    BarcodeInterleaved25 = 7,
    BarcodeMsi = 8,
    BarcodePostnet = 9,
    BarcodeUpcA = 10,
    BarcodeSymbologyCount = 11
};

/** Names of the symbologies in index order ("QR Code", "Codabar", ...). */
QStringList barcodeSymbologyNames();

/**
 * Draws @p text as a barcode of @p symbology in @p colour on white. Returns a
 * null picture for an empty text, a text the symbology cannot encode, an
 * unknown symbology, or when the module tables cannot be built (no GUI app).
 */
QImage barcodePicture(const QString &text, int symbology, const QColor &colour);
