#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

/**
 * The files the main window exports: a report as self-contained HTML, the
 * chart as a picture, and the combined document that becomes the PDF.
 * Every user file is written atomically: a failed save leaves an earlier
 * file at the path untouched.
 */
namespace ExportDocument {

/** @p path with "." + @p suffix appended when its file name has no suffix. */
QString withDefaultSuffix(const QString &path, const QString &suffix);

/** The report with the line-height style added before each "</head>". */
QString htmlForSaving(const QString &html);

/** Writes htmlForSaving(@p html) as UTF-8 with every picture inlined. */
bool saveHtml(const QString &path, const QString &html);

/**
 * Saves @p image in the format its suffix names (PNG for suffixes no image
 * writer knows). False for a null image or a failed write.
 */
bool saveImage(const QString &path, const QImage &image);

/** The chart's paragraph: the picture fitted into 600 x 800 as a PNG data URL. */
QString chartParagraph(const QImage &chart);

/**
 * Sections longer than 99 characters in the given order, each followed by a
 * page break, then the chart paragraph when @p chart is not null. Empty when
 * nothing was added.
 */
QString combinedDocument(const QStringList &sections, const QImage &chart);

/**
 * Writes @p html as UTF-8 into a new file "reportXXXXXX.html" of the
 * temporary folder that is not removed automatically; its path, or empty.
 */
QString writeTemporaryDocument(const QString &html);

} // namespace ExportDocument
