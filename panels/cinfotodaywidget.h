#pragma once

#include <QDate>
#include "panels/cpanelrows.h"

#include <QStringList>
#include <QWidget>

class CTheme;
class QTextBrowser;

/**
 * "Today": the personal year, month and day of the forecast date as three
 * large numbers, with the day's interpretation text below them.
 */
class CInfoTodayWidget : public QWidget, public CPanelRows
{
    Q_OBJECT

public:
    explicit CInfoTodayWidget(CTheme *theme, QWidget *parent = nullptr);

    /**
     * The three values as the calculation writes them: "7 (2026)",
     * "3 (Dec)", "5". The number is what precedes " (", the rest is shown
     * smaller beneath it.
     */
    void setValues(const QString &year, const QString &month, const QString &day);
    void setValues(const QStringList &values);
    QStringList values() const { return m_values; }
    /** The date the numbers are for (shown under the caption). */
    void setDate(const QDate &date);
    QDate date() const { return m_date; }
    /** Interpretation text of the personal day (rich text allowed). */
    void setDayText(const QString &text);
    QString dayText() const;
    void clearValues();

    /** Splits "7 (2026)" into ("7", "2026"). */
    static QPair<QString, QString> splitValue(const QString &value);

    QSize sizeHint() const override;

    QString panelName() const override { return QStringLiteral("Today"); }
    int rowCount() const override { return 3; }
    QString rowName(int row) const override;
    QString rowValue(int row) const override { return m_values.value(row); }
    QRect rowRect(int row) const override;

public slots:
    void updateData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static constexpr int TextTop = 128;

    CTheme *m_theme = nullptr;
    QStringList m_values;
    QDate m_date;
    QTextBrowser *m_text = nullptr;
};
