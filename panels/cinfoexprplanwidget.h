#pragma once

#include <QImage>
#include "panels/cpanelrows.h"

#include <QStringList>
#include <QWidget>

class CTheme;

/**
 * "Planes of Expression": the kinds "Creative", "Dual" and "Grounded" in
 * rows against the planes "Mental", "Physical", "Emotional" and "Intuitive"
 * in columns, under the list panel's title bar. A click on a kind's row
 * (its caption or any of its cells) emits itemCliked(kind).
 */
class CInfoExprPlanWidget : public QWidget, public CPanelRows
{
    Q_OBJECT

public:
    static constexpr int ColumnWidth = 120;

    explicit CInfoExprPlanWidget(CTheme *theme,
                                 const QString &title = QStringLiteral("Planes of Expression"),
                                 QWidget *parent = nullptr);

    /** Row captions ("Creative", "Dual", "Grounded"; a fourth row is allowed). */
    void setItemNames(const QStringList &names);
    QStringList itemNames() const { return m_names; }
    /** The 20 grid cells in order kind x 5 + plane; columns 0..3 are shown. */
    void setCells(const QStringList &cells);
    QStringList cells() const { return m_cells; }
    void clearCells();
    /** Column captions. */
    static QStringList planeNames();
    int headerHeight() const;

    /** Kind row under @p pos, or -1 (title, plane captions, outside). */
    int rowAt(const QPoint &pos) const;

    QSize sizeHint() const override;

    // One row per kind; its value names each plane with its cell.
    QString panelName() const override { return m_title; }
    int rowCount() const override { return m_names.size(); }
    QString rowName(int row) const override { return m_names.value(row); }
    QString rowValue(int row) const override;
    QRect rowRect(int row) const override;
    bool rowActivates(int row) const override { return row >= 0 && row < rowCount(); }
    void activateRow(int row) override { emit itemCliked(row); }

signals:
    void itemCliked(int row);

public slots:
    void updateData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    CTheme *m_theme = nullptr;
    QString m_title;
    QImage m_titleImage;
    QStringList m_names;
    QStringList m_cells;
    int m_hoverRow = -1;
};
