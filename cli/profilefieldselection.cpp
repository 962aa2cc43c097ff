#include "cli/profilefieldselection.h"

#include "cli/csvcell.h"
#include "cli/jsonwriter.h"
#include "cli/profilefieldvisit.h"
#include "cli/profilejson.h"

#include "engine/cnumerologypmatrix.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const char MatrixName[] = "matrix";

// Where one field lives in every profile. Found once by visiting a blank
// profile, so that a row reads its chosen fields straight from their members.
struct Field {
    enum Kind : char { Int, Bool, Text, Date, Ints, Texts, Matrix };
    const char *name;
    Kind kind;
    bool text;       ///< a text the engine may leave empty (NumerologyInput::skipTexts)
    int offset;      ///< bytes from the start of the profile
    int count;       ///< the list's length, unless countOffset is set
    int countOffset; ///< where a list's varying length is, or -1
};

struct FieldProbe {
    const CNumerology &profile;
    std::vector<Field> &fields;

    // Byte offset of a member; -1 for something outside the profile.
    int offsetOf(const void *member) const
    {
        const char *base = reinterpret_cast<const char *>(&profile);
        const char *at = static_cast<const char *>(member);
        return at >= base && at < base + sizeof(CNumerology) ? static_cast<int>(at - base) : -1;
    }
    void add(const char *name, Field::Kind kind, const void *member, const int *count = nullptr)
    {
        const int offset = offsetOf(member);
        if (offset < 0)
            qFatal("profile field %s is not a member of the profile", name);
        const bool text = (kind == Field::Text && std::strcmp(name, "fullNameUpper") != 0 &&
                           std::strcmp(name, "shortNameUpper") != 0) ||
                          kind == Field::Texts;
        // A list whose length varies passes its count member itself.
        const int countOffset = count ? offsetOf(count) : -1;
        fields.push_back(Field{name, kind, text, offset, count ? *count : 0, countOffset});
    }
    void operator()(const char *name, const int &v) { add(name, Field::Int, &v); }
    void operator()(const char *name, const bool &v) { add(name, Field::Bool, &v); }
    void operator()(const char *name, const QString &v) { add(name, Field::Text, &v); }
    void operator()(const char *name, const QDate &v) { add(name, Field::Date, &v); }
    void operator()(const char *name, const int *v, const int &count) { add(name, Field::Ints, v, &count); }
    void operator()(const char *name, const QString *v, const int &count) { add(name, Field::Texts, v, &count); }
};

// Every field in output order, "matrix" last.
const std::vector<Field> &fieldTable()
{
    static const std::vector<Field> table = [] {
        std::vector<Field> fields;
        const auto blank = std::make_unique<CNumerology>();
        visitProfileFields(FieldProbe{*blank, fields}, *blank);
        fields.push_back(Field{MatrixName, Field::Matrix, false, 0, 0, -1});
        return fields;
    }();
    return table;
}

int matrixField()
{
    return static_cast<int>(fieldTable().size()) - 1;
}

template <class T>
const T &member(const CNumerology &profile, const Field &field)
{
    return *reinterpret_cast<const T *>(reinterpret_cast<const char *>(&profile) + field.offset);
}

int countOf(const CNumerology &profile, const Field &field)
{
    if (field.countOffset < 0)
        return field.count;
    return std::max(0, *reinterpret_cast<const int *>(reinterpret_cast<const char *>(&profile) + field.countOffset));
}

void writeFieldJson(JsonWriter &json, const Field &field, const CNumerology &profile,
                    const CNumerologyPMatrix *matrix)
{
    switch (field.kind) {
    case Field::Int: json.field(field.name, member<int>(profile, field)); break;
    case Field::Bool: json.field(field.name, member<bool>(profile, field)); break;
    case Field::Text: json.field(field.name, member<QString>(profile, field)); break;
    case Field::Date: json.field(field.name, member<QDate>(profile, field)); break;
    case Field::Ints: json.field(field.name, &member<int>(profile, field), countOf(profile, field)); break;
    case Field::Texts: json.field(field.name, &member<QString>(profile, field), countOf(profile, field)); break;
    case Field::Matrix:
        json.key(field.name);
        writeMatrixJson(json, *matrix);
        break;
    }
}

// Writes @p v at @p d; the end. Most numbers of a profile are one digit.
char *writeNumber(char *d, int v)
{
    if (static_cast<unsigned int>(v) < 10) {
        *d = static_cast<char>('0' + v);
        return d + 1;
    }
    return JsonWriter::writeDecimal(d, v);
}

char *writeDigits(char *d, int v, int count)
{
    for (int i = count - 1; i >= 0; --i, v /= 10)
        d[i] = static_cast<char>('0' + v % 10);
    return d + count;
}

// Most bytes the cell of @p field takes when written in place, or -1 when it
// goes through its JSON text instead (lists of texts, the matrix, odd dates).
int directRoom(const Field &field, const CNumerology &profile)
{
    switch (field.kind) {
    case Field::Int:
    case Field::Bool: return 11;
    case Field::Ints: return 4 + 12 * countOf(profile, field);
    case Field::Text: return csvTextRoom(member<QString>(profile, field));
    case Field::Date: {
        const QDate &date = member<QDate>(profile, field);
        return date.isValid() && date.year() >= 0 && date.year() <= 9999 ? 10 : -1;
    }
    default: return -1;
    }
}

