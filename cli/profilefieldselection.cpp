#include "cli/profilefieldselection.h"

#include "cli/csvcell.h"
#include "cli/jsonwriter.h"
#include "cli/profilefieldvisit.h"
#include "cli/profilejson.h"

#include "engine/cnumerologypmatrix.h"

#include <cstring>
#include <vector>

namespace {

const char MatrixName[] = "matrix";

// The field names as the literals the visit passes, "matrix" last.
const std::vector<const char *> &fieldKeys()
{
    static const std::vector<const char *> keys = [] {
        std::vector<const char *> k;
        const CNumerology blank;
        visitProfileFields([&k](const char *name, auto &&...) { k.push_back(name); }, blank);
        k.push_back(MatrixName);
        return k;
    }();
    return keys;
}

// Notes per visited field whether it is a text the engine may leave empty
// (see NumerologyInput::skipTexts); the upper-case names are always filled.
struct TextProbe {
    std::vector<bool> &texts;
    void operator()(const char *name, const QString &)
    {
        texts.push_back(std::strcmp(name, "fullNameUpper") != 0 && std::strcmp(name, "shortNameUpper") != 0);
    }
    void operator()(const char *, const QString *, int) { texts.push_back(true); }
    template <class... Value>
    void operator()(const char *, const Value &...) { texts.push_back(false); }
};

const std::vector<bool> &textFields()
{
    static const std::vector<bool> texts = [] {
        std::vector<bool> t;
        const CNumerology blank;
        visitProfileFields(TextProbe{t}, blank);
        t.push_back(false); // the matrix
        return t;
    }();
    return texts;
}

int matrixField()
{
    return static_cast<int>(fieldKeys().size()) - 1;
}

// One chosen value of one person, pointing into the engine's members.
struct Cell {
    enum Kind : char { Int, Bool, Text, Date, Ints, Texts, Matrix };
    Kind kind = Int;
    int n = 0; ///< the number, the truth value or the list's length
    const void *p = nullptr;
};

// Collects the chosen fields of one visit into their columns.
struct Collector {
    const QVector<int> &columnOf;
    Cell *cells;
    int field = 0;

    void put(Cell::Kind kind, int n, const void *p)
    {
        const int column = columnOf.at(field++);
        if (column >= 0)
            cells[column] = Cell{kind, n, p};
    }
    void operator()(const char *, int v) { put(Cell::Int, v, nullptr); }
    void operator()(const char *, bool v) { put(Cell::Bool, v ? 1 : 0, nullptr); }
    void operator()(const char *, const QString &v) { put(Cell::Text, 0, &v); }
    void operator()(const char *, const QDate &v) { put(Cell::Date, 0, &v); }
    void operator()(const char *, const int *v, int count) { put(Cell::Ints, count, v); }
    void operator()(const char *, const QString *v, int count) { put(Cell::Texts, count, v); }
};

void writeCellJson(JsonWriter &json, const Cell &cell, const CNumerologyPMatrix *matrix)
{
    switch (cell.kind) {
    case Cell::Int: json.value(cell.n); break;
    case Cell::Bool: json.value(cell.n != 0); break;
    case Cell::Text: json.value(*static_cast<const QString *>(cell.p)); break;
    case Cell::Date: json.value(*static_cast<const QDate *>(cell.p)); break;
    case Cell::Ints:
        json.beginArray();
        for (int i = 0; i < cell.n; ++i)
            json.value(static_cast<const int *>(cell.p)[i]);
        json.endArray();
        break;
    case Cell::Texts:
        json.beginArray();
        for (int i = 0; i < cell.n; ++i)
            json.value(static_cast<const QString *>(cell.p)[i]);
        json.endArray();
        break;
    case Cell::Matrix:
        writeMatrixJson(json, *matrix);
        break;
    }
}

} // namespace

ProfileFieldSelection::ProfileFieldSelection()
{
    QVector<int> all(fieldKeys().size());
    for (int i = 0; i < all.size(); ++i)
        all[i] = i;
    choose(all);
    m_all = true;
}

const QStringList &ProfileFieldSelection::allNames()
{
    static const QStringList names = [] {
        QStringList n;
        for (const char *key : fieldKeys())
            n << QString::fromLatin1(key);
        return n;
    }();
    return names;
}

