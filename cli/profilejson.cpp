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

void writeProfileJson(JsonWriter &json, const CNumerology &p, const CNumerologyPMatrix *matrix)
{
    json.beginObject();
    visitProfileFields([&json](const char *name, const auto &...value) { json.field(name, value...); }, p);
    if (matrix) {
        json.key("matrix");
        writeMatrixJson(json, *matrix);
    }
    json.endObject();
}
