#pragma once

#include <QString>
#include <QVector>

/**
 * The fields every report kind knows: their ids, the captions of the
 * built-in lists, the text tables that supply their texts and the layout
 * option that hides all pictures of a kind.
 */
namespace ReportCatalogue {

/** One field of a report kind. */
struct Field
{
    int id;
    const char *caption; ///< caption of the built-in list ("" when none)
    int textTable;       ///< section code of the interpretation table, 0 = none, -1 = custom text
};

/** Text table value of the fields that print the global custom text. */
constexpr int CustomTextTable = -1;

/** Fields of @p kind in built-in order (the report head first). */
QVector<Field> builtInFields(int kind);

/** Fields of @p kind that may be added to a layout: the built-in ones plus "Custom Text". */
QVector<Field> availableFields(int kind);

/** The field @p id of @p kind, or nullptr for an unknown id. */
const Field *findField(int kind, int id);

/** Caption of field @p id of @p kind in the built-in list (empty when unknown). */
QString fieldCaption(int kind, int id);

/** Id of the "Custom Text" field of @p kind (-1 for an unknown kind). */
int customTextId(int kind);

/** Layout option key that hides all pictures of @p kind ("RTNumerology-hide-images" ...). */
QString hideImagesKey(int kind);

} // namespace ReportCatalogue

/**
 * The interpretation table that supplies the per-value texts of field @p id
 * of report kind @p kind; 0 when the field has no table, -1 for the custom text.
 */
int textTableFor(int kind, int id);
