#pragma once

#include "panels/cinfowidget.h"

#include <QDate>

/**
 * "Personal numbers calendar": rows "Years ", "Months" and "Days", each a
 * run of 46 x 16 cells for successive years, months and days counted from
 * the start date. The cell of the reference (forecast) date stands out.
 */
class CInfoCalendarWidget : public CInfoWidget
{
    Q_OBJECT

public:
    static constexpr int CaptionWidth = 36;
    static constexpr int CellWidth = 46;
    static constexpr int RightEdge = 596;

    explicit CInfoCalendarWidget(CTheme *theme,
                                 const QString &title = QStringLiteral("Personal numbers calendar"),
                                 QWidget *parent = nullptr);

    /**
     * @p years, @p months and @p days hold the personal numbers of the
     * successive periods from @p start; @p reference is the date to mark.
     */
    void setCalendar(const QDate &start, const QDate &reference, const QStringList &years,
                     const QStringList &months, const QStringList &days);
    void setReferenceDate(const QDate &reference);
    QDate startDate() const { return m_start; }
    QDate referenceDate() const { return m_reference; }

    /** Number of cells a row holds (as many as fit before x = 596). */
    static int cellCount();
    /** Text of cell @p i of row @p row (0 years, 1 months, 2 days); empty when unset. */
    QString cellText(int row, int i) const;
    /** Whether cell @p i of @p row is the reference date's. */
    bool isReferenceCell(int row, int i) const;

    QSize sizeHint() const override;

    /** The row's cells, the reference date's one first. */
    QString rowValue(int row) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QDate m_start;
    QDate m_reference;
    QStringList m_rows[3];
};