bool ProfileFieldSelection::parse(const QString &list, QString *error)
{
    QVector<int> fields;
    QStringList unknown;
    for (const QString &part : list.split(QLatin1Char(','))) {
        const QString name = part.trimmed();
        const int index = allNames().indexOf(name);
        if (index < 0) {
            unknown << (name.isEmpty() ? QStringLiteral("''") : name);
        } else if (fields.contains(index)) {
            *error = QStringLiteral("--fields: %1 is named twice").arg(name);
            return false;
        } else {
            fields << index;
        }
    }
    if (!unknown.isEmpty()) {
        *error = QStringLiteral("--fields: unknown field name%1 %2 (qznum-cli batch --list-fields lists them)")
                     .arg(unknown.size() > 1 ? QStringLiteral("s") : QString(),
                          unknown.join(QStringLiteral(", ")));
        return false;
    }
    choose(fields);
    m_all = false;
    return true;
}

void ProfileFieldSelection::choose(const QVector<int> &fields)
{
    m_columns = fields;
    m_columnOf.fill(-1, static_cast<int>(fieldKeys().size()));
    for (int c = 0; c < fields.size(); ++c)
        m_columnOf[fields.at(c)] = c;
    m_needsMatrix = m_columnOf.last() >= 0;
    // The members those two steps write; the essence also counts into valueCounters.
    static const char *const PlanesAndTransits[] = {
        "letterCounts", "planeClassCounts", "planeNumbers", "planesCellTexts", "planesCells",
        "planesValues", "physicalTransit", "mentalTransit", "spiritualTransit", "essence",
        "essenceRaw", "valueCounters"};
    m_needsPlanes = false;
    for (const char *name : PlanesAndTransits)
        m_needsPlanes = m_needsPlanes || m_columnOf.at(allNames().indexOf(QLatin1String(name))) >= 0;
    m_needsTexts = false;
    for (int field : fields)
        m_needsTexts = m_needsTexts || textFields()[static_cast<size_t>(field)];
}

void ProfileFieldSelection::writeJson(JsonWriter &json, const CNumerology &profile,
                                      const CNumerologyPMatrix *matrix) const
{
    if (m_all) {
        writeProfileJson(json, profile, matrix);
        return;
    }
    QVarLengthArray<Cell, 16> cells(m_columns.size());
    Collector collect{m_columnOf, cells.data()};
    visitProfileFields(collect, profile);
    json.beginObject();
    for (int c = 0; c < m_columns.size(); ++c) {
        json.key(fieldKeys()[static_cast<size_t>(m_columns.at(c))]);
        if (m_columns.at(c) == matrixField())
            writeMatrixJson(json, *matrix);
        else
            writeCellJson(json, cells[c], matrix);
    }
    json.endObject();
}

void ProfileFieldSelection::appendCells(QByteArray &out, char delimiter, const CNumerology &profile,
                                        const CNumerologyPMatrix *matrix) const
{
    QVarLengthArray<Cell, 16> cells(m_columns.size());
    Collector collect{m_columnOf, cells.data()};
    visitProfileFields(collect, profile);
    QByteArray scratch;
    for (int c = 0; c < m_columns.size(); ++c) {
        out.append(delimiter);
        const bool isMatrix = m_columns.at(c) == matrixField();
        const Cell &cell = isMatrix ? Cell{Cell::Matrix, 0, nullptr} : cells[c];
        switch (cell.kind) {
        case Cell::Int: {
            char buf[16];
            out.append(buf, static_cast<int>(JsonWriter::writeDecimal(buf, cell.n) - buf));
            break;
        }
        case Cell::Bool:
            out.append(cell.n ? "true" : "false");
            break;
        case Cell::Text: {
            appendCsvText(out, *static_cast<const QString *>(cell.p), delimiter);
            break;
        }
        default: {
            // Dates, lists and the matrix as JSON, a date without its quotes.
            scratch.clear();
            {
                JsonWriter json(scratch);
                writeCellJson(json, cell, matrix);
            }
            if (cell.kind == Cell::Date)
                out.append(scratch == "null" ? QByteArray() : scratch.mid(1, scratch.size() - 2));
            else
                appendCsvCell(out, scratch.constData(), scratch.size(), delimiter);
            break;
        }
        }
    }
}
