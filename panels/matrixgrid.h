#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

/** Geometry and labels of the 5 x 4 psychomatrix grid shared by two panels. */
namespace MatrixGrid {

constexpr int Columns = 5;
constexpr int Rows = 4;
constexpr int Cells = Columns * Rows;

/** Cell c + 5r spans x 9+118c .. 118+118c and y 38+63r .. 94+63r (inclusive). */
QRect cellRect(int column, int row);
/** Whether the cell exists: column 0 of rows 0-2 is empty. */
bool isCell(int column, int row);
/** Cell number c + 5r under @p pos, or -1 for gaps, empty cells and outside. */
int cellAt(const QPoint &pos);
/** Label of cell c + 5r ("Character", "Purposeful" ...); @p money uses "Money" for "Finance". */
QString label(int cell, bool money = false);
/** Number of the @p n-th existing cell in cell order (0 -> 1, 4 -> 6 ...), or -1. */
int nthCell(int n);
/** How many cells exist (17). */
int existingCellCount();
/** Caption mark of a cell: its digit for digit cells, "*" for sums and diagonals. */
QString mark(int cell);

}  // namespace MatrixGrid
