#pragma once

#include <QList>
#include <QSize>
#include <QString>

/**
 * What the chart creator remembers between runs: its size, whether it was
 * maximised and the widths of its three columns. Kept in a small binary file
 * of the configuration folder.
 */
struct CreatorWindowState {
    QSize size;             ///< invalid: never saved
    bool maximized = false;
    QList<int> columnWidths; ///< the splitter's panes, left to right

    /**
     * Reads @p path; false (and @p state untouched) for a missing, foreign,
     * oversized or damaged file. Sizes are kept within sane bounds.
     */
    static bool read(const QString &path, CreatorWindowState &state);
    /** Writes atomically: the old file stays whole when writing fails. */
    bool write(const QString &path) const;
};
