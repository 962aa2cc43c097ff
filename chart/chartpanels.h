#pragma once

#include "chart/chartpainter.h"

/**
 * Draws a number panel content (kinds 11 to 15) from the profile: the
 * psychomatrix or planes grid, the name letters, the personal numbers
 * calendar and the number tables. Panels keep their natural geometry in item
 * units; a frame scaled through its transform scales them.
 */
void drawPanelContent(QPainter &p, const ChartItem &content, const ChartDrawContext &ctx);

/** Natural size of a panel of @p kind ("Name" 650 x 100, tables 200 x 100, ...). */
QSizeF panelNaturalSize(int kind);

/** Colour of master numbers in panel values. */
inline QColor masterNumberColour() { return QColor(0xD0, 0x50, 0x30); }
