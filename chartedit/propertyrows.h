#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVector>

class ChartItem;
class ChartPage;

/** One row of the properties panel as plain data: what it shows and holds. */
struct PropertyRow {
    enum Kind { Text = 0, Colour = 1, Font = 2, Alignment = 3, List = 5, EditableList = 6 };

    QString title;
    int kind = Text;
    QColor colour;
    QString text;
    QFont font;
    int alignment = 1;
    int index = 0;
    QStringList entries;
};

/** Building the rows of a content item and writing them back, free of widgets. */
namespace propertyrows {

/** The data-field codes the creator offers ("#full_name" ...), in field tree order. */
QStringList creatorFieldCodes();
/** "0%" .. "100%" in steps of 10. */
QStringList opacityEntries();
/** Opacity entry shown for an alpha: alpha / 25.5, rounded so a stored choice shows again. */
int opacityIndex(int alpha);
/** Alpha stored for an opacity entry: index x 25.5, truncated. */
int opacityAlpha(int index);
/** Alignment flags of "Left", "Center", "Right"; any other index is left. */
int alignmentFlags(int index);
/** Entry shown for stored alignment flags; unknown flags show "Left". */
int alignmentIndex(int flags);

/**
 * The rows of @p content (the content item of a selected frame on @p page).
 * Images (kind 2) get none.
 */
QVector<PropertyRow> rowsFor(const ChartItem &content, const ChartPage &page);

/**
 * Writes @p rows back into @p content. A block reference's new order moves
 * the other references of @p page so the orders stay distinct. Returns true
 * when the field code changed (the rows are then to be rebuilt).
 */
bool applyRows(ChartItem &content, ChartPage &page, const QVector<PropertyRow> &rows);

/**
 * Gives the block reference @p moved the order @p newOrder on its page: the
 * references above its old order move down one, those at or above the new
 * order move up one, and it takes min(newOrder, count - 1).
 */
void setBlockOrder(ChartPage &page, ChartItem &moved, int newOrder);

} // namespace propertyrows
