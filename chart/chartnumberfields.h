#pragma once

#include "engine/numerologyprofile.h"

#include <QList>
#include <QString>

/**
 * A data field that shows one core number of the person ("#life_path" draws
 * "7"). Charts store only the field code, so a reader that does not know the
 * code draws the item's caption instead, as for any other unknown code.
 */
struct ChartNumberField {
    QString label;                            ///< field tree entry, e.g. "Life Path"
    QString code;                             ///< stored field code, e.g. "#life_path"
    int NumerologyNumbers::*number = nullptr; ///< where the engine keeps the value
};

/** Every core-number field in field tree order. */
const QList<ChartNumberField> &chartNumberFields();

/** True when @p code is the field code of a core-number field. */
bool isChartNumberCode(const QString &code);