// Writes a cell that directRoom() allows at @p d; the end. Lists of numbers
// are JSON, dates YYYY-MM-DD.
char *writeDirectCell(char *d, const Field &field, const CNumerology &profile, char delimiter)
{
    switch (field.kind) {
    case Field::Int: return writeNumber(d, member<int>(profile, field));
    case Field::Bool: {
        const bool v = member<bool>(profile, field);
        std::memcpy(d, v ? "true" : "false", v ? 4 : 5);
        return d + (v ? 4 : 5);
    }
    case Field::Text: return writeCsvText(d, member<QString>(profile, field), delimiter);
    case Field::Date: {
        int y = 0, m = 0, day = 0;
        member<QDate>(profile, field).getDate(&y, &m, &day);
        d = writeDigits(d, y, 4);
        *d++ = '-';
        d = writeDigits(d, m, 2);
        *d++ = '-';
        return writeDigits(d, day, 2);
    }
    default: {
        // "[1,2]" holds commas, so CSV quotes a list of two or more.
        const int count = countOf(profile, field);
        const int *values = &member<int>(profile, field);
        const bool quote = delimiter == ',' && count > 1;
        if (quote)
            *d++ = '"';
        *d++ = '[';
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                *d++ = ',';
            d = writeNumber(d, values[i]);
        }
        *d++ = ']';
        if (quote)
            *d++ = '"';
        return d;
    }
    }
}

void writeTextsJson(JsonWriter &json, const QString *texts, int count)
{
    json.beginArray();
    for (int i = 0; i < count; ++i)
        json.value(texts[i]);
    json.endArray();
}

} // namespace

ProfileFieldSelection::ProfileFieldSelection()
{
    QVector<int> all(static_cast<int>(fieldTable().size()));
    for (int i = 0; i < all.size(); ++i)
        all[i] = i;
    choose(all);
    m_all = true;
}

const QStringList &ProfileFieldSelection::allNames()
{
    static const QStringList names = [] {
        QStringList n;
        for (const Field &field : fieldTable())
            n << QString::fromLatin1(field.name);
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
    m_needsMatrix = fields.contains(matrixField());
    // The members those two steps write; the essence also counts into valueCounters.
    static const char *const PlanesAndTransits[] = {
        "letterCounts", "planeClassCounts", "planeNumbers", "planesCellTexts", "planesCells",
        "planesValues", "physicalTransit", "mentalTransit", "spiritualTransit", "essence",
        "essenceRaw", "valueCounters"};
    m_needsPlanes = false;
    for (const char *name : PlanesAndTransits)
        m_needsPlanes = m_needsPlanes || fields.contains(allNames().indexOf(QLatin1String(name)));
    m_needsTexts = false;
    for (int field : fields)
        m_needsTexts = m_needsTexts || fieldTable()[static_cast<size_t>(field)].text;
}

void ProfileFieldSelection::writeJson(JsonWriter &json, const CNumerology &profile,
                                      const CNumerologyPMatrix *matrix) const
{
    if (m_all) {
        writeProfileJson(json, profile, matrix);
        return;
    }
    const std::vector<Field> &table = fieldTable();
    json.beginObject();
    for (int field : m_columns)
        writeFieldJson(json, table[static_cast<size_t>(field)], profile, matrix);
    json.endObject();
}

void ProfileFieldSelection::appendRow(QByteArray &out, char delimiter, int line, const CNumerology &profile,
                                      const CNumerologyPMatrix *matrix) const
{
    const std::vector<Field> &table = fieldTable();
    const int columns = m_columns.size();
    const int *chosen = m_columns.constData();
    QByteArray scratch;
    for (int c = 0;;) {
        // A run of cells written in place, into room made once.
        const bool first = c == 0;
        int end = c;
        int room = first ? 12 : 0;
        for (int r; end < columns && (r = directRoom(table[static_cast<size_t>(chosen[end])], profile)) >= 0; ++end)
            room += 1 + r;
        const bool last = end == columns;
        const int start = out.size();
        out.resize(start + room + (last ? 2 : 0));
        char *const begin = out.data() + start;
        char *d = first ? JsonWriter::writeDecimal(begin, line) : begin;
        for (; c < end; ++c) {
            *d++ = delimiter;
            d = writeDirectCell(d, table[static_cast<size_t>(chosen[c])], profile, delimiter);
        }
        if (last) {
            *d++ = delimiter; // the empty error cell
            *d++ = '\n';
        }
        out.truncate(start + static_cast<int>(d - begin));
        if (last)
            return;

        // Then a cell through its JSON text, a date without its quotes.
        const Field &field = table[static_cast<size_t>(chosen[c++])];
        out.append(delimiter);
        scratch.clear();
        {
            JsonWriter json(scratch);
            if (field.kind == Field::Date)
                json.value(member<QDate>(profile, field));
            else if (field.kind == Field::Texts)
                writeTextsJson(json, &member<QString>(profile, field), countOf(profile, field));
            else
                writeMatrixJson(json, *matrix);
        }
        if (field.kind == Field::Date)
            out.append(scratch == "null" ? QByteArray() : scratch.mid(1, scratch.size() - 2));
        else
            appendCsvCell(out, scratch.constData(), scratch.size(), delimiter);
    }
}
