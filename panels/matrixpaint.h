#pragma once

#include <QRect>
#include <QStringList>

class CTheme;
class QPainter;

namespace MatrixGrid {

/** Background picture (the theme's) or a plain fill when there is none. */
void paintBackground(QPainter &p, const CTheme *theme, const QRect &area);
/** Captions and empty cell frames of the whole grid. */
void paintCells(QPainter &p, const CTheme *theme, bool money);
/** A value centred in a rectangle, sized to fit. */
void paintValue(QPainter &p, const CTheme *theme, const QRect &r, const QString &value, bool compact);

}  // namespace MatrixGrid
