#pragma once

#include <QString>

class QTextStream;

/**
 * Makes a report self-contained: every picture reference "<img src=\"..."
 * of the document is replaced by the picture's bytes as a data URL
 * ("data:image/png;base64," or "data:image/jpg;base64,"); pictures in any
 * other format Qt reads are converted to PNG. Inline pictures written by the
 * builder ("<img src = ...") are already data URLs and stay.
 */
namespace HtmlInliner {

/** How the string form writes a picture. */
enum Mode {
    PlainMode = 0,   ///< the file's own bytes
    MarginMode = 2,  ///< redrawn as PNG with a white 20 px left margin (combined documents)
    PrintMode = 3    ///< plain, and with the print style when printing
};

/** Largest picture file that is inlined; larger ones keep their file reference. */
constexpr qint64 MaxPictureBytes = 32ll * 1024 * 1024;

/**
 * Writes @p html to @p out with its pictures inlined. With @p print the body
 * tag gains onload="window.print()" (and in PrintMode a zero-margin page style).
 */
void inlinePictures(const QString &html, QTextStream &out, bool print = false, Mode mode = PlainMode);

/** The string form; used for combined documents. */
QString inlinePictures(const QString &html, Mode mode = PlainMode);

} // namespace HtmlInliner
