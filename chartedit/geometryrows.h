#pragma once

#include "chartedit/chartitemstate.h"
#include "chartedit/propertyrows.h"

#include <QSizeF>

class ChartItem;

/**
 * The numeric "X", "Y", "Width", "Height" and "Rotation" rows of the
 * properties panel: the selected item's bounding box in the chart's unit
 * (@p pageUnitsPerUnit page units each) and its rotation in degrees.
 */
namespace geometryrows {

bool isGeometryRow(const QString &title);

QVector<PropertyRow> rowsFor(const ChartItem &frame, double pageUnitsPerUnit);

/**
 * The geometry of @p frame after @p row was edited: moved or resized (kept on
 * the page of @p page size) or turned. False when the text is not a number
 * or would change nothing.
 */
bool edited(const ChartItem &frame, const PropertyRow &row, double pageUnitsPerUnit,
            const QSizeF &page, ChartItemGeometry *after);

} // namespace geometryrows
