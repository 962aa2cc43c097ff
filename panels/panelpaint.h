#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class CTheme;
class QPainter;

/** Painting helpers shared by the number panels. */
namespace PanelPaint {

/** Colour constants of the panels, before theme mapping. */
constexpr QRgb kText = 0xece7e0;      ///< (236, 231, 224)
constexpr QRgb kBody = 0x41352e;      ///< (65, 53, 46)
constexpr QRgb kHover = 0x826a5c;     ///< (130, 106, 92)
constexpr QRgb kFrameOuter = 0x5d544e;///< (93, 84, 78)
constexpr QRgb kFrameInner = 0x392e28;///< (57, 46, 40)
constexpr QRgb kAccent = 0xf06040;    ///< (240, 96, 64)
constexpr QRgb kHeading = 0xeddbb2;   ///< (237, 219, 178)
constexpr QRgb kGreen = 0x9cb62d;     ///< (156, 182, 45)
constexpr QRgb kDarkColumn = 0x4e4037;///< (78, 64, 55)
constexpr QRgb kSeparator = 0x8b7e75; ///< (139, 126, 117)

/** Contrast every highlighted text keeps against what it is drawn on, in every theme. */
constexpr double kAccentContrast = 4.5;

/** WCAG contrast ratio of two colours, 1 to 21. */
double contrastRatio(const QColor &a, const QColor &b);
/** @p colour made lighter (same hue) until it reaches @p ratio against @p background. */
QColor readableOn(const QColor &colour, const QColor &background, double ratio);

/**
 * @p rgb through the theme's colour mapping (unchanged without a theme); the
 * accent is kept readable against the body.
 */
QColor themed(const CTheme *theme, QRgb rgb);
/** @p rgb themed and lightened where needed to stay readable on @p background. */
QColor readableThemed(const CTheme *theme, QRgb rgb, const QColor &background);

/** Pixel-sized font of a family. */
QFont pixelFont(const QString &family, int px, bool bold = false);

/**
 * The body of a panel below its title: the fill from y = @p header,
 * @p rows x 16 + 6 high, @p width wide.
 */
void fillBody(QPainter &p, const CTheme *theme, int header, int width, int rows);
/** The two frame rectangles around a body of @p rows rows. */
void drawFrame(QPainter &p, const CTheme *theme, int header, int width, int rows);

/**
 * Rich text of a value: HTML-escaped, in the text colour, every master
 * number 11..99 that stands alone (not part of a longer digit run) in the
 * accent colour.
 */
QString valueMarkup(const QString &value, bool highlightMasters = true);

/** Width in pixels that drawRichText() needs for @p html in @p font. */
int richTextWidth(const QString &html, const QFont &font);

/**
 * @p font, made a pixel smaller at a time (not below @p minPx) until @p html
 * fits @p maxWidth with two pixels to spare.
 */
QFont fittedFont(const QString &html, QFont font, int maxWidth, int minPx);

/**
 * Draws rich @p html with its top-left corner at (x, y), clipped to
 * @p maxWidth; its text and accent colours stay readable on @p background
 * (the panel body when invalid).
 */
void drawRichText(QPainter &p, const CTheme *theme, int x, int y, int maxWidth,
                  const QString &html, const QFont &font, const QColor &background = QColor());

}  // namespace PanelPaint
