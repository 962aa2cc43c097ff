#pragma once

#include "panels/cpanelrows.h"

#include <QStringList>
#include <QWidget>

class CTheme;

/**
 * The psychomatrix grid: nine digit cells, three row sums, three column
 * sums and two diagonals in a 5 x 4 grid over the theme's background
 * picture. The cell under the mouse is highlighted; a press emits
 * itemCliked(c + 5r) (1-4, 6-9, 11-14, 15-19).
 */
class CInfoMatrWidget : public QWidget, public CPanelRows
{
    Q_OBJECT

public:
    explicit CInfoMatrWidget(CTheme *theme, QWidget *parent = nullptr);

    /** Cell contents in cell order c + 5r (20 strings; missing ones show empty). */
    void setCells(const QStringList &cells);
    QStringList cells() const { return m_cells; }
    void clearCells();

    /** Cell a press at @p pos emits, or -1. */
    int cellAt(const QPoint &pos) const;

    QSize sizeHint() const override;

    // Screen readers hear the existing cells in cell order, by label.
    QString panelName() const override { return QStringLiteral("Psycho Matrix"); }
    int rowCount() const override;
    QString rowName(int row) const override;
    QString rowValue(int row) const override;
    QRect rowRect(int row) const override;
    bool rowActivates(int row) const override { return row >= 0 && row < rowCount(); }
    void activateRow(int row) override;

signals:
    void itemCliked(int cell);

public slots:
    void updateData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    CTheme *m_theme = nullptr;
    QStringList m_cells;
    QPoint m_mouse{-1, -1};
};
