#pragma once

#include <QString>
#include <QStringList>

/** Short labels and names the report manager shows for fields and report kinds. */
namespace FieldLabels {

/** Short label of field @p id of report kind @p kind ("Life Path", "Header" ...); empty when unknown. */
QString shortLabel(int kind, int id);

/** Label of @p id in the "Available fields" list (love compatibility 8 and 9 read "PM ..."). */
QString availableLabel(int kind, int id);

/** Entries of the report-kind chooser: "Numerology" ... "Pet". */
QStringList kindNames();

}  // namespace FieldLabels
