#include "panels/matrixgrid.h"

namespace MatrixGrid {

QRect cellRect(int column, int row)
{
    return QRect(QPoint(9 + 118 * column, 38 + 63 * row), QPoint(118 + 118 * column, 94 + 63 * row));
}

bool isCell(int column, int row)
{
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return false;
    return !(column == 0 && row < 3);
}

int cellAt(const QPoint &pos)
{
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            if (isCell(c, r) && cellRect(c, r).contains(pos))
                return c + Columns * r;
        }
    }
    return -1;
}

QString label(int cell, bool money)
{
    static const char *const names[Cells] = {
        "",            "Character",      "Health",  "Luck",   "Purposeful",
        "",            "Energy",         "Intuition", "Duty", "Family forming",
        "",            "Interest",       "Labour",  "Memory", "Stability",
        "Sexual life", "Self appraisal", "Finance", "Talent", "Spirituality"};
    if (cell < 0 || cell >= Cells)
        return QString();
    if (money && cell == 17)
        return QStringLiteral("Money");
    return QString::fromLatin1(names[cell]);
}

QString mark(int cell)
{
    const int c = cell % Columns;
    const int r = cell / Columns;
    if (cell < 0 || cell >= Cells || !isCell(c, r))
        return QString();
    if (c >= 1 && c <= 3 && r <= 2)
        return QString::number(r + 1 + 3 * (c - 1));  // digits run down the columns
    return QStringLiteral("*");
}

int nthCell(int n)
{
    int seen = 0;
    for (int cell = 0; cell < Cells; ++cell)
        if (isCell(cell % Columns, cell / Columns) && seen++ == n)
            return cell;
    return -1;
}

int existingCellCount()
{
    return Cells - 3;
}

}  // namespace MatrixGrid
