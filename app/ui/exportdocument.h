#pragma once

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

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

/**
 * Where page @p page (1-based) of a picture export goes: the chosen @p path
 * for the first page, "name-2.png", "name-3.png" ... beside it for the others.
 */
QString pageFileName(const QString &path, int page);

/** The chart's paragraph: the picture fitted into 600 x 800 as a PNG data URL. */
QString chartParagraph(const QImage &chart);

/** One report of the combined document. */
struct Section {
    QString title; ///< its line in the contents list
    QString html;  ///< the report; 99 characters or fewer count as empty
};

/** What the first page of the combined document names. */
struct Cover {
    QString person;  ///< the person line, plain text
    QString partner; ///< the partner's line, plain text; empty: none
    QDate date;      ///< the day the document was made
    QImage logo;     ///< the program's logo; null: none
    QString chartTitle = QStringLiteral("Graphic Chart");
};

/**
 * The cover page: logo, program name, person (and partner), date and the
 * numbered contents list, each entry linked to the anchor of its section.
 * The web engine's PDF printing has no page header or footer, so the
 * sections carry these numbers instead of page numbers.
 */
QString coverPage(const Cover &cover, const QStringList &titles);

/** The anchor name of section @p number (1-based) in the combined document. */
QString sectionAnchor(int number);

/** Whether a report is more than its empty frame and so gets a page. */
bool hasContent(const QString &html);

/**
 * The cover, then the sections longer than 99 characters in the given order,
 * each opened by its anchor and number and followed by a page break, then the
 * chart section with the chart's pages (chartParagraph() each), a page break
 * between them. Empty when no section and no chart page is printed.
 */
QString combinedDocument(const Cover &cover, const QVector<Section> &sections,
                         const QStringList &chartPages);

/**
 * Writes @p html as UTF-8 into a new file "reportXXXXXX.html" of the
 * temporary folder that is not removed automatically; its path, or empty.
 */
QString writeTemporaryDocument(const QString &html);

} // namespace ExportDocument
