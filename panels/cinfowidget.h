#pragma once

#include "panels/cpanelrows.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

class CTheme;

/**
 * A painted list of named numbers under a title bar ("Main Features",
 * "Life Cycles" ...). Rows are 16 pixels high; a row is drawn only when
 * the name and value lists have the same length. Clickable panels
 * highlight the row under the mouse and emit itemCliked(row) for rows
 * below clickableRows().
 */
class CInfoWidget : public QWidget, public CPanelRows
{
    Q_OBJECT

public:
    static constexpr int HeaderHeight = 24;
    static constexpr int RowHeight = 16;

    /**
     * @p theme may be null (no recolouring). An empty @p title gives a
     * panel without title bar (header height 0).
     */
    CInfoWidget(CTheme *theme, const QString &title, const QStringList &itemNames = {},
                QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    int headerHeight() const { return m_title.isEmpty() ? 0 : HeaderHeight; }

    QStringList itemNames() const { return m_names; }
    void setItemNames(const QStringList &names);
    QStringList itemValues() const { return m_values; }
    /** Sets the values and repaints; rows only show while both lists have equal length. */
    void setItemValues(const QStringList &values);
    /** One empty value per name (what "clear all inputs" shows). */
    void clearValues();

    bool isClickable() const { return m_clickable; }
    void setClickable(bool on);
    int clickableRows() const { return m_clickableRows; }
    /** Only rows below this index react to the mouse (4 for "Life Cycles"). */
    void setClickableRows(int rows);
    /** Rows whose values are ages: 55 there is an age, not a master number. */
    void setAgeRows(const QList<int> &rows) { m_ageRows = rows; update(); }
    QList<int> ageRows() const { return m_ageRows; }
    int extraWidth() const { return m_extraWidth; }
    /** Added to the widget width for hit-testing, highlight and frame. */
    void setExtraWidth(int extra);

    /** Whether @p row opens something; only such rows have their name underlined like a link. */
    bool isRowClickable(int row) const { return m_clickable && row >= 0 && row < m_clickableRows && row < m_names.size(); }
    /** Row a click at @p pos would emit, or -1 (gaps, outside, not clickable). */
    int rowAt(const QPoint &pos) const;

    QSize sizeHint() const override;

    // What screen readers hear: the title, then each row's name and value.
    QString panelName() const override { return m_title; }
    int rowCount() const override { return m_names.size(); }
    QString rowName(int row) const override { return m_names.value(row); }
    QString rowValue(int row) const override
    {
        return m_values.size() == m_names.size() ? m_values.value(row) : QString();
    }
    QRect rowRect(int row) const override;
    bool rowActivates(int row) const override;
    void activateRow(int row) override { emit itemCliked(row); }

signals:
    void itemCliked(int row);

public slots:
    /** Re-derives the theme colours (title bar included) and repaints. */
    virtual void updateData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    /** The dotted frame around the keyboard row while the panel has focus. */
    void drawFocusRow(QPainter &p) const;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    /** Width used for painting and hit-testing: width() + extraWidth(). */
    int paintWidth() const { return width() + m_extraWidth; }
    QColor themed(QRgb rgb) const;
    void rebuildTitleImage();
    void drawTitle(QPainter &p) const;

    CTheme *m_theme = nullptr;
    QImage m_titleImage;
    QString m_title;
    QStringList m_names;
    QStringList m_values;
    bool m_clickable = false;
    int m_clickableRows = 1000;
    QList<int> m_ageRows;
    int m_extraWidth = 0;
    QPoint m_mouse{-1, -1};
    bool m_mouseInside = false;
};
