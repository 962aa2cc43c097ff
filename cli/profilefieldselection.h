#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class CNumerology;
class CNumerologyPMatrix;
class JsonWriter;

/**
 * The profile fields that batch writes, chosen by their JSON names in the
 * user's order ("lifePath,expression"), or all of them in output order with
 * "matrix" last. Writes one person's chosen fields as a JSON object or as
 * CSV/TSV cells.
 */
class ProfileFieldSelection
{
public:
    /** Every field: the profile members in output order, then "matrix". */
    ProfileFieldSelection();

    /** Every field name, in output order. */
    static const QStringList &allNames();

    /**
     * Chooses the comma-separated names of @p list; false with a one-line
     * message naming the unknown ones (an empty name among them) or a name
     * given twice.
     */
    bool parse(const QString &list, QString *error);

    int count() const { return m_columns.size(); }
    QString name(int column) const { return allNames().at(m_columns.at(column)); }
    /** True when "matrix" is chosen (so the psychomatrix must be computed). */
    bool needsMatrix() const { return m_needsMatrix; }
    /** True when a chosen field comes from the planes or the transits (see NumerologyInput). */
    bool needsPlanesAndTransits() const { return m_needsPlanes; }
    /** True when a chosen field is a text other than the two upper-case names (see NumerologyInput). */
    bool needsTexts() const { return m_needsTexts; }

    /** The chosen fields as one JSON object; @p matrix is read only when needed. */
    void writeJson(JsonWriter &json, const CNumerology &profile, const CNumerologyPMatrix *matrix) const;

    /**
     * Appends one output row: @p line, the chosen fields as cells after
     * @p delimiter, an empty error cell and a line break. Numbers and dates as
     * text, texts quoted as RFC 4180 wants, lists and the matrix as their JSON
     * text.
     */
    void appendRow(QByteArray &out, char delimiter, int line, const CNumerology &profile,
                   const CNumerologyPMatrix *matrix) const;

private:
    void choose(const QVector<int> &fields);

    QVector<int> m_columns; ///< field index per column
    bool m_all = true;
    bool m_needsMatrix = true;
    bool m_needsPlanes = true;
    bool m_needsTexts = true;
};
