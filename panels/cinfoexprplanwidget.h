#pragma once

#include <QImage>
#include "panels/cpanelrows.h"

#include <QStringList>
#include <QWidget>

class CTheme;

/**
 * "Planes of Expression": the kinds "Creative", "Dual" and "Grounded" in
 * rows against the planes "Mental", "Physical", "Emotional" and "Intuitive"
 * in columns, under the list panel's title bar.
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

    QSize sizeHint() const override;

    // One row per kind; its value names each plane with its cell.
    QString panelName() const override { return m_title; }
    int rowCount() const override { return m_names.size(); }
    QString rowName(int row) const override { return m_names.value(row); }
    QString rowValue(int row) const override;
    QRect rowRect(int row) const override;

public slots:
    void updateData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    CTheme *m_theme = nullptr;
    QString m_title;
    QImage m_titleImage;
    QStringList m_names;
    QStringList m_cells;
};
