#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

/** Where a piece of source text came from, for messages. */
struct SourceLocation
{
    QString file;
    int line = 0;
    QString toString() const { return file + QLatin1Char(':') + QString::number(line); }
};

/** One addressed entry of the sources: its paragraphs in Latin-1-safe text. */
struct SourceEntry
{
    int section = 0;
    int index = 0;
    QStringList paragraphs;
    SourceLocation where;
};

/** One [celebrity] record as written; its numbers are computed later. */
struct SourceCelebrity
{
    QString name;
    QDate born;
    QString line2;
    QString lifePathText;
    QString birthDayText;
    QString expressionText;
    SourceLocation where;
};

/**
 * The parsed text sources of the data build. Files are added one by one;
 * every problem is collected as "file:line: message" so that one run reports
 * all of them.
 */
class TextSourceSet
{
public:
    /** Longest paragraph, in Latin-1 bytes (leaves room below the line limit). */
    static constexpr int kMaxParagraphBytes = 4000;
    /** Largest source file read. */
    static constexpr qint64 kMaxSourceFileBytes = 16 * 1024 * 1024;

    /** Parses the file at @p path; false when it added errors. */
    bool addFile(const QString &path);
    /** Parses @p data as if read from a file named @p fileName. */
    bool addSource(const QByteArray &data, const QString &fileName);

    const QStringList &errors() const { return m_errors; }
    const QStringList &warnings() const { return m_warnings; }

    /** Entries keyed by section * 100 + index, so iteration is in file-format order. */
    const QMap<int, SourceEntry> &entries() const { return m_entries; }
    const QVector<SourceCelebrity> &celebrities() const { return m_celebrities; }

private:
    enum class Target { None, Entry, Celebrity, Skip };

    bool parseHeader(const QString &text, const SourceLocation &where);
    void parseCelebrityField(const QString &text, const SourceLocation &where);
    void finishCelebrity();
    void finishTarget();
    void error(const SourceLocation &where, const QString &message);
    void warning(const SourceLocation &where, const QString &message);
    void lintMarkup(const QString &text, const SourceLocation &where);

    QMap<int, SourceEntry> m_entries;
    QVector<SourceCelebrity> m_celebrities;
    QStringList m_errors;
    QStringList m_warnings;

    Target m_target = Target::None;
    int m_currentKey = -1;
    SourceCelebrity m_celebrity;
    QStringList m_celebrityKeys;
};

/**
 * Mistakes in a paragraph's inline HTML that would show in a report: a bare
 * '&' or '<', block tags, and inline tags left open or closed twice.
 */
QStringList markupProblems(const QString &text);

/** Parses "d.m.yyyy" (leading zeros optional) into a valid date, or an invalid one. */
QDate parseDottedDate(const QString &text);
