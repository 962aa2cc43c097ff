#pragma once

#include <QString>

class ChartDocument;

/** Chart files on disk: plain load and save, and the save into the user folder. */
namespace chartfile {

/**
 * Loads @p path into @p doc; false with @p error set on failure (the document
 * is then new): "Can't open file!", or "Wrong file format!" when nothing
 * usable could be read. True with @p error set when a damaged file was read
 * only partly, empty after a clean load.
 */
bool load(ChartDocument &doc, const QString &path, QString *error = nullptr);

/**
 * Writes @p doc to @p path atomically: the old file is replaced only when the
 * new one was written completely.
 */
bool save(ChartDocument &doc, const QString &path, QString *error = nullptr);

/**
 * The file name a chart titled @p title gets in @p folder: title + ".qnr", or
 * title + n + ".qnr" for the first free n in 0..9999. The chart's own file
 * @p ownPath counts as free. Empty when every name is taken.
 */
QString chooseFileName(const QString &folder, const QString &title, const QString &ownPath);

/**
 * Saves @p doc into @p folder under a name chosen from its title. The chart's
 * previous file @p ownPath is removed only after the new file was written, and
 * only when the name changed. Returns the new path, or empty with @p error set
 * ("Can't save report!").
 */
QString saveToFolder(ChartDocument &doc, const QString &folder, const QString &ownPath,
                     QString *error = nullptr);

/** A title made safe as a file name: path separators and control characters replaced. */
QString fileNameSafeTitle(const QString &title);

} // namespace chartfile
