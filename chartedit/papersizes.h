#pragma once

#include <QString>
#include <QVector>

/** One entry of the paper-size list; "Custom" has no size of its own. */
struct PaperSize {
    QString name;
    double widthInches = 0.0;
    double heightInches = 0.0;
};

/** Result of looking a size up in the paper-size list. */
struct PaperMatch {
    int index = 0;           ///< 0 is "Custom"
    bool horizontal = false; ///< the size matched with width and height swapped
};

/** Units of the size edits of the paper-size dialog. */
enum class SizeUnit { Inches = 0, Millimetres = 1, ScreenUnits = 2 };

namespace papersize {

/** Page units per inch: a page unit is a quarter of a millimetre. */
constexpr double kPageUnitsPerInch = 4.0 * 25.4;
/** Page units per screen unit of creator mode 1. */
constexpr double kPageUnitsPerScreenUnit = 1.18;
constexpr double kMinInches = 0.1;
constexpr double kMaxInches = 50.0;
constexpr int kMaxPageCount = 100000;
/** Sizes closer than this (inches) count as the same paper. */
constexpr double kMatchTolerance = 0.02;

/** "Custom" followed by the named paper sizes, portrait. */
const QVector<PaperSize> &paperSizes();

/** The entry within kMatchTolerance of @p width x @p height (inches), upright or swapped. */
PaperMatch matchPaperSize(double widthInches, double heightInches);

/** Inches kept within kMinInches .. kMaxInches; anything not a number becomes kMinInches. */
double clampInches(double inches);

/** Page count kept within 0 .. kMaxPageCount. */
int clampPageCount(qint64 count);

/**
 * Reads a page count as typed: the infinity sign or nothing is 0; digits are
 * clamped. @p ok is false for text that is neither.
 */
int parsePageCount(const QString &text, bool *ok = nullptr);

/** The count as the strips show it: the number, or the infinity sign for 0. */
QString pageCountText(int count);

/** A length in @p unit converted to inches, and back. */
double toInches(double value, SizeUnit unit);
double fromInches(double inches, SizeUnit unit);

} // namespace papersize
