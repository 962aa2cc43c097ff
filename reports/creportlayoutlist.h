#pragma once

#include "reports/creportlayout.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

/**
 * The report layouts known to the program, in directory order, together with
 * the names of the files they were read from. Saving deletes only files that
 * were read into this list and are no longer wanted (a layout deleted or
 * renamed by the user); files the reader skipped stay untouched.
 */
class CReportLayoutList
{
public:
    int count() const { return m_layouts.size(); }
    bool isEmpty() const { return m_layouts.isEmpty(); }
    const CReportLayout &at(int index) const { return m_layouts.at(index); }
    CReportLayout &operator[](int index) { return m_layouts[index]; }
    const QList<CReportLayout> &layouts() const { return m_layouts; }

    void append(const CReportLayout &layout) { m_layouts.append(layout); }
    void insert(int index, const CReportLayout &layout) { m_layouts.insert(index, layout); }
    void removeAt(int index) { m_layouts.removeAt(index); }
    /** Index of the layout named @p name (letter case ignored), or -1. */
    int indexOf(const QString &name) const;

    /**
     * The layout a report chooser selection stands for: 0 is the built-in
     * report (nullptr), n the n-th layout; a selection beyond the list also
     * gives nullptr.
     */
    const CReportLayout *selected(int selection) const;

    /** File names (without folder) that the last load or save accounted for. */
    const QStringList &ownedFiles() const { return m_ownedFiles; }
    /** Files that were present but skipped by the last load (unreadable, foreign, newer). */
    const QStringList &skippedFiles() const { return m_skippedFiles; }
    /** Files the last load read only partly (damaged); their layouts are in the list. */
    const QStringList &damagedFiles() const { return m_damagedFiles; }
    /**
     * Why the last load skipped or only partly read @p fileName (a sentence
     * part from CReportLayoutFile::statusText), or empty.
     */
    QString fileProblem(const QString &fileName) const { return m_problems.value(fileName); }

    /** Empties the list and forgets the file names. */
    void clear();

private:
    friend bool loadLayouts(CReportLayoutList &, const QString &);
    friend bool saveLayouts(CReportLayoutList &, const QString &, QString *);

    QList<CReportLayout> m_layouts;
    QStringList m_ownedFiles;
    QStringList m_skippedFiles;
    QStringList m_damagedFiles;
    QHash<QString, QString> m_problems;
};

/** The user folder that holds the layout files: documents + "/Qzarel Numerology/". */
QString defaultLayoutsFolder();

/**
 * Clears @p list, creates @p folder if missing and appends every readable
 * "*.qznr" layout found there (directory order), migrated to the current
 * field set. Returns false only when the folder cannot be listed.
 */
bool loadLayouts(CReportLayoutList &list, const QString &folder = defaultLayoutsFolder());

/**
 * Writes every layout of @p list to @p folder + name + ".qznr", each file
 * atomically; only when every file was written, it then removes the files of
 * layouts that were loaded or saved before but are no longer in the list.
 * Foreign or unreadable files are never removed. Returns false (with a message
 * in @p error) when a file could not be written; the old file then stays as it
 * was, and so do the files of renamed or deleted layouts.
 */
bool saveLayouts(CReportLayoutList &list, const QString &folder = defaultLayoutsFolder(),
                 QString *error = nullptr);

/**
 * The name check for a new or renamed layout. Returns an empty string when
 * @p name may be used, else the message to show (title "Error").
 * @p ignoreIndex is the layout being renamed (its own name does not clash).
 */
QString checkLayoutName(const QString &name, const CReportLayoutList &list, int ignoreIndex = -1);
