#include "cli/profilejson.h"

#include "cli/profilefieldvisit.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

void writeMatrixJson(JsonWriter &json, const CNumerologyPMatrix &m)
{
    json.beginObject();
    json.field("cells", m.cells, 10);
    json.field("lines", m.lines, 8);
    json.field("summary", m.summary);
    json.field("workingNumbers", m.workingNumbers, 4);
    json.endObject();
}

namespace {

// One member's value, its key written before.
void put(JsonWriter &json, int v) { json.value(v); }
void put(JsonWriter &json, const QString &v) { json.value(v); }
void put(JsonWriter &json, const QDate &v) { json.value(v); }
void put(JsonWriter &json, const int *values, int count) { json.array(values, count); }
void put(JsonWriter &json, const QString *values, int count) { json.array(values, count); }

// Keys are literals: their length is known here, not counted for every line.
template <size_t N>
void putKey(JsonWriter &json, const char (&name)[N])
{
    json.key(name, static_cast<int>(N) - 1);
}

} // namespace

void writeProfileJson(JsonWriter &json, const CNumerology &p, const CNumerologyPMatrix *matrix)
{
    json.beginObject();
    visitProfileFields(
        [&json](const auto &name, const auto &...value) {
            putKey(json, name);
            put(json, value...);
        },
        p);
    if (matrix) {
        json.key("matrix");
        writeMatrixJson(json, *matrix);
    }
    json.endObject();
}
