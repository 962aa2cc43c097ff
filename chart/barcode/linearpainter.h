#pragma once

#include "chart/barcode/barcodetable.h"

#include <QColor>
#include <QImage>

/** How the readable characters sit under the bars. */
enum class BarcodeLabelStyle {
    Centred,   ///< centred in a box ending 10 px left of the position, 8 px wider than the text
    LeftAligned ///< EAN/UPC: left-aligned in a box ending 4 px left of the position, 2 px wider
};

/**
 * Paints a linear symbol: every symbol character found in @p table is drawn
 * module by module (2 px wide, 130 px high), followed by @p gapAfterChar px of
 * white; printable characters get their readable text in the 20 px band below.
 * The picture is cropped to the used width plus 5 px (at most 5000 px).
 */
QImage paintLinearSymbols(const BarcodeSymbols &symbols, const BarcodeTable &table,
                          const QColor &colour, int gapAfterChar, BarcodeLabelStyle style);

/** Width of the scratch picture every linear painter draws into. */
constexpr int kBarcodeScratchWidth = 5000;
