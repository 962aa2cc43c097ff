#pragma once

#include <QStringList>

/**
 * The fourteen base style sheets of the brown theme, by sheet index.
 *
 * Image references are written "IMGDIR/name.png" and resolved against the
 * image folder by the theme; the report-manager button sheet keeps the
 * placeholders IMAGE_S, IMAGE_H and IMAGE_P. Colours are always six-digit
 * "#rrggbb" so the theme can recolour them.
 */
QStringList qzBaseStyleSheets();
