#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

class ChartItem;
class ChartPage;

/** One entry of the chart creator's field tree. */
struct ChartFieldEntry {
    QString group;     ///< "Calculated data", "Variables", "Objects"
    QString groupIcon; ///< picture of the group in the images folder
    QString text;      ///< entry text, e.g. "Main Features", "Full Name"
    int code = 0;      ///< 1 calculated data, 1000.. data fields, 2000..2002 objects
    int kind = 0;      ///< content kind it creates (calculated data and variables)
    QSizeF size;       ///< frame size it creates
    QString caption;   ///< caption of the created item
    QString fieldCode; ///< field code of the created item
};

/** The field tree's entries in order. */
QList<ChartFieldEntry> chartFieldEntries();

/** True for the codes of entries that create a data field: the variables and the core numbers. */
bool isDataFieldCode(int code);

/**
 * Creates a frame item with a content of @p contentKind at @p pagePoint (page
 * units), kept inside the page, on top of the page's items. The content's text
 * is @p caption; the frame's outline and both sizes are @p size.
 */
ChartItem *createFieldItem(ChartPage &page, const QString &caption, const QPointF &pagePoint,
                           const QSizeF &size, int contentKind = 5);

/**
 * Creates an image item: a picture whose larger side exceeds 1024 px is scaled
 * down to 1024 first; the frame is the picture size fitted into a quarter of
 * the page (each side at least 1). Null for a null picture.
 */
ChartItem *createImageItem(ChartPage &page, const QImage &picture, const QPointF &pagePoint);

/** Creates a reference to @p block at its own size, numbered after the page's other references. */
ChartItem *createBlockItem(ChartPage &page, ChartPage *block, const QPointF &pagePoint);

/**
 * The item a field tree entry creates at @p pagePoint, with the rules of the
 * chart creator's drop: variables and text get 120 x 25 fields, panels their
 * natural size, "Image" needs @p picture. With @p withTitle a calculated-data
 * entry also gets a 150 x 25 title 25 units above it. Returns the main frame,
 * or null when the entry creates nothing.
 */
ChartItem *addFieldItem(ChartPage &page, const ChartFieldEntry &entry, const QPointF &pagePoint,
                        bool withTitle = false, const QImage &picture = QImage());
